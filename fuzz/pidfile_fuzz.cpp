// The pid-file path through the process seam: arbitrary "ui.pid" bytes, and
// arbitrary answers about the process (its executable inside the folder,
// elsewhere, in a folder whose name merely begins like it, or unknown; alive
// or gone). A signal, probes included, only ever goes to the file's strict
// decimal pid, and a real one only while its executable is known to lie
// inside the folder. The seam records; nothing is ever sent.
#include <signal.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <string>

#include "client-process.h"
#include "config.h"
#include "fuzz_support.h"
#include "mac-service.h"

namespace {

using fuzz::Fail;

std::string g_folder;

// Answers from the input's bits, one draw per question, round and round.
class ScriptedProcess : public ClientProcess {
public:
    explicit ScriptedProcess(uint64_t script) : script_(script) {}

    int Signal(pid_t pid, int sig) override
    {
        if (++calls_ > 2000)
            Fail("more signals than one stop can send");
        CheckPid(pid, "signal " + std::to_string(sig));
        if (sig != 0 && !inside_)
            Fail("signal " + std::to_string(sig) + " to a process not known to run from the folder");
        if (Draw(1) == 0)
            return 0;
        errno = sig == 0 ? ESRCH : EPERM;
        return -1;
    }
    void Sleep(std::chrono::milliseconds) override {}
    int ExecutablePath(pid_t pid, std::string& path) override
    {
        CheckPid(pid, "executable asked");
        inside_ = false;
        switch (Draw(2)) {
        case 0:
            inside_ = true;
            path = g_folder + "/VelmoraDrive.app/Contents/MacOS/cloud-drive-ui";
            return 0;
        case 1:
            path = "/usr/bin/ssh-agent";
            return 0;
        case 2:
            path = g_folder + "-old/cloud-drive-ui";
            return 0;
        default:
            return kUnknownExecutable;
        }
    }

    pid_t expected_pid_ = 0;

private:
    void CheckPid(pid_t pid, const std::string& what) const
    {
        if (expected_pid_ == 0 || pid != expected_pid_)
            Fail(what + " for pid " + std::to_string(pid) + ", the file's strict pid is " +
                 std::to_string(expected_pid_));
    }
    unsigned Draw(unsigned bits)
    {
        const unsigned value = (script_ >> shift_) & ((1u << bits) - 1);
        shift_ = (shift_ + bits) % 63;
        return value;
    }
    uint64_t script_;
    unsigned shift_ = 0;
    int calls_ = 0;
    bool inside_ = false;
};

// Decimal digits after optional white space, 1..INT_MAX, not our own pid;
// 0 for anything else.
pid_t StrictPid(const std::string& text)
{
    size_t i = text.find_first_not_of(" \t\n\v\f\r");
    if (i == std::string::npos)
        return 0;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return 0;
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX)
            return 0;
    }
    return value == getpid() ? 0 : static_cast<pid_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_folder = fuzz::TempFolder("pidfile-fuzz");
    fuzz::LogToFile(g_folder + "/fuzz.log");
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

    Config reference;
    if (reference.read(pid_file) == 0 && reference.entries.count("pid"))
        process.expected_pid_ = StrictPid(reference.entries["pid"]);
    ClientProcess::Install(&process);
    MacService().StopServiceByPath(QString::fromStdString(g_folder));
    ClientProcess::Install(nullptr);
    return 0;
}
