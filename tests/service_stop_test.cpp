// Stopping the client by its pid file, and starting it.
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <future>
#include <iterator>
#include <thread>
#include <vector>

#include "named_rows.h"
#include "real_client.h"
#include "service/mac/client-process.h"
#include "service/mac/mac-service.h"
#include "service_fixture.h"
#include "unprivileged.h"

namespace {

using named_rows::operator<<;

namespace fs = std::filesystem;
using Sent = std::vector<std::pair<pid_t, int>>;

class StopTest : public ServiceFixture {
protected:
    // The pid file, written at RecordingProcess::kPidFileWritten, or that
    // long before now for a real process.
    void PidFile(const std::string& content, time_t written = RecordingProcess::kPidFileWritten)
    {
        WriteFile(velmora + "/ui.pid", content);
        const struct timespec times[2] = {{written, 0}, {written, 0}};
        ASSERT_EQ(utimensat(AT_FDCWD, (velmora + "/ui.pid").c_str(), times, 0), 0);
    }
    void Stop()
    {
        MacService service(*client_process);
        service.StopServiceByPath(QString::fromStdString(velmora));
    }
};

struct Hostile {
    const char* name;
    std::string content;  // "SELF" stands for the test's own pid
    const char* note;
};

class HostilePidTest : public StopTest, public ::testing::WithParamInterface<Hostile> {};

// Even for a process that the seam calls the client, running since before
// the pid file was written from inside its folder.
TEST_P(HostilePidTest, NothingIsSignalled)
{
    std::string content = GetParam().content;
    size_t self = content.find("SELF");
    if (self != std::string::npos) {
        content.replace(self, 4, std::to_string(getpid()));
    }
    recorder.start_answers = {"-60"};
    recorder.exe_answers = {ui};
    PidFile(content);
    Stop();
    EXPECT_TRUE(recorder.sent.empty());
    EXPECT_EQ(LogCount(GetParam().note), 1);
}

INSTANTIATE_TEST_SUITE_P(Values, HostilePidTest,
                         ::testing::Values(Hostile{"zero", "pid=0\n", "names no valid pid ('0')"},
                                           Hostile{"minus_one", "pid=-1\n", "names no valid pid ('-1')"},
                                           Hostile{"negative", "pid=-4242\n", "names no valid pid"},
                                           Hostile{"huge", "pid=99999999999\n", "names no valid pid"},
                                           Hostile{"wraps_to_minus_one", "pid=4294967295\n", "names no valid pid"},
                                           Hostile{"not_a_number", "pid=abc\n", "names no valid pid"},
                                           Hostile{"sign_alone", "pid=+\n", "names no valid pid"},
                                           Hostile{"empty", "pid=''\n", "names no valid pid ('')"},
                                           Hostile{"no_pid_key", "other=4242\n", "names no valid pid ('')"},
                                           Hostile{"own_pid", "pid=SELF\n", "is the launcher itself"},
                                           Hostile{"first_process", "pid=1\n", "pid 1 is the system's first process"},
                                           Hostile{"malformed", "pid=42 43\n", "Failed to read pid file"}),
                         named_rows::RowName());

// The value is read as C's atol reads it: blanks, a sign, digits, and
// whatever follows them ignored.
TEST_F(StopTest, PidIsReadAsAtolReadsIt)
{
    const struct {
        const char* content;
        pid_t pid;
    } rows[] = {
        {"pid=4242\n", 4242},    {"pid=4242abc\n", 4242},    {"pid=+4242\n", 4242},    {"pid=4242.9\n", 4242},
        {"pid=' 4242'\n", 4242}, {"pid=' +4242 x'\n", 4242}, {"pid=00004242\n", 4242},
    };
    recorder.start_answers = {"-60"};
    recorder.probes_alive = 0;
    for (const auto& row : rows) {
        recorder.sent.clear();
        PidFile(row.content);
        Stop();
        EXPECT_EQ(recorder.sent, (Sent{{row.pid, SIGTERM}, {row.pid, 0}})) << row.content;
    }
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

// What the seam answers for pid 4242, one answer per question, the last
// repeating: start times in seconds from when the pid file was written,
// "IN" for the client UI executable inside the pid file's folder, "SCRIPT"
// for it as an argument, "PIDFILE" for the pid file. In the log lines,
// "<velmora>" stands for the folder and "<ui>" for the executable.
struct Sequence {
    const char* name;
    std::vector<std::string> start;
    std::vector<std::string> exe;
    std::vector<std::string> args;
    bool reachable;
    int term_errno;
    int probes_alive;
    bool terminated;  // SIGTERM sent
    int probes;       // signal 0 sent, one 20 ms sleep after each that finds it alive
    bool killed;
    std::vector<std::string> lines;  // each logged once
};

class SequenceTest : public StopTest, public ::testing::WithParamInterface<Sequence> {};

TEST_P(SequenceTest, SignalsInOrder)
{
    const Sequence& s = GetParam();
    WriteFile(ui, "#!/bin/sh\n");
    fs::permissions(ui, fs::perms::owner_all);
    auto place = [this](const std::string& answer) {
        return answer == "IN" || answer == "SCRIPT" ? ui : answer == "PIDFILE" ? velmora + "/ui.pid" : answer;
    };
    std::transform(s.exe.begin(), s.exe.end(), std::back_inserter(recorder.exe_answers), place);
    std::transform(s.args.begin(), s.args.end(), std::back_inserter(recorder.arguments), place);
    recorder.start_answers = s.start;
    recorder.reachable = s.reachable;
    recorder.term_errno = s.term_errno;
    recorder.probes_alive = s.probes_alive;
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
    EXPECT_EQ(LogCount("stopping pid 4242 ("), s.terminated ? 1 : 0);
    EXPECT_EQ(LogCount("[ERROR] mac/mac-service("), s.term_errno == EPERM ? 1 : 0);
    EXPECT_EQ(LogCount("[WARNING] mac/mac-service("), s.killed ? 1 : 0);
    EXPECT_EQ(LogCount("pid 4242 did not end within 15 seconds of SIGTERM, sending SIGKILL"), s.killed ? 1 : 0);
    for (std::string line : s.lines) {
        for (const auto& [name, path] : {std::pair<std::string, std::string>{"<velmora>", velmora}, {"<ui>", ui}}) {
            for (size_t at = line.find(name); at != std::string::npos; at = line.find(name)) {
                line.replace(at, name.size(), path);
            }
        }
        EXPECT_EQ(LogCount(line), 1) << line << "\n" << LogText();
    }
}

const std::string kWritten = "it was running when '<velmora>/ui.pid' was written";
const std::string kEnded = "pid 4242 ended after SIGTERM";
const std::string kStale = " is no client: it runs nothing from '<velmora>' and was not running when";
const std::string kOtherUser = "(a program that cannot be inspected): it is another user's process";

INSTANTIATE_TEST_SUITE_P(
    Clients, SequenceTest,
    ::testing::Values(
        // The process that ran when the pid file was written, any program.
        Sequence{
            "named_within_the_clock_margin", {"+3"}, {"/usr/bin/other"}, {}, true, 0, 0, true, 1, false, {kWritten}},
        Sequence{"named_ends_after_two_probes", {"-60"}, {"IN"}, {}, true, 0, 2, true, 3, false, {kEnded}},
        Sequence{"named_uninspectable",
                 {"-60"},
                 {"?"},
                 {},
                 true,
                 0,
                 0,
                 true,
                 1,
                 false,
                 {"stopping pid 4242 (a program that cannot be inspected): " + kWritten}},
        Sequence{"gone_before_its_program_is_read", {"-60"}, {"GONE"}, {}, true, 0, 0, false, 0, false, {}},
        // Started later, yet running the client from the folder.
        Sequence{"later_compiled_client",
                 {"+3600"},
                 {"IN"},
                 {},
                 true,
                 0,
                 0,
                 true,
                 1,
                 false,
                 {"stopping pid 4242 (<ui>): its program lies in '<velmora>'"}},
        Sequence{"later_script_client",
                 {"+3600"},
                 {"/usr/bin/dash"},
                 {"/bin/sh", "SCRIPT"},
                 true,
                 0,
                 0,
                 true,
                 1,
                 false,
                 {"stopping pid 4242 (/usr/bin/dash): its script '<ui>' lies in '<velmora>'"}},
        Sequence{"later_script_client_after_options",
                 {"?"},
                 {"?"},
                 {"sh", "-e", "SCRIPT", "x"},
                 true,
                 0,
                 0,
                 true,
                 1,
                 false,
                 {"its script '<ui>' lies in"}},
        // A stale pid's new owner, of the same user: never signalled.
        Sequence{"stale_pid_other_program",
                 {"+3600"},
                 {"/usr/bin/other"},
                 {"/usr/bin/other", "-v"},
                 true,
                 0,
                 0,
                 false,
                 0,
                 false,
                 {"pid 4242 (/usr/bin/other)" + kStale}},
        Sequence{"stale_pid_reading_a_file_of_the_folder",
                 {"+3600"},
                 {"/usr/bin/tail"},
                 {"tail", "PIDFILE"},
                 true,
                 0,
                 0,
                 false,
                 0,
                 false,
                 {kStale}},
        Sequence{"stale_pid_non_dumpable",
                 {"+3600"},
                 {"?"},
                 {},
                 true,
                 0,
                 0,
                 false,
                 0,
                 false,
                 {"pid 4242 (a program that cannot be inspected)" + kStale}},
        Sequence{"start_unknown_other_program", {"?"}, {"/usr/bin/other"}, {}, true, 0, 0, false, 0, false, {kStale}},
        // Another user's process: no signal reaches it, the stop runs its course.
        Sequence{"other_users_started_later",
                 {"+3600"},
                 {"?"},
                 {},
                 false,
                 EPERM,
                 1000,
                 true,
                 750,
                 true,
                 {kOtherUser, "kill: Operation not permitted (1)"}},
        // The pid changes hands during the wait.
        Sequence{"pid_reused_while_waiting",
                 {"-60", "+30"},
                 {"IN", "/usr/bin/other"},
                 {},
                 true,
                 0,
                 1000,
                 true,
                 750,
                 false,
                 {"pid 4242 now runs /usr/bin/other, a process other than the one sent SIGTERM"}},
        Sequence{"reused_by_a_later_client",
                 {"-60", "+30"},
                 {"IN"},
                 {},
                 true,
                 0,
                 1000,
                 true,
                 750,
                 false,
                 {"a process other than the one sent SIGTERM, not killing it"}},
        Sequence{"ended_after_the_last_probe", {"-60", "GONE"}, {"IN"}, {}, true, 0, 1000, true, 750, false, {}},
        Sequence{
            "same_start_uninspectable_after_waiting", {"-60"}, {"IN", "?"}, {}, true, 0, 1000, true, 750, true, {}}),
    named_rows::RowName());

TEST_F(StopTest, StopServiceReadsTheNewProductFolder)
{
    PidFile("pid=4242\n");
    recorder.probes_alive = 0;
    recorder.exe_answers = {ui};
    MacService service(*client_process);
    service.StopService();
    EXPECT_EQ(recorder.sent, (Sent{{4242, SIGTERM}, {4242, 0}}));
}

class RealStopTest : public StopTest {
protected:
    void SetUp() override
    {
        StopTest::SetUp();
        client_process = &ClientProcess::System();
        fs::create_directories(fs::path(ui).parent_path());
    }
    void NamePid(pid_t pid, bool stale)
    {
        PidFile("pid=" + std::to_string(pid) + "\n", time(nullptr) - (stale ? 3600 : 0));
    }
};

// The pid file names the process that was running when it was written,
// whatever program that runs; a process started later is the client only
// when it runs a program or script from the folder. A shell script client
// runs as the shell, with the script as its argument.
TEST_F(RealStopTest, ClientIsStoppedAndAStalePidsNewOwnerIsNot)
{
    const struct {
        const char* name;
        const char* program;  // "compiled", "script" or a path
        bool stale;           // the process started an hour after the pid file was written
        bool stopped;
    } rows[] = {
        {"compiled client", "compiled", false, true}, {"compiled client, later", "compiled", true, true},
        {"script client", "script", false, true},     {"script client, later", "script", true, true},
        {"other program", "/bin/sleep", false, true}, {"other program, later", "/bin/sleep", true, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove(ui);
        const std::string program = row.program;
        if (program == "compiled") {
            fs::copy_file("/bin/sleep", ui);
        } else if (program == "script") {
            WriteFile(ui, "#!/bin/sh\nwhile :; do sleep 1; done\n");
            fs::permissions(ui, fs::perms::owner_all);
        }
        RealClient client(program == "compiled" || program == "script" ? ui : program, {"120"}, false);
        NamePid(client.pid, row.stale);
        Stop();
        if (row.stopped) {
            EXPECT_EQ(client.Wait(), SIGTERM) << LogText();
        } else {
            EXPECT_TRUE(client.Running()) << LogText();
        }
    }
}

// A later process of the same user that made itself non-dumpable (as key
// agents do) cannot be inspected but could be signalled: it is left alone.
// Both sides run as uid 65534, since root may inspect any process.
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
    NamePid(agent, true);
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
    EXPECT_EQ(LogCount(" (a program that cannot be inspected) is no client"), 1);
}

TEST_F(RealStopTest, LaunchStartsClientInItsWorkingFolder)
{
    MacService service(*client_process);
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
