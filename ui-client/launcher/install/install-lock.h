#ifndef VELMORA_LAUNCHER_INSTALL_LOCK_H
#define VELMORA_LAUNCHER_INSTALL_LOCK_H

#include <chrono>
#include <functional>
#include <string>

#include "ustring.h"

// One installer per home. The single-instance guard is per session and per
// spelling of HOME; this lock is on a file inside the per-user folder, and
// flock() goes by the file, not by the path or the session that reached it.
// The system drops it when its holder ends, even by SIGKILL. The file stays
// when released: removing it would race with a launcher that just opened it.
//
// Where flock() cannot be had (a network home answers ENOLCK or
// EOPNOTSUPP), the lock is the exclusive creation of the owner record
// beside it (install-lock-owner.cpp), which works on network volumes too;
// it is removed when released, and one whose holder is gone is recognised
// by its host name, pid and process start time. Whatever is at either name
// that is not a regular file is moved aside and the file made again.
class InstallLock {
public:
    // The lock file's name inside the per-user folder, and the owner
    // record's beside it.
    static const char kFileName[];
    static const char kOwnerName[];

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
        kUnusable,  // no lock could be had at all (Problem() says why)
    };

    // folder: the per-user folder, created by Acquire() when missing.
    explicit InstallLock(const ustring& folder, std::chrono::milliseconds bound = kWaitBound);
    ~InstallLock();

    // Takes the lock, waiting up to the bound while another process holds it.
    Result Acquire();
    void Release();
    // Why the last Acquire() found no usable lock, in a few words.
    const std::string& Problem() const { return problem; }

    InstallLock(const InstallLock&) = delete;
    InstallLock& operator=(const InstallLock&) = delete;

    // One try to take a lock.
    enum TryResult { kTaken, kBusy, kFailed };

private:
    int OpenLockFile();
    bool ClearName(const ustring& name);
    Result WaitForHolder(const std::function<TryResult()>& attempt, int& error);
    Result AcquireOwnerRecord();
    void SetProblem(const char* what, const ustring& name, int error);

    ustring folder;
    ustring path;
    ustring owner;
    std::chrono::milliseconds bound;
    int held = -1;
    bool owns_record = false;
    std::string problem;
};

// The owner record (install-lock-owner.cpp). Creates it exclusively with
// this process's host name, pid and start time: kTaken, kBusy while a live
// holder's record is there (a stale one is removed and the creation tried
// again), or kFailed with errno set.
InstallLock::TryResult CreateOwnerRecord(const ustring& owner);
// Removes the record if it is still ours.
void RemoveOwnerRecord(const ustring& owner);

#endif  // VELMORA_LAUNCHER_INSTALL_LOCK_H
