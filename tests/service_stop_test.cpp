// Stopping the client by its pid file, and starting it.
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

#include "client-process.h"
#include "mac-service.h"
#include "service_fixture.h"
#include "unprivileged.h"

namespace {

namespace fs = std::filesystem;
using Sent = std::vector<std::pair<pid_t, int>>;

class StopTest : public ServiceFixture {
protected:
    void PidFile(const std::string& content) { WriteFile(velmora + "/ui.pid", content); }
    void Stop()
    {
        MacService service;
        service.StopServiceByPath(QString::fromStdString(velmora));
    }
};

struct Hostile {
    const char* name;
    std::string content;  // "SELF" stands for the test's own pid
    const char* note;
};

class HostilePidTest : public StopTest, public ::testing::WithParamInterface<Hostile> {};

TEST_P(HostilePidTest, NothingIsSignalled)
{
    std::string content = GetParam().content;
    size_t self = content.find("SELF");
    if (self != std::string::npos) {
        content.replace(self, 4, std::to_string(getpid()));
    }
    PidFile(content);
    Stop();
    EXPECT_TRUE(recorder.sent.empty());
    EXPECT_EQ(LogCount(GetParam().note), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Values, HostilePidTest,
    ::testing::Values(Hostile{"zero", "pid=0\n", "names no valid pid ('0')"},
                      Hostile{"minus_one", "pid=-1\n", "names no valid pid ('-1')"},
                      Hostile{"negative", "pid=-4242\n", "names no valid pid"},
                      Hostile{"huge", "pid=99999999999\n", "names no valid pid"},
                      Hostile{"wraps_to_minus_one", "pid=4294967295\n", "names no valid pid"},
                      Hostile{"not_a_number", "pid=abc\n", "names no valid pid"},
                      Hostile{"trailing_text", "pid=12abc\n", "names no valid pid"},
                      Hostile{"empty", "pid=''\n", "names no valid pid ('')"},
                      Hostile{"no_pid_key", "other=4242\n", "names no valid pid ('')"},
                      Hostile{"own_pid", "pid=SELF\n", "is the launcher itself"},
                      Hostile{"malformed", "pid=42 43\n", "Failed to read pid file"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StopTest, MissingPidFileOnlyLogs)
{
    Stop();
    EXPECT_TRUE(recorder.sent.empty());
    EXPECT_EQ(LogCount("pid file '" + velmora + "/ui.pid' does not exist, no need to terminate"), 1);
}

TEST_F(StopTest, PidFileThatCannotBeOpenedSignalsNothing)
{
    PidFile("pid=4242\n");
    chmod((velmora + "/ui.pid").c_str(), 0);
    chmod(root.c_str(), 0755);
    // Root opens any file: the unreadable case needs an ordinary user.
    int status = unprivileged::RunAsNobody([this] {
        Stop();
        return recorder.sent.empty() ? 0 : 1;
    });
    if (status == unprivileged::kCannotDrop) {
        GTEST_SKIP() << "cannot drop to uid 65534";
    }
    EXPECT_EQ(status, 0);
    EXPECT_EQ(LogCount("Failed to read pid file"), 1);
}

// "IN" stands for the client UI executable, inside the pid file's folder.
struct Sequence {
    const char* name;
    int term_errno;
    int probes_alive;
    std::vector<std::string> exe;
    bool terminated;  // SIGTERM sent
    int probes;       // signal 0 sent, one 20 ms sleep after each that finds it alive
    bool killed;
    const char* note;  // the NOTE line that says why a signal was not sent
};

class SequenceTest : public StopTest, public ::testing::WithParamInterface<Sequence> {};

TEST_P(SequenceTest, SignalsInOrder)
{
    const Sequence& s = GetParam();
    recorder.term_errno = s.term_errno;
    recorder.probes_alive = s.probes_alive;
    for (const std::string& exe : s.exe) {
        recorder.exe_answers.push_back(exe == "IN" ? ui : exe);
    }
    PidFile("pid=4242\n");
    Stop();
    Sent expected;
    if (s.terminated) {
        expected.emplace_back(4242, SIGTERM);
    }
    expected.insert(expected.end(), s.probes, {4242, 0});
    if (s.killed) {
        expected.emplace_back(4242, SIGKILL);
    }
    EXPECT_EQ(recorder.sent, expected);
    int sleeps = std::min(s.probes, s.probes_alive);
    EXPECT_EQ(recorder.sleeps, sleeps);
    EXPECT_EQ(recorder.slept, std::chrono::milliseconds(20 * sleeps));
    EXPECT_EQ(LogCount("kill: Operation not permitted (1)"), s.term_errno == EPERM ? 1 : 0);
    EXPECT_EQ(LogCount("not terminating it"), s.note == nullptr ? 0 : 1);
    if (s.note != nullptr) {
        EXPECT_EQ(LogCount(s.note), 1);
    }
}

const char kUninspectable[] = "pid 4242 runs a program that cannot be inspected";
const char kStranger[] = "pid 4242 runs '/usr/bin/other', not a client under";

INSTANTIATE_TEST_SUITE_P(
    Clients, SequenceTest,
    ::testing::Values(
        Sequence{"ends_at_once", 0, 0, {"IN"}, true, 1, false, nullptr},
        Sequence{"ends_after_two_probes", 0, 2, {"IN"}, true, 3, false, nullptr},
        Sequence{"ends_before_sigterm", ESRCH, 0, {"IN"}, true, 0, false, nullptr},
        Sequence{"already_gone", 0, 0, {"GONE"}, false, 0, false, nullptr},
        Sequence{"cannot_be_inspected", 0, 1000, {"?"}, false, 0, false, kUninspectable},
        Sequence{"sigterm_refused", EPERM, 1000, {"IN"}, true, 750, true, nullptr},
        Sequence{"ignores_sigterm", 0, 1000, {"IN"}, true, 750, true, nullptr},
        Sequence{"stale_pid", 0, 1000, {"/usr/bin/other"}, false, 0, false, kStranger},
        Sequence{"pid_reused_while_waiting", 0, 1000, {"IN", "/usr/bin/other"}, true, 750, false,
                 kStranger},
        Sequence{"uninspectable_after_waiting", 0, 1000, {"IN", "?"}, true, 750, false,
                 kUninspectable},
        Sequence{"ended_after_the_last_probe", 0, 1000, {"IN", "GONE"}, true, 750, false, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StopTest, StopServiceReadsTheNewProductFolder)
{
    PidFile("pid=4242\n");
    recorder.probes_alive = 0;
    recorder.exe_answers = {ui};
    MacService service;
    service.StopService();
    EXPECT_EQ(recorder.sent, (Sent{{4242, SIGTERM}, {4242, 0}}));
}

// A real client: a copy of sleep installed as the client UI executable,
// reaped by a thread so that its end shows to the probes at once.
class RealClient {
public:
    RealClient(const std::string& exe, bool ignore_term)
    {
        pid = fork();
        if (pid == 0) {
            if (ignore_term) {
                signal(SIGTERM, SIG_IGN);
            }
            execl(exe.c_str(), "cloud-drive-ui", "120", static_cast<char*>(nullptr));
            _exit(127);
        }
        reaper = std::thread([this] { waitpid(pid, &status, 0); });
        // The checks below need the image replaced before the pid is named.
        std::string target = fs::canonical(exe).string();
        std::string running;
        for (int i = 0; i < 1000 && running != target; ++i) {
            usleep(10000);
            ReadProcessExecutable(pid, running);
        }
    }
    ~RealClient()
    {
        if (!done) {
            kill(pid, SIGKILL);
            Wait();
        }
    }
    int Wait()
    {
        reaper.join();
        done = true;
        return WIFSIGNALED(status) ? WTERMSIG(status) : -1;
    }

    pid_t pid = -1;

private:
    std::thread reaper;
    int status = 0;
    bool done = false;
};

class RealStopTest : public StopTest {
protected:
    void SetUp() override
    {
        StopTest::SetUp();
        ClientProcess::Install(nullptr);
        fs::create_directories(fs::path(ui).parent_path());
        fs::copy_file("/bin/sleep", ui);
    }
};

TEST_F(RealStopTest, ClientEndsOnSigterm)
{
    RealClient client(ui, false);
    PidFile("pid=" + std::to_string(client.pid) + "\n");
    Stop();
    EXPECT_EQ(client.Wait(), SIGTERM);
}

TEST_F(RealStopTest, ClientIgnoringSigtermIsKilledAfterProbes)
{
    RealClient client(ui, true);
    PidFile("pid=" + std::to_string(client.pid) + "\n");
    Stop();
    EXPECT_EQ(client.Wait(), SIGKILL);
}

TEST_F(RealStopTest, ProgramOutsideTheFolderIsLeftRunning)
{
    RealClient stranger("/bin/sleep", false);
    PidFile("pid=" + std::to_string(stranger.pid) + "\n");
    Stop();
    EXPECT_EQ(kill(stranger.pid, 0), 0);
    EXPECT_EQ(LogCount("not a client under"), 1);
}

// A process of the same user that made itself non-dumpable (as key agents
// do) cannot be inspected but could be signalled: it is left alone. Both
// sides run as uid 65534, since root may inspect any process.
TEST_F(RealStopTest, NonDumpableProcessOfTheSameUserIsLeftRunning)
{
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t agent = fork();
    if (agent == 0) {
        close(ready[0]);
        if (setgid(65534) == 0 && setuid(65534) == 0 && prctl(PR_SET_DUMPABLE, 0) == 0) {
            (void)!write(ready[1], "+", 1);
            pause();
        }
        _exit(unprivileged::kCannotDrop);
    }
    close(ready[1]);
    char started = 0;
    (void)!read(ready[0], &started, 1);
    close(ready[0]);
    chmod(root.c_str(), 0755);
    PidFile("pid=" + std::to_string(agent) + "\n");
    int status = unprivileged::kCannotDrop;
    if (started == '+') {
        status = unprivileged::RunAsNobody([this] {
            Stop();
            return 0;
        });
    }
    bool alive = waitpid(agent, nullptr, WNOHANG) == 0;
    kill(agent, SIGKILL);
    waitpid(agent, nullptr, 0);
    if (status == unprivileged::kCannotDrop) {
        GTEST_SKIP() << "cannot run a non-dumpable child as uid 65534";
    }
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(alive);
    EXPECT_EQ(LogCount(" runs a program that cannot be inspected, not terminating it"), 1);
}

TEST_F(RealStopTest, LaunchStartsClientInItsWorkingFolder)
{
    MacService service;
    EXPECT_TRUE(service.PerUserBinPathExist());
    fs::remove(ui);
    EXPECT_FALSE(service.PerUserBinPathExist());
    EXPECT_EQ(service.LaunchPerUserBin(), -1);

    WriteFile(ui, "#!/bin/sh\npwd > started.tmp && mv started.tmp started\n");
    fs::permissions(ui, fs::perms::owner_all);
    EXPECT_EQ(service.LaunchPerUserBin(), 0);
    std::string marker = fs::path(ui).parent_path().string() + "/started";
    for (int i = 0; i < 1000 && !Exists(marker); ++i) {
        usleep(10000);
    }
    EXPECT_EQ(ReadFile(marker), fs::path(ui).parent_path().string() + "\n");
}

// A pid's start time tells its owner apart from a later process that reused
// it: a child started now starts after us and within a second of the clock;
// a reaped child has none.
TEST(ProcessStartTimeTest, OrdersProcessesOnTheWallClock)
{
    struct timespec self = {};
    ASSERT_EQ(ReadProcessStartTime(getpid(), self), 0);
    const pid_t child = fork();
    if (child == 0) {
        pause();
        _exit(0);
    }
    struct timespec started = {};
    const int read = ReadProcessStartTime(child, started);
    const time_t now = time(nullptr);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    ASSERT_EQ(read, 0);
    EXPECT_LE(self.tv_sec, started.tv_sec);
    EXPECT_LE(started.tv_sec, now + 1);
    EXPECT_GE(started.tv_sec, now - 2);
    EXPECT_EQ(ReadProcessStartTime(child, started), ClientProcess::kNoProcess);
}

}  // namespace
