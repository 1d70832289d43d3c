#ifndef INSTANCELOCK_H
#define INSTANCELOCK_H

#include <QString>

// A lock held by at most one process per name, released by the system when
// its holder ends (an flock()ed file), so a crashed holder never blocks.
class InstanceLock {
public:
    // name: a short file-name-safe text; the file lies in instanceLockDir().
    explicit InstanceLock(const QString& name);
    ~InstanceLock();

    enum Result { Acquired, HeldElsewhere, Unavailable };

    // Tries once, without waiting. Unavailable when the lock file cannot be
    // used (unwritable folder, a file of another user in its place).
    Result tryLock();

    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

private:
    QString lockPath;
    int fd = -1;
};

// The lock name of the launcher for this user and home folder: instances
// with different home folders do not block each other.
QString instanceLockName(const QString& homePath);

// The per-user folder for lock files, outside the per-user data folder. One
// definition per platform (instancelock_dir_linux.cpp, instancelock_dir_mac.cpp).
QString instanceLockDir();

#endif  // INSTANCELOCK_H
