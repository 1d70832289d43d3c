// Stopping the client UI named by a pid file. Log lines carry the tag of
// the class, "mac/mac-service".
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

#include "config.h"
#include "file-op.h"
#include "log.h"
#include "service/mac/client-process.h"
#include "service/mac/mac-service.h"
#include "service/mac/pid-file-client.h"
#include "service/service-registry.h"

#define LOG_TAG "mac/mac-service"
#define LOG_COMPONENT "service_debug"

namespace {

// A client that ends soon after SIGTERM is seen ended within one probe
// interval; the wait as a whole keeps its bound of 15 probes one second
// apart before SIGKILL.
const std::chrono::milliseconds kProbeInterval{20};
const std::chrono::milliseconds kWaitBound{15000};

// The pid as C's atol reads it: leading white space, a sign, digits, and
// anything after them ignored. Only a positive value within pid_t's range
// is a pid: 0, negatives and overflow would address a process group or
// every process.
bool ParsePid(const std::string& text, pid_t& pid)
{
    errno = 0;
    char* end = nullptr;
    const long value = strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || errno == ERANGE || value <= 0 || value > INT_MAX) {
        return false;
    }
    pid = static_cast<pid_t>(value);
    return true;
}

// Whatever the pid file says, the launcher never stops itself, nor the
// system's first process.
bool IsOffLimits(pid_t pid)
{
    if (pid == getpid()) {
        VLOG_NOTE(__LINE__, "pid %d is the launcher itself, not terminating it\n", static_cast<int>(pid));
        return true;
    }
    if (pid == 1) {
        VLOG_NOTE(__LINE__, "pid 1 is the system's first process, not terminating it\n");
        return true;
    }
    return false;
}

const char* ProgramOf(const PidFileProcess& process)
{
    return process.program.empty() ? "a program that cannot be inspected" : process.program.c_str();
}

// The client may have ended during the wait and its pid been taken by a
// later process, which must not be killed.
bool IsStillTheClient(ClientProcess& process, pid_t pid, const PidFile& file, const PidFileProcess& named)
{
    const PidFileProcess now = PidFileProcess::Judge(process, pid, file);
    if (now.kind == PidFileProcess::kGone) {
        return false;
    }
    if (now.kind == PidFileProcess::kClient && named.IsSameProcess(now)) {
        return true;
    }
    VLOG_NOTE(__LINE__, "pid %d now runs %s, a process other than the one sent SIGTERM, not killing it\n",
              static_cast<int>(pid), ProgramOf(now));
    return false;
}

// SIGTERM, then probes every 20 ms for up to 15 seconds, then SIGKILL.
void Terminate(ClientProcess& process, pid_t pid, const PidFile& file, const PidFileProcess& named)
{
    VLOG_NOTE(__LINE__, "stopping pid %d (%s): %s\n", static_cast<int>(pid), ProgramOf(named), named.reason.c_str());
    if (process.Signal(pid, SIGTERM) != 0) {
        if (errno == ESRCH) {
            return;
        }
        int error = errno;
        VLOG_ERROR(__LINE__, "kill: %s (%d)\n", strerror(error), error);
    }
    for (std::chrono::milliseconds waited{0}; waited < kWaitBound; waited += kProbeInterval) {
        if (process.Signal(pid, 0) != 0 && errno == ESRCH) {
            VLOG_NOTE(__LINE__, "pid %d ended after SIGTERM\n", static_cast<int>(pid));
            return;
        }
        process.Sleep(kProbeInterval);
    }
    if (IsStillTheClient(process, pid, file, named)) {
        VLOG_WARNING(__LINE__, "pid %d did not end within 15 seconds of SIGTERM, sending SIGKILL\n",
                     static_cast<int>(pid));
        process.Signal(pid, SIGKILL);
    }
}

}  // namespace

void MacService::StopService()
{
    StopServiceByPath(ToQString(layout.drive));
}

void MacService::StopServiceByPath(const QString& folder)
{
    if (folder.isEmpty()) {
        VLOG_ERROR(__LINE__, "no folder given for the pid file\n");
        return;
    }
    ustring pid_file = ToUstring(folder + QStringLiteral("/ui.pid"));
    if (!IsFileExist(pid_file, false)) {
        VLOG_DEBUG(__LINE__, "pid file '%s' does not exist, no need to terminate\n", pid_file.c_str());
        return;
    }
    Config config;
    if (config.read(pid_file.c_str()) < 0) {
        VLOG_NOTE(__LINE__, "Failed to read pid file '%s', not exist ?\n", pid_file.c_str());
        return;
    }
    auto found = config.entries.find("pid");
    std::string text = found == config.entries.end() ? std::string() : found->second;
    pid_t pid = 0;
    if (!ParsePid(text, pid)) {
        VLOG_NOTE(__LINE__, "pid file '%s' names no valid pid ('%s'), nothing to terminate\n", pid_file.c_str(),
                  text.c_str());
        return;
    }
    if (IsOffLimits(pid)) {
        return;
    }
    const PidFile file = PidFile::Of(ToUstring(folder).c_str());
    const PidFileProcess named = PidFileProcess::Judge(client_process, pid, file);
    if (named.kind == PidFileProcess::kClient) {
        Terminate(client_process, pid, file, named);
    } else if (named.kind == PidFileProcess::kOther) {
        VLOG_NOTE(__LINE__,
                  "pid %d (%s) is no client: it runs nothing from "
                  "'%s' and was not running when '%s' was written; not terminating it\n",
                  static_cast<int>(pid), ProgramOf(named), file.folder.c_str(), file.path.c_str());
    }
}
