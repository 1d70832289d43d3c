// The pid-file path through the process seam: arbitrary "ui.pid" bytes, and
// arbitrary answers about the process (started before or after the pid file
// was written, or unknown, or gone; its executable inside the folder,
// elsewhere, in a folder whose name merely begins like it, or unknown; a
// script argument inside the folder or not; whether our signals reach it).
// A signal, probes included, only ever goes to the file's pid as C's atol
// reads it, never to our own pid or pid 1; SIGTERM and SIGKILL only to a
// process the latest answers make the client (running when the file was
// written, or running a program or script from the folder, or out of reach
// of our signals), SIGKILL only while its start time is the one first read.
// The seam records; nothing is ever sent.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "config.h"
#include "fuzz_support.h"
#include "service/mac/client-process.h"
#include "service/mac/mac-service.h"

namespace {

using fuzz::Fail;

std::string g_folder;                // the pid file's
const time_t kWritten = 1700000000;  // when every pid file was written

std::string ClientScript()
{
    return g_folder + "/VelmoraDrive.app/Contents/MacOS/cloud-drive-ui";
}
// In a folder whose name merely begins like the pid file's.
std::string LookAlikeScript()
{
    return g_folder + "-old/cloud-drive-ui";
}

// Answers from the input's bits, one draw per question, round and round;
// remembers what the answers of the latest judgement make of the process.
class ScriptedProcess : public ClientProcess {
public:
    explicit ScriptedProcess(uint64_t script) : script_(script) {}

    int Signal(pid_t pid, int sig) override
    {
        if (++calls_ > 2000)
            Fail("more signals than one stop can send");
        CheckPid(pid, "signal " + std::to_string(sig));
        if (sig != 0 && !IsClient())
            Fail("signal " + std::to_string(sig) + " to a process the answers do not make the client");
        if (sig == SIGKILL && first_start_ >= 0 && start_ >= 0 && first_start_ != start_)
            Fail("SIGKILL to a process that started at another time than the one sent SIGTERM");
        if (Draw(1) == 0)
            return 0;
        errno = sig == 0 ? ESRCH : EPERM;
        return -1;
    }
    void Sleep(std::chrono::milliseconds) override {}
    // The first question of every judgement.
    int StartTime(pid_t pid, struct timespec& started) override
    {
        CheckPid(pid, "start time asked");
        exe_inside_ = script_inside_ = unreachable_ = false;
        const unsigned answer = Draw(2);
        gone_ = answer == 3;
        start_ = answer == 0 ? kWritten - 100 : answer == 1 ? kWritten + 100 : -1;
        if (first_start_ == -2)
            first_start_ = start_;
        started = {start_, 0};
        return start_ >= 0 ? 0 : gone_ ? kNoProcess : kUnknownExecutable;
    }
    int ExecutablePath(pid_t pid, std::string& path) override
    {
        CheckPid(pid, "executable asked");
        switch (Draw(3)) {
            case 0:
                exe_inside_ = true;
                path = ClientScript();
                return 0;
            case 1:
                path = "/usr/bin/ssh-agent";
                return 0;
            case 2:
                path = LookAlikeScript();
                return 0;
            case 3:
                gone_ = true;
                return kNoProcess;
            default:
                return kUnknownExecutable;
        }
    }
    int Arguments(pid_t pid, std::vector<std::string>& args) override
    {
        CheckPid(pid, "arguments asked");
        switch (Draw(2)) {
            case 0:
                script_inside_ = true;
                args = {"/bin/sh", ClientScript()};
                return 0;
            case 1:
                args = {"/bin/sh", "-e", LookAlikeScript()};
                return 0;
            case 2:
                args = {"tail", g_folder + "/ui.pid"};
                return 0;
            default:
                return kUnknownExecutable;
        }
    }
    bool CanSignal(pid_t pid) override
    {
        CheckPid(pid, "reach asked");
        unreachable_ = Draw(1) == 1;
        return !unreachable_;
    }

    pid_t expected_pid_ = 0;

private:
    bool IsClient() const
    {
        return !gone_ && (start_ == kWritten - 100 || exe_inside_ || script_inside_ || unreachable_);
    }
    void CheckPid(pid_t pid, const std::string& what) const
    {
        if (expected_pid_ == 0 || pid != expected_pid_)
            Fail(what + " for pid " + std::to_string(pid) + ", the file's pid is " + std::to_string(expected_pid_));
    }
    unsigned Draw(unsigned bits)
    {
        const unsigned value = (script_ >> shift_) & ((1u << bits) - 1);
        shift_ = (shift_ + bits) % 61;
        return value;
    }
    uint64_t script_;
    unsigned shift_ = 0;
    int calls_ = 0;
    time_t start_ = -1;        // of the latest judgement; -1 unknown
    time_t first_start_ = -2;  // of the first judgement; -2 before it
    bool exe_inside_ = false;
    bool script_inside_ = false;
    bool unreachable_ = false;
    bool gone_ = false;
};

bool IsWhite(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Blanks, a sign, digits, anything after them ignored; a pid only from 2 to
// INT_MAX and not our own; 0 for anything else.
pid_t AtolPid(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && IsWhite(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && value <= INT_MAX; ++i)
        value = value * 10 + (text[i] - '0');
    if (negative || value <= 1 || value > INT_MAX || value == getpid())
        return 0;
    return static_cast<pid_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const std::string base = fuzz::TempFolder("pidfile-fuzz");
    g_folder = base + "/drive";
    fuzz::LogToFile(base + "/fuzz.log");
    for (const std::string& script : {ClientScript(), LookAlikeScript()}) {
        std::filesystem::create_directories(std::filesystem::path(script).parent_path());
        fuzz::WriteInput(script, reinterpret_cast<const uint8_t*>("#!/bin/sh\n"), 10);
        chmod(script.c_str(), 0755);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Input: 8 bytes of answers, then the pid file.
    uint64_t script = 0;
    const size_t script_size = std::min<size_t>(size, sizeof(script));
    memcpy(&script, data, script_size);
    ScriptedProcess process(script);
    const std::string pid_file = g_folder + "/ui.pid";
    fuzz::WriteInput(pid_file, data + script_size, size - script_size);
    const struct timespec written[2] = {{kWritten, 0}, {kWritten, 0}};
    utimensat(AT_FDCWD, pid_file.c_str(), written, 0);

    Config reference;
    if (reference.read(pid_file) == 0 && reference.entries.count("pid"))
        process.expected_pid_ = AtolPid(reference.entries["pid"]);
    MacService(process).StopServiceByPath(QString::fromStdString(g_folder));
    return 0;
}
