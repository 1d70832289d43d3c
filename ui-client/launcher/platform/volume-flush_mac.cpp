// macOS has no syncfs: sync() queues every dirty buffer of every volume, and
// F_FULLFSYNC on the path then has the drive write its cache to the medium.
#include "volume-flush.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

int FlushVolumeOf(const ustring& path)
{
    sync();
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    int result = fcntl(fd, F_FULLFSYNC);
    int saved = errno;
    close(fd);
    errno = saved;
    return result == -1 ? -1 : 0;
}
