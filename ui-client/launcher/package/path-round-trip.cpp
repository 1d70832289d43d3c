#include "package/path-round-trip.h"

#include <QFile>
#include <QString>

bool SurvivesPathRoundTrip(const QByteArray& bytes)
{
    const QString text = QFile::decodeName(bytes);
    return text.toUtf8() == bytes && QFile::encodeName(text) == bytes;
}
