// Volume kinds on macOS, told apart by the statfs type name.
#include <sys/mount.h>
#include <sys/param.h>

#include "volume-kind.h"

int QueryVolumeKind(const char* path, VolumeKind& kind)
{
    struct statfs fs;
    if (statfs(path, &fs) != 0)
        return -1;
    kind = VolumeKindFromTypeName(fs.f_fstypename);
    return 0;
}
