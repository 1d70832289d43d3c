// Small metadata operations: symbolic links, owner, times, access tests.
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "file-op-internal.h"

#define LOG_TAG "file-op"

namespace {
const int kLinkBufferSize = 1024;  // the longest readable link text is 1023 bytes
}

int FSCreateSymbolicLink(const ustring& target, const ustring& link)
{
    if (symlink(target.c_str(), link.c_str()) == 0)
        return 0;
    VLOG_ERROR(__LINE__, "FSCreateSymbolicLink: Failed to create symbolic link '%s' -> '%s' (code: %d, msg: %s)\n",
               target.c_str(), link.c_str(), errno, strerror(errno));
    return -1;
}

int FSReadSymbolicLink(const ustring& link, ustring& target)
{
    char buffer[kLinkBufferSize + 1] = {};
    ssize_t length = readlink(link.c_str(), buffer, kLinkBufferSize);
    if (length < 0) {
        VLOG_ERROR(__LINE__, "FSReadSymbolicLink: Failed to read symbolic link '%s' (code: %d, msg: %s)\n",
                   link.c_str(), errno, strerror(errno));
        return -1;
    }
    if (length >= kLinkBufferSize) {
        VLOG_ERROR(__LINE__, "FSReadSymbolicLink: path of '%s' is more than %d\n", link.c_str(), kLinkBufferSize);
        return -1;
    }
    target.assign(buffer, static_cast<size_t>(length));
    return 0;
}

int FSChown(const ustring& path, unsigned int uid, unsigned int gid)
{
    if (lchown(path.c_str(), uid, gid) == 0)
        return 0;
    VLOG_ERROR(__LINE__, "FSChown: Failed to chown '%s' (code: %d, msg: %s)\n", path.c_str(), errno, strerror(errno));
    return -1;
}

int FSUTime(const ustring& path, long atime, long mtime)
{
    struct timeval times[2] = {{atime, 0}, {mtime, 0}};
    return lutimes(path.c_str(), times) == 0 ? 0 : -1;
}

bool isFileLocked(const ustring& path, int amode)
{
    if (access(path.c_str(), amode) == 0)
        return false;
    return errno == EACCES || errno == EPERM;
}

bool hasFilePermission(const ustring& path, int amode)
{
    if (access(path.c_str(), amode) == 0)
        return true;
    return errno != EACCES && errno != EPERM;
}
