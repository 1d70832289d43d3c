// The install lock of a home: waiting for another holder, a holder that is
// killed, the bound, and lock files that cannot be used.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "install-lock.h"
#include "temp_folder_test.h"

extern char** environ;

namespace {

using std::chrono::milliseconds;

class InstallLockTest : public temp_folder::TempFolderTest {
protected:
    std::string LockFile() const { return Path(InstallLock::kFileName); }

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

    // Tried from a descriptor of our own, as another launcher would.
    bool HeldElsewhere() const
    {
        int fd = open(LockFile().c_str(), O_RDONLY | O_CLOEXEC);
        bool busy = fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
        close(fd);
        return busy;
    }
};

struct Holding {
    const char* name;
    bool holder_killed;  // by SIGKILL, while we wait
    milliseconds bound;
    InstallLock::Result expected;
};

class HoldingTest : public InstallLockTest, public ::testing::WithParamInterface<Holding> {};

TEST_P(HoldingTest, SecondTakerWaitsForTheHolder)
{
    pid_t holder = StartHolder();
    ASSERT_TRUE(HeldElsewhere());
    std::thread killer;
    if (GetParam().holder_killed) {
        killer = std::thread([holder] {
            std::this_thread::sleep_for(milliseconds(200));
            kill(holder, SIGKILL);
        });
    }
    InstallLock second(dir_, GetParam().bound);
    EXPECT_EQ(second.Acquire(), GetParam().expected);
    if (killer.joinable()) {
        killer.join();
    } else {
        EXPECT_TRUE(HeldElsewhere());
        kill(holder, SIGKILL);
    }
    waitpid(holder, nullptr, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Holders, HoldingTest,
    ::testing::Values(Holding{"killed_holder", true, std::chrono::minutes(1), InstallLock::kHeld},
                      Holding{"bound_runs_out", false, milliseconds(150), InstallLock::kTimedOut},
                      Holding{"no_wait_at_all", false, milliseconds(0), InstallLock::kTimedOut}),
    [](const auto& info) { return std::string(info.param.name); });

struct InTheWay {
    const char* name;
    std::function<void(const std::string& folder, const std::string& lock_file)> make;
};

class InTheWayTest : public InstallLockTest, public ::testing::WithParamInterface<InTheWay> {};

// Never a hang, nor a lock file made outside the folder.
TEST_P(InTheWayTest, LockFileThatCannotBeUsed)
{
    GetParam().make(dir_, LockFile());
    InstallLock lock(dir_);
    EXPECT_EQ(lock.Acquire(), InstallLock::kUnusable);
    EXPECT_FALSE(std::filesystem::exists(Path("elsewhere")));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, InTheWayTest,
    ::testing::Values(
        InTheWay{"fifo", [](const std::string&, const std::string& lock) { mkfifo(lock.c_str(), 0600); }},
        InTheWay{"folder", [](const std::string&, const std::string& lock) { mkdir(lock.c_str(), 0700); }},
        InTheWay{"dangling_link",
                 [](const std::string& folder, const std::string& lock) {
                     symlink((folder + "/elsewhere").c_str(), lock.c_str());
                 }},
        InTheWay{"folder_is_a_file",
                 [](const std::string& folder, const std::string&) {
                     std::filesystem::remove_all(folder);
                     temp_folder::WriteFile(folder, "in the way");
                 }}),
    [](const auto& info) { return std::string(info.param.name); });

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
