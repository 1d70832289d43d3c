#ifndef VELMORA_LAUNCHER_INSTALL_LOCK_H
#define VELMORA_LAUNCHER_INSTALL_LOCK_H

#include <chrono>

#include "ustring.h"

// One installer per home. The single-instance guard is per session and per
// spelling of HOME; this lock is on a file inside the per-user folder, and
// flock() goes by the file, not by the path or the session that reached it.
// The system drops it when its holder ends, even by SIGKILL. The file stays
// when released: removing it would race with a launcher that just opened it.
class InstallLock {
public:
    // The lock file's name inside the per-user folder.
    static const char kFileName[];

    // The longest a launcher waits for another one. A holder is a live
    // launcher, so the wait lasts only while another launcher works; that work
    // can be long: up to 15 s to stop the client, the older product's data
    // moved to another volume with an fsync per file, and a bundle of some
    // hundred MB and ten thousand files written to a slow disk, together a
    // few minutes. Ten minutes covers that, and still ends the wait when the
    // other launcher hangs (a network home that stopped answering).
    static const std::chrono::milliseconds kWaitBound;

    enum Result {
        kHeld,      // ours until Release() or the end of the process
        kTimedOut,  // another launcher still held it when the bound ran out
        kUnusable,  // the lock file could not be opened or locked
    };

    // folder: the per-user folder, created by Acquire() when missing.
    explicit InstallLock(const ustring& folder, std::chrono::milliseconds bound = kWaitBound);
    ~InstallLock();

    // Takes the lock, waiting up to the bound while another process holds it.
    Result Acquire();
    void Release();

    InstallLock(const InstallLock&) = delete;
    InstallLock& operator=(const InstallLock&) = delete;

private:
    int OpenLockFile();
    Result WaitForHolder(int fd);

    ustring folder;
    ustring path;
    std::chrono::milliseconds bound;
    int held = -1;
};

#endif  // VELMORA_LAUNCHER_INSTALL_LOCK_H
