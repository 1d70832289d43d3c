#include "service/mac/pid-file-client.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "service/mac/client-process.h"

namespace {

// A process that started up to this long after the pid file was written
// still counts as running when it was written: the wall clock may have been
// stepped between the two readings, and a start time read on Linux is only
// as exact as the boot clock it is taken from.
const time_t kClockMarginSeconds = 5;
const long long kSameStartTolerance = 1000000000LL;  // nanoseconds

// The canonical path, or empty when there is none (the object is gone).
std::string Canonical(const std::string& path)
{
    char* resolved = realpath(path.c_str(), nullptr);
    if (resolved == nullptr) {
        return std::string();
    }
    std::string result = resolved;
    free(resolved);
    return result;
}

bool IsInside(const std::string& path, const std::string& prefix)
{
    return path.compare(0, prefix.size(), prefix) == 0;
}

// The script an interpreter runs is its first argument that is no option
// ("/bin/sh -e /path/cloud-drive-ui"). It counts when it is an executable
// file inside the folder; a log or pid file named there makes no client.
std::string ScriptInside(ClientProcess& process, pid_t pid, const std::string& prefix)
{
    std::vector<std::string> args;
    if (process.Arguments(pid, args) != 0 || args.empty()) {
        return std::string();
    }
    auto script =
        std::find_if(args.begin() + 1, args.end(), [](const std::string& arg) { return arg.empty() || arg[0] != '-'; });
    if (script == args.end() || script->empty() || (*script)[0] != '/') {
        return std::string();
    }
    const std::string path = Canonical(*script);
    struct stat st;
    if (path.empty() || !IsInside(path, prefix) || stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
        (st.st_mode & 0111) == 0) {
        return std::string();
    }
    return path;
}

}  // namespace

PidFile PidFile::Of(const std::string& folder)
{
    PidFile file;
    file.folder = folder;
    file.path = folder + "/ui.pid";
    const std::string canonical = Canonical(folder);
    file.prefix = (canonical.empty() ? folder : canonical) + "/";
    struct stat st;
    if (stat(file.path.c_str(), &st) != 0) {
        return file;
    }
    file.written_known = true;
#if defined(__APPLE__)
    file.written = st.st_mtimespec;
#else
    file.written = st.st_mtim;
#endif
    return file;
}

PidFileProcess PidFileProcess::Judge(ClientProcess& process, pid_t pid, const PidFile& file)
{
    PidFileProcess judged;
    const int start = process.StartTime(pid, judged.started);
    const int exe = process.ExecutablePath(pid, judged.program);
    if (start == ClientProcess::kNoProcess || exe == ClientProcess::kNoProcess) {
        judged.kind = kGone;
        return judged;
    }
    judged.start_known = start == 0;
    if (exe != 0) {
        judged.program.clear();
    }
    judged.kind = kClient;
    std::string script;
    if (judged.start_known && file.written_known &&
        judged.started.tv_sec <= file.written.tv_sec + kClockMarginSeconds) {
        judged.reason = "it was running when '" + file.path + "' was written";
    } else if (exe == 0 && IsInside(judged.program, file.prefix)) {
        judged.reason = "its program lies in '" + file.folder + "'";
    } else if (!(script = ScriptInside(process, pid, file.prefix)).empty()) {
        judged.reason = "its script '" + script + "' lies in '" + file.folder + "'";
    } else if (!process.CanSignal(pid)) {
        judged.reason = "it is another user's process, which no signal of ours reaches";
    } else {
        judged.kind = kOther;
    }
    return judged;
}

// Two readings of one start time differ a little on Linux, where each is
// worked out from the boot clock and the wall clock read anew.
bool PidFileProcess::IsSameProcess(const PidFileProcess& later) const
{
    if (!start_known || !later.start_known) {
        return true;
    }
    const long long apart =
        (later.started.tv_sec - started.tv_sec) * 1000000000LL + (later.started.tv_nsec - started.tv_nsec);
    return std::llabs(apart) < kSameStartTolerance;
}
