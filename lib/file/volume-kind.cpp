// Questions about the volume that holds a path.
#include <cerrno>
#include <cstring>

#include "file-op-internal.h"
#include "volume-kind.h"

bool isMountPoint(const ustring& path)
{
    VolumeKind kind;
    if (QueryVolumeKind(path.c_str(), kind) != 0) {
        FOP_LOG(FOP_ERROR, "(%5d:%5d) [ERROR] file-op(%d): isMountPoint: Failed to get file system info '%s'. %s\n",
                path.c_str(), strerror(errno));
        return false;
    }
    return kind.network;
}

bool IsMSDOS(const ustring& path)
{
    VolumeKind kind;
    if (QueryVolumeKind(path.c_str(), kind) != 0) {
        FOP_LOG(FOP_ERROR,
                "(%5d:%5d) [ERROR] file-op(%d): IsSupportLargeFile: Failed to get file system info '%s'. %s\n",
                path.c_str(), strerror(errno));
        return false;
    }
    if (!kind.fat)
        return false;
    FOP_LOG(FOP_WARNING, "(%5d:%5d) [WARNING] file-op(%d): Detect a MSDOS platform for path '%s'.\n", path.c_str());
    return true;
}
