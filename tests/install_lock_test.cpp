// The install lock of a home: waiting for another holder, a holder that is
// killed, the bound, lock files that cannot be used, and the owner record
// that takes flock's place where flock fails (as on a network home).
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "install/install-lock.h"
#include "named_rows.h"
#include "service/mac/client-process.h"
#include "temp_folder_test.h"
#include "unprivileged.h"

extern char** environ;

namespace {

// flock fails with this errno while it is not 0, here and in the children
// forked from here.
std::atomic<int> flock_errno{0};

}  // namespace

// Every flock of this program, the lock's own included, comes here first.
extern "C" int flock(int fd, int operation)
{
    static const auto next = reinterpret_cast<int (*)(int, int)>(dlsym(RTLD_NEXT, "flock"));
    if (flock_errno != 0) {
        errno = flock_errno;
        return -1;
    }
    return next(fd, operation);
}

namespace {

using named_rows::operator<<;
using std::chrono::milliseconds;
namespace fs = std::filesystem;

class InstallLockTest : public temp_folder::TempFolderTest {
protected:
    void TearDown() override
    {
        flock_errno = 0;
        TempFolderTest::TearDown();
    }

    std::string LockFile() const { return Path(InstallLock::kFileName); }
    std::string OwnerRecord() const { return Path(InstallLock::kOwnerName); }

    // A child of ours that holds the lock until it is killed.
    pid_t StartHolder()
    {
        int ready[2];
        EXPECT_EQ(pipe(ready), 0);
        pid_t pid = fork();
        if (pid == 0) {
            InstallLock lock(dir_);
            if (lock.Acquire() == InstallLock::kHeld) {
                (void)!write(ready[1], "+", 1);
                pause();
            }
            _exit(1);
        }
        close(ready[1]);
        char held = 0;
        (void)!read(ready[0], &held, 1);
        close(ready[0]);
        EXPECT_EQ(held, '+');
        return pid;
    }

    // Tried as another launcher would: from a descriptor of our own, or by
    // the owner record where flock fails.
    bool HeldElsewhere() const
    {
        if (flock_errno != 0) {
            return temp_folder::ReadFile(OwnerRecord()).find("\npid=" + std::to_string(getpid()) + "\n") ==
                       std::string::npos &&
                   fs::exists(OwnerRecord());
        }
        int fd = open(LockFile().c_str(), O_RDONLY | O_CLOEXEC);
        bool busy = fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
        close(fd);
        return busy;
    }

    // Names in the folder that were moved aside.
    int MovedAside() const
    {
        int count = 0;
        for (const auto& entry : fs::directory_iterator(dir_)) {
            const std::string name = entry.path().filename().string();
            count += name.size() > 6 && name.compare(name.size() - 6, 6, ".aside") == 0;
        }
        return count;
    }
};

struct Holding {
    const char* name;
    bool holder_killed;  // by SIGKILL, while we wait
    milliseconds bound;
    InstallLock::Result expected;
};

class HoldingTest : public InstallLockTest, public ::testing::WithParamInterface<std::tuple<Holding, int>> {};

TEST_P(HoldingTest, SecondTakerWaitsForTheHolder)
{
    const Holding& row = std::get<0>(GetParam());
    flock_errno = std::get<1>(GetParam());
    pid_t holder = StartHolder();
    ASSERT_TRUE(HeldElsewhere());
    std::thread killer;
    if (row.holder_killed) {
        // Reaped at once, as a launcher's parent would: a zombie still
        // counts as a live holder of the owner record.
        killer = std::thread([holder] {
            std::this_thread::sleep_for(milliseconds(200));
            kill(holder, SIGKILL);
            waitpid(holder, nullptr, 0);
        });
    }
    InstallLock second(dir_, row.bound);
    EXPECT_EQ(second.Acquire(), row.expected);
    if (killer.joinable()) {
        killer.join();
    } else {
        EXPECT_TRUE(HeldElsewhere());
        kill(holder, SIGKILL);
        waitpid(holder, nullptr, 0);
    }
    second.Release();
    EXPECT_EQ(fs::exists(OwnerRecord()), row.expected != InstallLock::kHeld && flock_errno != 0)
        << "a released owner record stays";
}

INSTANTIATE_TEST_SUITE_P(
    Holders, HoldingTest,
    ::testing::Combine(::testing::Values(Holding{"killed_holder", true, std::chrono::minutes(1), InstallLock::kHeld},
                                         Holding{"bound_runs_out", false, milliseconds(150), InstallLock::kTimedOut},
                                         Holding{"no_wait_at_all", false, milliseconds(0), InstallLock::kTimedOut}),
                       ::testing::Values(0, ENOLCK, EOPNOTSUPP)),
    [](const auto& info) {
        const int error = std::get<1>(info.param);
        return std::string(std::get<0>(info.param).name) + (error == 0        ? ""
                                                            : error == ENOLCK ? "_without_flock_enolck"
                                                                              : "_without_flock_eopnotsupp");
    });

struct InTheWay {
    const char* name;
    bool at_owner;  // at the owner record's name, flock failing; else at the lock file's
    std::function<void(const std::string& path)> make;
};

class InTheWayTest : public InstallLockTest, public ::testing::WithParamInterface<InTheWay> {};

// Never a hang, nor a file made outside the folder, nor a run without a
// lock: what is in the way is moved aside.
TEST_P(InTheWayTest, WhatIsNotARegularFileIsMovedAside)
{
    flock_errno = GetParam().at_owner ? ENOLCK : 0;
    const std::string name = GetParam().at_owner ? OwnerRecord() : LockFile();
    GetParam().make(name);
    InstallLock lock(dir_);
    EXPECT_EQ(lock.Acquire(), InstallLock::kHeld);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(name)));
    EXPECT_EQ(MovedAside(), 1);
    EXPECT_FALSE(fs::exists(Path("elsewhere")));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, InTheWayTest,
    ::testing::Values(InTheWay{"fifo", false, [](const std::string& at) { mkfifo(at.c_str(), 0600); }},
                      InTheWay{"folder", false, [](const std::string& at) { mkdir(at.c_str(), 0700); }},
                      InTheWay{"dangling_link", false,
                               [](const std::string& at) {
                                   symlink((fs::path(at).parent_path() / "elsewhere").c_str(), at.c_str());
                               }},
                      InTheWay{"fifo_as_owner_record", true, [](const std::string& at) { mkfifo(at.c_str(), 0600); }},
                      InTheWay{"folder_as_owner_record", true, [](const std::string& at) { mkdir(at.c_str(), 0700); }}),
    named_rows::RowName());

// No lock at all: nothing to install under.
TEST_F(InstallLockTest, NoLockAtAll)
{
    temp_folder::WriteFile(Path("home-file"), "in the way");
    InstallLock in_a_file(Path("home-file"));
    EXPECT_EQ(in_a_file.Acquire(), InstallLock::kUnusable);
    EXPECT_EQ(in_a_file.Problem(), "no per-user folder '" + Path("home-file") + "': Not a directory");

    // flock fails and the owner record cannot be made in a folder that
    // may not be written; root could, an ordinary user cannot.
    temp_folder::WriteFile(LockFile(), "");
    ASSERT_EQ(chmod(LockFile().c_str(), 0666), 0);
    ASSERT_EQ(chmod(dir_.c_str(), 0555), 0);
    flock_errno = ENOLCK;
    const std::string expected = "cannot create '" + OwnerRecord() + "': Permission denied";
    const int status = unprivileged::RunAsNobody([this, &expected] {
        InstallLock lock(dir_);
        return lock.Acquire() == InstallLock::kUnusable && lock.Problem() == expected ? 0 : 1;
    });
    chmod(dir_.c_str(), 0700);
    if (status == unprivileged::kCannotDrop) {
        GTEST_SKIP() << "cannot drop to uid 65534";
    }
    EXPECT_EQ(status, 0);
}

// A record left by a holder that is gone is taken over; one of a live
// holder, or of one that cannot be looked up yet, is waited for.
struct Record {
    const char* name;
    std::function<std::string()> text;
    long age;  // seconds since it was written
    InstallLock::Result expected;
};

class OwnerRecordTest : public InstallLockTest, public ::testing::WithParamInterface<Record> {};

std::string HostName()
{
    char name[256] = "";
    gethostname(name, sizeof(name) - 1);
    return name;
}

std::string RecordOf(const std::string& host, pid_t pid, long long started)
{
    return "host=" + host + "\npid=" + std::to_string(pid) + "\nstarted=" + std::to_string(started) + "\n";
}

long long StartOf(pid_t pid)
{
    struct timespec when = {0, 0};
    ReadProcessStartTime(pid, when);
    return when.tv_sec;
}

pid_t EndedPid()
{
    const pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    waitpid(child, nullptr, 0);
    return child;
}

TEST_P(OwnerRecordTest, StaleRecordIsTakenOver)
{
    flock_errno = EOPNOTSUPP;
    temp_folder::WriteFile(OwnerRecord(), GetParam().text());
    const struct timeval then[2] = {{time(nullptr) - GetParam().age, 0}, {time(nullptr) - GetParam().age, 0}};
    ASSERT_EQ(utimes(OwnerRecord().c_str(), then), 0);
    InstallLock lock(dir_, milliseconds(100));
    ASSERT_EQ(lock.Acquire(), GetParam().expected);
    if (GetParam().expected == InstallLock::kHeld) {
        const std::string ours = "host=" + HostName() + "\npid=" + std::to_string(getpid()) + "\nstarted=";
        EXPECT_EQ(temp_folder::ReadFile(OwnerRecord()).compare(0, ours.size(), ours), 0);
        lock.Release();
        EXPECT_FALSE(fs::exists(OwnerRecord()));
    } else {
        EXPECT_EQ(temp_folder::ReadFile(OwnerRecord()), GetParam().text());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Records, OwnerRecordTest,
    ::testing::Values(Record{"holder_ended", [] { return RecordOf(HostName(), EndedPid(), 1); }, 0, InstallLock::kHeld},
                      Record{"pid_reused", [] { return RecordOf(HostName(), getppid(), StartOf(getppid()) - 100); }, 0,
                             InstallLock::kHeld},
                      Record{"live_holder", [] { return RecordOf(HostName(), getppid(), StartOf(getppid())); }, 0,
                             InstallLock::kTimedOut},
                      Record{"other_host", [] { return RecordOf("elsewhere.example", 1, 1); }, 3600,
                             InstallLock::kTimedOut},
                      Record{"other_host_days_ago", [] { return RecordOf("elsewhere.example", 1, 1); }, 2 * 86400,
                             InstallLock::kHeld},
                      Record{"being_written", [] { return std::string(); }, 0, InstallLock::kTimedOut},
                      Record{"never_written", [] { return std::string(); }, 60, InstallLock::kHeld}),
    named_rows::RowName());

TEST_F(InstallLockTest, MissingFolderIsCreatedOnFirstInstall)
{
    std::string folder = Path("home/.VelmoraDrive");
    InstallLock lock(folder);
    EXPECT_EQ(lock.Acquire(), InstallLock::kHeld);
    EXPECT_TRUE(std::filesystem::is_regular_file(folder + "/install.lock"));
}

// The client is started while the lock is held and outlives the launcher.
TEST_F(InstallLockTest, ProgramStartedWhileHeldDoesNotKeepIt)
{
    InstallLock lock(dir_);
    ASSERT_EQ(lock.Acquire(), InstallLock::kHeld);
    pid_t client = 0;
    char sleep_path[] = "/bin/sleep", seconds[] = "60";
    char* argv[] = {sleep_path, seconds, nullptr};
    ASSERT_EQ(posix_spawn(&client, sleep_path, nullptr, nullptr, argv, environ), 0);
    lock.Release();
    EXPECT_FALSE(HeldElsewhere());
    kill(client, SIGKILL);
    waitpid(client, nullptr, 0);
}

}  // namespace
