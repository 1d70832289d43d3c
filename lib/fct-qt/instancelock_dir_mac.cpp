#include "instancelock.h"

#include <QFile>

#include <limits.h>
#include <unistd.h>

// The per-user temporary folder of the system (under /var/folders), private
// to the user like $XDG_RUNTIME_DIR on Linux.
QString instanceLockDir()
{
    char path[PATH_MAX];
    if (confstr(_CS_DARWIN_USER_TEMP_DIR, path, sizeof(path)) == 0)
        return QStringLiteral("/tmp");
    return QFile::decodeName(path);
}
