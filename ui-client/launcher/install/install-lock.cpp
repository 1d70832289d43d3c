#include "install/install-lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <thread>

#include "file-op.h"
#include "log.h"
#include "regular_file.h"
#include "tmp_name_gen.h"

#define LOG_TAG "install-lock"
#define LOG_COMPONENT "launcher_debug"

namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

// A waiting launcher tries again this often: the wait is rare, and a try is
// one system call.
const milliseconds kRetryInterval{50};

using TryResult = InstallLock::TryResult;

TryResult TryLock(int fd)
{
    while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            return InstallLock::kBusy;
        }
        if (errno != EINTR) {
            return InstallLock::kFailed;
        }
    }
    return InstallLock::kTaken;
}

long Millis(steady_clock::duration span)
{
    return static_cast<long>(std::chrono::duration_cast<milliseconds>(span).count());
}

}  // namespace

const char InstallLock::kFileName[] = "install.lock";
const char InstallLock::kOwnerName[] = "install.lock.owner";
const milliseconds InstallLock::kWaitBound = std::chrono::minutes(10);

InstallLock::InstallLock(const ustring& folder, milliseconds bound)
    : folder(folder), path(folder + "/" + kFileName), owner(folder + "/" + kOwnerName), bound(bound)
{
}

InstallLock::~InstallLock()
{
    Release();
}

InstallLock::Result InstallLock::Acquire()
{
    if (held >= 0 || owns_record) {
        return kHeld;
    }
    problem.clear();
    // FSMKDir gives -2 with errno when the creation failed, -1 when
    // something other than a folder is in the way.
    const int made = folder.empty() ? -1 : FSMKDir(folder, true);
    if (made != 0) {
        SetProblem("no per-user folder", folder, made == -2 ? errno : ENOTDIR);
        return kUnusable;
    }
    const int fd = OpenLockFile();
    if (fd < 0) {
        return kUnusable;
    }
    int error = 0;
    const Result result = WaitForHolder([fd] { return TryLock(fd); }, error);
    if (result == kHeld) {
        held = fd;
        return kHeld;
    }
    close(fd);
    if (result != kUnusable) {
        return result;
    }
    VLOG_WARNING(__LINE__,
                 "flock '%s': %s (%d); locking by the owner record "
                 "'%s' instead\n",
                 path.c_str(), strerror(error), error, owner.c_str());
    return AcquireOwnerRecord();
}

// Closing the descriptor drops the lock.
void InstallLock::Release()
{
    if (held >= 0) {
        close(held);
        held = -1;
    }
    if (owns_record) {
        RemoveOwnerRecord(owner);
        owns_record = false;
    }
}

InstallLock::Result InstallLock::AcquireOwnerRecord()
{
    if (!ClearName(owner)) {
        return kUnusable;
    }
    int error = 0;
    const Result result = WaitForHolder([this] { return CreateOwnerRecord(owner); }, error);
    owns_record = result == kHeld;
    if (result == kUnusable) {
        SetProblem("cannot create", owner, error);
    }
    return result;
}

// Only a regular file, opened without blocking, so a FIFO or a device at the
// name cannot hang the launcher; no link is followed, so nothing is created
// outside the folder; close-on-exec, so the client that is started while
// the lock is held does not keep it.
int InstallLock::OpenLockFile()
{
    if (!ClearName(path)) {
        return -1;
    }
    const int fd = OpenRegularFile(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW, 0600);
    if (fd < 0) {
        SetProblem("cannot open", path, errno);
    }
    return fd;
}

// Something other than a regular file at a lock's name (a folder, a named
// pipe, a link) would keep every launcher from locking, and so from
// installing, for good; it is moved aside, never removed: it is not ours.
bool InstallLock::ClearName(const ustring& name)
{
    struct stat st;
    if (lstat(name.c_str(), &st) != 0 || S_ISREG(st.st_mode)) {
        return true;
    }
    const ustring aside = name + "." + TmpNameGen::getInstance()->getTmpName() + ".aside";
    // Another launcher may have moved it first.
    if (rename(name.c_str(), aside.c_str()) != 0 && errno != ENOENT) {
        SetProblem("cannot move aside what is not a regular file", name, errno);
        return false;
    }
    VLOG_WARNING(__LINE__, "'%s' is not a regular file, moved aside to '%s'\n", name.c_str(), aside.c_str());
    return true;
}

void InstallLock::SetProblem(const char* what, const ustring& name, int error)
{
    problem = std::string(what) + " '" + name.c_str() + "': " + strerror(error);
    VLOG_WARNING(__LINE__, "%s\n", problem.c_str());
}

// error receives the errno of an attempt that failed.
InstallLock::Result InstallLock::WaitForHolder(const std::function<TryResult()>& attempt, int& error)
{
    const auto try_once = [&attempt, &error] {
        const TryResult tried = attempt();
        error = tried == kFailed ? errno : 0;
        return tried;
    };
    TryResult state = try_once();
    if (state == kBusy) {
        VLOG_NOTE(__LINE__, "'%s' is held by another launcher, waiting up to %ld ms\n", path.c_str(),
                  static_cast<long>(bound.count()));
        const steady_clock::time_point start = steady_clock::now();
        const steady_clock::time_point deadline = start + bound;
        for (auto now = start; state == kBusy && now < deadline; now = steady_clock::now()) {
            std::this_thread::sleep_for(std::min<steady_clock::duration>(kRetryInterval, deadline - now));
            state = try_once();
        }
        if (state == kTaken) {
            VLOG_NOTE(__LINE__, "the other launcher is done after %ld ms\n", Millis(steady_clock::now() - start));
        }
    }
    if (state == kFailed) {
        return kUnusable;
    }
    return state == kTaken ? kHeld : kTimedOut;
}
