// Volume kinds on macOS, told apart by the statfs type name.
#include <sys/mount.h>
#include <sys/param.h>

#include <cstring>

#include "volume-kind.h"

int QueryVolumeKind(const char* path, VolumeKind& kind)
{
    struct statfs fs;
    if (statfs(path, &fs) != 0)
        return -1;
    const char* name = fs.f_fstypename;
    kind.network = strcmp(name, "nfs") == 0 || strcmp(name, "smbfs") == 0 || strcmp(name, "afpfs") == 0;
    kind.fat = strcmp(name, "msdos") == 0;
    return 0;
}
