// Creating folders: one level, a whole chain, or every level below a root.
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <new>
#include <string>

#include "file-op-internal.h"

#define LOG_TAG "file-op"

namespace {

const unsigned short kDefaultMode = 0xFFFF;  // 0777 under the process umask

enum StepResult { kStepNext, kStepDone, kStepFailed };

// A folder created by someone else between our status query and mkdir is
// as good as one we created. An explicit mode is applied exactly by a chmod
// of the folder we created, never by clearing the umask, which is the whole
// process's: a file another thread creates meanwhile (a log rotation) would
// get 0666. mkdir under the umask never grants more than asked, so a failed
// chmod leaves the folder stricter, not looser.
bool MakeFolder(const std::string& prefix, mode_t mode, bool exactMode)
{
    if (mkdir(prefix.c_str(), mode) == 0) {
        if (exactMode)
            (void)fchmodat(AT_FDCWD, prefix.c_str(), mode & 07777, AT_SYMLINK_NOFOLLOW);
        return true;
    }
    int err = errno;
    struct stat st;
    bool raced = err == EEXIST && stat(prefix.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    errno = err;
    return raced;
}

StepResult MakeComponent(const std::string& prefix, bool last, bool force, mode_t mode, bool exactMode)
{
    struct stat st;
    if (stat(prefix.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return last ? kStepDone : kStepNext;
        if (force) {
            remove(prefix.c_str());
        } else if (last) {
            errno = EEXIST;
            VLOG_INFO(__LINE__, "FSMKDirP: path: %s is existing file or symbolic link pointed to file\n",
                      prefix.c_str());
            return kStepFailed;
        } else {
            VLOG_INFO(__LINE__, "FSMKDirP: path: %s is symbolic link pointed to folder\n", prefix.c_str());
            return kStepNext;
        }
    }
    if (!MakeFolder(prefix, mode, exactMode))
        return kStepFailed;
    return last ? kStepDone : kStepNext;
}

// Walks path one component at a time from the root down; returns the
// result and the offset the walk reached in end.
int WalkAndCreate(const std::string& path, bool force, mode_t mode, bool exactMode, size_t& end)
{
    size_t pos = path[0] == '/' ? 1 : 0;
    for (;;) {
        size_t cut = path.find('/', pos);
        bool last = cut == std::string::npos || cut + 1 == path.size();
        end = cut == std::string::npos ? path.size() : cut;
        StepResult step = MakeComponent(path.substr(0, end), last, force, mode, exactMode);
        if (step != kStepNext)
            return step == kStepDone ? 0 : -1;
        pos = end + 1;
    }
}

}  // namespace

int FSMKDirP(const ustring& path, char** stop, bool force, unsigned short mode)
{
    if (path.empty())
        return -1;
    try {
        std::string copy(path.c_str(), path.length());
        const bool exactMode = mode != kDefaultMode;
        size_t end = 0;
        int result = WalkAndCreate(copy, force, exactMode ? mode : 0777, exactMode, end);
        if (stop != nullptr)
            *stop = const_cast<char*>(path.c_str()) + end;
        return result;
    } catch (const std::bad_alloc&) {
        return -1;
    }
}

int FSMKDir(const ustring& path, bool recursive)
{
    if (path.empty())
        return -1;
    _FILE_INFO_tag info;
    if (GetFileInfo(path, info) != 0) {
        VLOG_ERROR(__LINE__, "FSMKDir: Failed to to file info '%s'\n", path.c_str());
        return -1;
    }
    if (info.exists) {
        if (info.type == FS_TYPE_DIR)
            return 0;
        VLOG_ERROR(__LINE__, "FSMKDir: Create a folder but local file system is not directory '%s' (%d)\n",
                   path.c_str(), info.type);
        return -1;
    }
    int status = recursive ? FSMKDirP(path, nullptr, false, kDefaultMode) : mkdir(path.c_str(), 0777);
    if (status != 0) {
        VLOG_ERROR(__LINE__, "path = %s errno : %s\n", path.c_str(), strerror(errno));
        return -2;
    }
    return 0;
}

int FSMKDirFromRoot(const ustring& target, const ustring& root)
{
    if (root.length() > target.length()) {
        VLOG_ERROR(__LINE__, "Giving a root '%s' whose length is larger then target's '%s'.\n", root.c_str(),
                   target.c_str());
        return -1;
    }
    if (!FSIsParentFolder(root, target)) {
        VLOG_ERROR(__LINE__, "root '%s' is not a parent folder of target '%s'\n", root.c_str(), target.c_str());
        return -1;
    }
    ustring rest = target.substr(root.length());
    ustring current;
    while (current != rest) {
        size_t slash = rest.find('/', current.length() + 1);
        current = rest.substr(0, slash);
        VLOG_DEBUG(__LINE__, "FSMKDirFromRoot: create %s\n", current.c_str());
        if (FSMKDir(root + current, false) < 0)
            return -1;
    }
    return 0;
}
