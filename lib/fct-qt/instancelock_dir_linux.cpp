#include "instancelock.h"

#include <QByteArray>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

// $XDG_RUNTIME_DIR is private to the user and emptied at log-out; without a
// session (services, CI) the shared /tmp serves, where the lock file's owner
// is checked before it is trusted.
QString instanceLockDir()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    struct stat st;
    if (!runtime.isEmpty() && stat(runtime.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid())
        return QFile::decodeName(runtime);
    return QStringLiteral("/tmp");
}
