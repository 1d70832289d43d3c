#include "texts/strtable.h"

#include "texts/strtable-data.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLatin1String>

const char* StrTable::ktab[StrTable::kStrCount];
const char* StrTable::stab[StrTable::kStrCount];

void StrTable::InitStrTable()
{
    for (int id = 0; id < kStrCount; ++id) {
        ktab[id] = kStrTableRows[id].key;
        stab[id] = kStrTableRows[id].text;
    }
}

QString StrTable::LoadStr(int id)
{
    // Callers pass constants, but an id past the table must not read beyond it.
    if (id < 0 || id >= kStrCount)
        return QString();
    // The English text is the lookup key, so ids sharing a text share its translation.
    QString text = QCoreApplication::translate("global", stab[id], nullptr, -1);
    // Translators write line breaks and tabs as escapes.
    text.replace(QLatin1String("\\n"), QLatin1String("\n"));
    text.replace(QLatin1String("\\t"), QLatin1String("\t"));
    return text;
}

QString LoadStrWithAppName(int id)
{
    return StrTable::LoadStr(id).arg(StrTable::LoadStr(kStrAppNameId));
}

int StrTable::LookupStrID(QString key)
{
    const QByteArray local = key.toLocal8Bit();
    for (int id = 0; id < kStrCount; ++id) {
        if (qstricmp(local.constData(), ktab[id]) == 0)
            return id;
    }
    return -1;
}
