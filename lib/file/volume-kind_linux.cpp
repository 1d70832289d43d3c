// Volume kinds on Linux, told apart by the statfs magic number.
#include <sys/vfs.h>

#include <cstddef>
#include <cstdint>

#include "volume-kind.h"

namespace {

const uint32_t kNetworkMagics[] = {
    0x6969,      // NFS
    0x517B,      // SMB (smbfs)
    0xFF534D42,  // CIFS
    0xFE534D42,  // SMB2 (cifs client, smb3 dialect)
    0x5346414F,  // AFS (kAFS)
    0x6B414653,  // AFS (OpenAFS)
    0x73757245,  // Coda
    0x564C,      // NCP
    0x00C36400,  // Ceph
};

const uint32_t kFatMagics[] = {
    0x4D44,      // msdos and vfat
    0x2011BAB0,  // exFAT
};

template <size_t N>
bool Contains(const uint32_t (&magics)[N], uint32_t magic)
{
    for (uint32_t m : magics) {
        if (m == magic)
            return true;
    }
    return false;
}

}  // namespace

int QueryVolumeKind(const char* path, VolumeKind& kind)
{
    struct statfs fs;
    if (statfs(path, &fs) != 0)
        return -1;
    uint32_t magic = static_cast<uint32_t>(fs.f_type);
    kind.network = Contains(kNetworkMagics, magic);
    kind.fat = Contains(kFatMagics, magic);
    return 0;
}
