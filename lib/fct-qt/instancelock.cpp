#include "instancelock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

InstanceLock::InstanceLock(const QString& name) : lockPath(instanceLockDir() + "/" + name) {}

InstanceLock::~InstanceLock()
{
    // Closing the descriptor drops the lock; the file stays, which is
    // harmless and avoids a race with an instance that just opened it.
    if (fd >= 0)
        close(fd);
}

InstanceLock::Result InstanceLock::tryLock()
{
    if (fd >= 0)
        return Acquired;
    const QByteArray path = QFile::encodeName(lockPath);
    // O_CLOEXEC: the client the launcher starts must not inherit the lock.
    int candidate = open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (candidate < 0) {
        qWarning("instance lock: cannot open '%s': %s", path.constData(), strerror(errno));
        return Unavailable;
    }
    struct stat st;
    if (fstat(candidate, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid()) {
        qWarning("instance lock: '%s' is not a file of this user", path.constData());
        close(candidate);
        return Unavailable;
    }
    if (flock(candidate, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        close(candidate);
        if (error == EWOULDBLOCK)
            return HeldElsewhere;
        qWarning("instance lock: flock '%s': %s", path.constData(), strerror(error));
        return Unavailable;
    }
    fd = candidate;
    return Acquired;
}

QString instanceLockName(const QString& homePath)
{
    const QByteArray home = QFile::encodeName(QDir::cleanPath(homePath));
    const QByteArray digest = QCryptographicHash::hash(home, QCryptographicHash::Sha1).toHex().left(16);
    return QString("velmora-launcher-%1-%2.lock").arg(geteuid()).arg(QString::fromLatin1(digest));
}
