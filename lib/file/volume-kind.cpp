// Questions about the volume that holds a path.
#include <cerrno>
#include <cstddef>
#include <cstring>

#include "file-op-internal.h"
#include "volume-kind.h"

#define LOG_TAG "file-op"

namespace {

const char* const kNetworkTypeNames[] = {"nfs", "smbfs", "afpfs", "webdav"};
const char* const kFatTypeNames[] = {"msdos", "exfat"};

template <size_t N>
bool Names(const char* const (&names)[N], const char* name)
{
    for (const char* known : names) {
        if (strcmp(known, name) == 0)
            return true;
    }
    return false;
}

}  // namespace

VolumeKind VolumeKindFromTypeName(const char* name)
{
    return VolumeKind{Names(kNetworkTypeNames, name), Names(kFatTypeNames, name)};
}

bool isMountPoint(const ustring& path)
{
    VolumeKind kind;
    if (QueryVolumeKind(path.c_str(), kind) != 0) {
        VLOG_ERROR(__LINE__, "isMountPoint: Failed to get file system info '%s'. %s\n", path.c_str(), strerror(errno));
        return false;
    }
    return kind.network;
}

bool IsMSDOS(const ustring& path)
{
    VolumeKind kind;
    if (QueryVolumeKind(path.c_str(), kind) != 0) {
        VLOG_ERROR(__LINE__, "IsSupportLargeFile: Failed to get file system info '%s'. %s\n", path.c_str(),
                   strerror(errno));
        return false;
    }
    if (!kind.fat)
        return false;
    VLOG_WARNING(__LINE__, "Detect a MSDOS platform for path '%s'.\n", path.c_str());
    return true;
}
