// macOS has no syncfs: fsync_volume_np waits until every dirty buffer of the
// volume is written and, with SYNC_VOLUME_FULLSYNC, has the drive write its
// cache to the medium. sync() would only queue the writes.
#include "platform/volume-flush.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "log.h"

#define LOG_TAG "volume-flush"
#define LOG_COMPONENT "service_debug"

namespace {

int FlushVolume(int fd, const ustring& path)
{
    if (fsync_volume_np(fd, SYNC_VOLUME_FULLSYNC | SYNC_VOLUME_WAIT) == 0) {
        return 0;
    }
    if (!RefusesDriveCacheFlush(errno)) {
        return -1;
    }
    VLOG_NOTE(__LINE__, "the volume of '%s' cannot flush its drive's cache (%s): flushed without it\n", path.c_str(),
              strerror(errno));
    return fsync_volume_np(fd, SYNC_VOLUME_WAIT) == 0 ? 0 : -1;
}

}  // namespace

int FlushVolumeOf(const ustring& path)
{
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    int result = FlushVolume(fd, path);
    int saved = errno;
    close(fd);
    errno = saved;
    return result;
}
