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

#include "client-process.h"
#include "config.h"
#include "file-op.h"
#include "log.h"
#include "mac-service.h"
#include "service-registry.h"
#include "uipathmanager.h"

namespace {

const char kComponent[] = "service_debug";

// A client that ends soon after SIGTERM is seen ended within one probe
// interval; the wait as a whole keeps its bound of 15 probes one second
// apart before SIGKILL.
const std::chrono::milliseconds kProbeInterval{20};
const std::chrono::milliseconds kWaitBound{15000};

// A pid as a positive decimal within pid_t's range, nothing after it: 0,
// negatives and overflow would address a process group or every process.
bool ParsePid(const std::string& text, pid_t& pid)
{
    const char* start = text.c_str();
    while (*start == ' ' || (*start >= '\t' && *start <= '\r')) {
        ++start;
    }
    if (*start < '0' || *start > '9') {
        return false;
    }
    errno = 0;
    char* end = nullptr;
    long value = strtol(start, &end, 10);
    if (errno != 0 || *end != '\0' || value <= 0 || value > INT_MAX) {
        return false;
    }
    pid = static_cast<pid_t>(value);
    return true;
}

std::string CanonicalFolder(const std::string& folder)
{
    char* resolved = realpath(folder.c_str(), nullptr);
    if (resolved == nullptr) {
        return folder;
    }
    std::string result = resolved;
    free(resolved);
    return result;
}

// A pid file may outlive its client and name a pid reused by another
// program, or by the launcher itself. Only a process whose executable is
// known to lie inside the pid file's folder is signalled: one we may not
// inspect (another user's, or ours made non-dumpable) is left alone, and one
// that has ended needs nothing.
bool MayBeSignalled(pid_t pid, const std::string& folder)
{
    if (pid == getpid()) {
        VLOG(5, kComponent, __LINE__,
             "(%5d:%5d) [NOTE] mac/mac-service(%d): pid %d is the launcher itself, not "
             "terminating it\n",
             static_cast<int>(pid));
        return false;
    }
    std::string exe;
    int known = ClientProcess::Current().ExecutablePath(pid, exe);
    if (known == ClientProcess::kNoProcess) {
        return false;
    }
    if (known != 0) {
        VLOG(5, kComponent, __LINE__,
             "(%5d:%5d) [NOTE] mac/mac-service(%d): pid %d runs a program that cannot be inspected, "
             "not terminating it\n",
             static_cast<int>(pid));
        return false;
    }
    std::string prefix = CanonicalFolder(folder) + "/";
    if (exe.compare(0, prefix.size(), prefix) == 0) {
        return true;
    }
    VLOG(5, kComponent, __LINE__,
         "(%5d:%5d) [NOTE] mac/mac-service(%d): pid %d runs '%s', not a client under '%s', not "
         "terminating it\n",
         static_cast<int>(pid), exe.c_str(), folder.c_str());
    return false;
}

// SIGTERM, then probes every 20 ms for up to 15 seconds, then SIGKILL.
void Terminate(pid_t pid, const std::string& folder)
{
    ClientProcess& process = ClientProcess::Current();
    if (process.Signal(pid, SIGTERM) != 0) {
        if (errno == ESRCH) {
            return;
        }
        int error = errno;
        VLOG(3, kComponent, __LINE__, "(%5d:%5d) [ERROR] mac/mac-service(%d): kill: %s (%d)\n",
             strerror(error), error);
    }
    for (std::chrono::milliseconds waited{0}; waited < kWaitBound; waited += kProbeInterval) {
        if (process.Signal(pid, 0) != 0 && errno == ESRCH) {
            return;
        }
        process.Sleep(kProbeInterval);
    }
    // The client may have ended during the wait and its pid been reused.
    if (MayBeSignalled(pid, folder)) {
        process.Signal(pid, SIGKILL);
    }
}

}  // namespace

void MacService::StopService()
{
    StopServiceByPath(UIPathManager::getInstance()->getPath(QStringLiteral("user_velmora_drive_path")));
}

void MacService::StopServiceByPath(const QString& folder)
{
    if (folder.isEmpty()) {
        VLOG(3, kComponent, __LINE__,
             "(%5d:%5d) [ERROR] mac/mac-service(%d): no folder given for the pid file\n");
        return;
    }
    ustring pid_file = ToUstring(folder + QStringLiteral("/ui.pid"));
    if (!IsFileExist(pid_file, false)) {
        VLOG(7, kComponent, __LINE__,
             "(%5d:%5d) [DEBUG] mac/mac-service(%d): pid file '%s' does not exist, no need to "
             "terminate\n",
             pid_file.c_str());
        return;
    }
    Config config;
    if (config.read(pid_file.c_str()) < 0) {
        VLOG(5, kComponent, __LINE__,
             "(%5d:%5d) [NOTE] mac/mac-service(%d): Failed to read pid file '%s', not exist ?\n",
             pid_file.c_str());
        return;
    }
    auto found = config.entries.find("pid");
    std::string text = found == config.entries.end() ? std::string() : found->second;
    pid_t pid = 0;
    if (!ParsePid(text, pid)) {
        VLOG(5, kComponent, __LINE__,
             "(%5d:%5d) [NOTE] mac/mac-service(%d): pid file '%s' names no valid pid ('%s'), "
             "nothing to terminate\n",
             pid_file.c_str(), text.c_str());
        return;
    }
    std::string folder_utf8 = ToUstring(folder).c_str();
    if (MayBeSignalled(pid, folder_utf8)) {
        Terminate(pid, folder_utf8);
    }
}
