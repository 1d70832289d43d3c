// One syncfs(2) writes every dirty file of the volume: far cheaper than an
// fsync of each of the thousands of files of a bundle.
#include "platform/volume-flush.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

int FlushVolumeOf(const ustring& path)
{
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    int result = syncfs(fd);
    int saved = errno;
    close(fd);
    errno = saved;
    return result == 0 ? 0 : -1;
}
