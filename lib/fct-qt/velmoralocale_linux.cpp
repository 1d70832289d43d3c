#include "velmoralocale.h"

#include <QByteArray>

// The POSIX order for message texts: LC_ALL overrides LC_MESSAGES, which
// overrides LANG. "C" and "POSIX" fall through to English in the mapping.
QString velmoraSystemLocaleName()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return QString::fromLocal8Bit(value);
    }
    return QString();
}
