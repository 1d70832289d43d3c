#include "regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

int Refuse(mode_t kind)
{
    errno = S_ISDIR(kind) ? EISDIR : EINVAL;
    return -1;
}

int CloseKeepingErrno(int fd)
{
    const int err = errno;
    close(fd);
    errno = err;
    return -1;
}

}  // namespace

int OpenRegularFile(const char* path, int flags, mode_t mode)
{
    struct stat st;
    // Judged before the open where possible, since opening a device can
    // act on it; judged again on the descriptor, since the path may have
    // changed in between.
    if (stat(path, &st) == 0 && !S_ISREG(st.st_mode))
        return Refuse(st.st_mode);
    const int fd = open(path, flags | O_NONBLOCK | O_CLOEXEC, mode);
    if (fd < 0)
        return -1;
    if (fstat(fd, &st) != 0)
        return CloseKeepingErrno(fd);
    if (!S_ISREG(st.st_mode)) {
        close(fd);
        return Refuse(st.st_mode);
    }
    if ((flags & O_NONBLOCK) == 0) {
        const int status = fcntl(fd, F_GETFL);
        if (status < 0 || fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0)
            return CloseKeepingErrno(fd);
    }
    return fd;
}

bool IsRegularFile(const char* path)
{
    const int fd = OpenRegularFile(path, O_RDONLY);
    if (fd < 0)
        return false;
    close(fd);
    return true;
}

FILE* OpenRegularStream(const char* path, int flags, const char* streamMode)
{
    const int fd = OpenRegularFile(path, flags);
    if (fd < 0)
        return nullptr;
    FILE* fp = fdopen(fd, streamMode);
    if (fp == nullptr)
        CloseKeepingErrno(fd);
    return fp;
}
