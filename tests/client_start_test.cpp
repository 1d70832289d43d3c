// Starting the client detached, for real: what the started program gets
// (its folder, its own session, only the standard descriptors, default
// signals, its arguments) and what a start that cannot happen reports.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <thread>

#include <QString>
#include <QStringList>

#include "child_process.h"
#include "service/mac/client-process.h"
#include "temp_folder_test.h"

namespace {

using temp_folder::ReadFile;

// The standard signals (1 to 31) of a mask of /proc/<pid>/status, such as
// "SigIgn:". The C library's own two real-time signals are left out: its
// spawn leaves them ignored, and every program's start-up sets them again.
unsigned long StandardSignals(pid_t pid, const std::string& key)
{
    std::istringstream status(ReadFile("/proc/" + std::to_string(pid) + "/status"));
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(key, 0) == 0)
            return std::stoul(line.substr(key.size()), nullptr, 16) & 0x7fffffffUL;
    }
    return ~0UL;
}

// The session id, the sixth field of /proc/<pid>/stat.
pid_t SessionOf(pid_t pid)
{
    const std::string stat = ReadFile("/proc/" + std::to_string(pid) + "/stat");
    std::istringstream rest(stat.substr(stat.rfind(')') + 2));
    char state = 0;
    pid_t parent = 0, group = 0, session = 0;
    rest >> state >> parent >> group >> session;
    return session;
}

std::string OpenDescriptors(pid_t pid)
{
    std::set<int> numbers;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/fd"))
        numbers.insert(std::stoi(entry.path().filename().string()));
    std::string list;
    for (int number : numbers)
        list += std::to_string(number) + " ";
    return list;
}

class ClientStartTest : public temp_folder::TempFolderTest {
protected:
    // Runs a shell script as the client, in the case's folder; WaitForDone
    // waits for the file "done" it writes last, then reaps it (it is our
    // child until we exit, as the client is the launcher's).
    bool StartScript(const std::string& script, const QStringList& args = {})
    {
        const QString body = QString::fromStdString("echo $$ > pid; " + script + "; : > done");
        return ClientProcess::System().StartDetached("/bin/sh", QStringList{"-c", body, "sh"} + args,
                                                     QString::fromStdString(dir_));
    }

    bool WaitForDone()
    {
        for (int i = 0; i < 3000 && access(Path("done").c_str(), F_OK) != 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        const int pid = atoi(ReadFile(Path("pid")).c_str());
        if (pid > 0)
            waitpid(pid, nullptr, 0);
        return access(Path("done").c_str(), F_OK) == 0;
    }
};

// Our open files, blocked and ignored signals must not reach the client;
// it runs in the registered folder, in a session of its own. Seen from
// outside on a started sleep, once it has replaced the spawned child.
TEST_F(ClientStartTest, ChildGetsItsFolderItsOwnSessionAndOnlyStandardDescriptors)
{
    const int inheritable = open(Path("open-in-parent").c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(inheritable, 3);
    struct sigaction ignore {
    }, old_action{};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGUSR1, &ignore, &old_action);
    sigset_t usr2, old_mask;
    sigemptyset(&usr2);
    sigaddset(&usr2, SIGUSR2);
    pthread_sigmask(SIG_BLOCK, &usr2, &old_mask);
    const bool started = ClientProcess::System().StartDetached("/bin/sleep", {"30"}, QString::fromStdString(dir_));
    pthread_sigmask(SIG_SETMASK, &old_mask, nullptr);
    sigaction(SIGUSR1, &old_action, nullptr);
    close(inheritable);
    ASSERT_TRUE(started);

    pid_t sleeper = 0;
    for (int i = 0; i < 1000 && sleeper == 0; ++i) {
        for (pid_t child : child_process::OwnChildren()) {
            std::error_code error;
            const std::string exe = "/proc/" + std::to_string(child) + "/exe";
            if (std::filesystem::read_symlink(exe, error).filename() == "sleep")
                sleeper = child;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_GT(sleeper, 0);
    const std::string proc = "/proc/" + std::to_string(sleeper);
    EXPECT_EQ(dir_, std::filesystem::read_symlink(proc + "/cwd").string());
    EXPECT_EQ(sleeper, SessionOf(sleeper));
    EXPECT_EQ("0 1 2 ", OpenDescriptors(sleeper));
    EXPECT_EQ(0UL, StandardSignals(sleeper, "SigBlk:"));
    EXPECT_EQ(0UL, StandardSignals(sleeper, "SigIgn:"));
    kill(sleeper, SIGKILL);
    waitpid(sleeper, nullptr, 0);
}

TEST_F(ClientStartTest, ArgumentsArriveUnchanged)
{
    ASSERT_TRUE(
        StartScript("printf '%s|' \"$@\" > args", {"two words", QString::fromUtf8("caf\u00e9"), "", "--x=\"q\""}));
    ASSERT_TRUE(WaitForDone());
    EXPECT_EQ("two words|caf\u00e9||--x=\"q\"|", ReadFile(Path("args")));
}

// A start that cannot happen is reported, and nothing runs.
TEST_F(ClientStartTest, ImpossibleStartsFail)
{
    const struct {
        const char* name;
        std::string program;
        std::string folder;
    } rows[] = {
        {"missing program", dir_ + "/no-such-client", dir_},
        {"missing folder", "/bin/sh", dir_ + "/no-such-folder"},
        {"not executable", dir_ + "/plain-file", dir_},
    };
    temp_folder::WriteFile(Path("plain-file"), "#!/bin/sh\n: > ran\n");
    for (const auto& row : rows) {
        EXPECT_FALSE(ClientProcess::System().StartDetached(QString::fromStdString(row.program), {"-c", ": > ran"},
                                                           QString::fromStdString(row.folder)))
            << row.name;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_NE(0, access(Path("ran").c_str(), F_OK));
}

}  // namespace
