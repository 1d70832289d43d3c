// Copying the bytes of one file through a fixed buffer, the destination
// flushed to the device before the copy counts as done.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "file-op-internal.h"
#include "regular_file.h"

#define LOG_TAG "file-op"

namespace {

const int kCopyChunk = 8192;

int SpaceOrFailure(int err)
{
    return err == ENOSPC || err == EDQUOT ? -2 : -1;
}

// Opening the source itself for writing would truncate it to nothing.
bool IsSameFile(int srcFd, const ustring& dst)
{
    struct stat srcSt;
    struct stat dstSt;
    return fstat(srcFd, &srcSt) == 0 && stat(dst.c_str(), &dstSt) == 0 && srcSt.st_dev == dstSt.st_dev &&
           srcSt.st_ino == dstSt.st_ino;
}

void LogOpenFailure(const ustring& path)
{
    VLOG_ERROR(__LINE__, "CopyFile: open(%s): %s (%d)\n", path.c_str(), strerror(errno), errno);
}

// Only the bytes of a regular file are copied: a folder yields none, a
// named pipe would block the copy, a device might never end. Refused here,
// before the destination is truncated for nothing.
int OpenSource(const ustring& src)
{
    int fd = OpenRegularFile(src.c_str(), O_RDONLY);
    if (fd < 0)
        LogOpenFailure(src);
    return fd;
}

// Never written through a symbolic link: a copy, or a move to another
// volume, must not overwrite whatever file the link names; nor into a named
// pipe, which would block.
int OpenDestination(const ustring& dst, mode_t mode)
{
    int fd = OpenRegularFile(dst.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW, mode);
    if (fd < 0)
        LogOpenFailure(dst);
    return fd;
}

int WriteAll(int fd, const char* data, size_t count)
{
    while (count > 0) {
        ssize_t written = write(fd, data, count);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            VLOG_ERROR(__LINE__, "CopyFile: write: %s (%d)\n", strerror(errno), errno);
            return SpaceOrFailure(errno);
        }
        data += written;
        count -= static_cast<size_t>(written);
    }
    return 0;
}

int CopyBytes(int in, int out, char* buffer)
{
    for (;;) {
        ssize_t count = read(in, buffer, kCopyChunk);
        if (count == 0)
            return 0;
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            VLOG_ERROR(__LINE__, "CopyFile: read: %s (%d)\n", strerror(errno), errno);
            return -1;
        }
        int status = WriteAll(out, buffer, static_cast<size_t>(count));
        if (status != 0)
            return status;
    }
}

int CopyWithBuffer(int in, int out)
{
    char* buffer = static_cast<char*>(malloc(kCopyChunk));
    if (buffer == nullptr) {
        VLOG_ERROR(__LINE__, "FSCopy: malloc(%d): %s (%d)\n", kCopyChunk, strerror(errno), errno);
        return -1;
    }
    int result = CopyBytes(in, out, buffer);
    free(buffer);
    return result;
}

// A copy is complete only once it is on the device: a failed flush or
// close (a full volume may show only here) fails the copy.
int FlushAndClose(int out, int result)
{
    if (fsync(out) != 0 && result == 0) {
        VLOG_ERROR(__LINE__, "CopyFile: fsync: %s (%d)\n", strerror(errno), errno);
        result = SpaceOrFailure(errno);
    }
    if (close(out) != 0 && result == 0) {
        VLOG_ERROR(__LINE__, "CopyFile: close: %s (%d)\n", strerror(errno), errno);
        result = SpaceOrFailure(errno);
    }
    return result;
}

int RemoveSource(const ustring& src)
{
    if (remove(src.c_str()) == 0)
        return 0;
    VLOG_ERROR(__LINE__, "CopyFile: remove(%s): %s (%d)\n", src.c_str(), strerror(errno), errno);
    return -1;
}

}  // namespace

void KeepAttributes(int fd, const struct stat& from, const ustring& path)
{
#if defined(__APPLE__)
    const struct timespec times[2] = {from.st_atimespec, from.st_mtimespec};
#else
    const struct timespec times[2] = {from.st_atim, from.st_mtim};
#endif
    if (fchmod(fd, from.st_mode & 0777) != 0 || futimens(fd, times) != 0) {
        VLOG_WARNING(__LINE__, "CopyFile: cannot keep the mode and times of '%s': %s\n", path.c_str(), strerror(errno));
    }
}

int CopyFileBytes(const ustring& src, const ustring& dst, bool removeSource, bool keepAttributes)
{
    int in = OpenSource(src);
    if (in < 0)
        return -1;
    if (IsSameFile(in, dst)) {
        VLOG_ERROR(__LINE__, "CopyFile: '%s' and '%s' are the same file\n", src.c_str(), dst.c_str());
        close(in);
        return -1;
    }
    struct stat srcSt;
    bool keep = keepAttributes && fstat(in, &srcSt) == 0;
    // A new copy that will keep its source's mode is private until it has.
    int out = OpenDestination(dst, keep ? 0600 : 0666);
    if (out < 0) {
        close(in);
        return -1;
    }
    int result = CopyWithBuffer(in, out);
    close(in);
    if (result == 0 && keep)
        KeepAttributes(out, srcSt, dst);
    // The source goes only once its copy is safely on the device.
    result = FlushAndClose(out, result);
    if (result == 0 && removeSource)
        result = RemoveSource(src);
    return result;
}

int FSCopy(const ustring& src, const ustring& dst, bool removeSource)
{
    return CopyFileBytes(src, dst, removeSource, false);
}
