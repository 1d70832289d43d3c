// The kind of volume that holds a path; one implementation per system
// (volume-kind_linux.cpp, volume-kind_mac.cpp).
#ifndef VELMORA_VOLUME_KIND_H
#define VELMORA_VOLUME_KIND_H

struct VolumeKind {
    bool network;  // NFS, SMB/CIFS and their kin
    bool fat;      // FAT family (msdos, vfat, exFAT)
};

// 0, or -1 with errno set by the failed query.
int QueryVolumeKind(const char* path, VolumeKind& kind);

// The kind of a macOS volume by its statfs type name (f_fstypename).
VolumeKind VolumeKindFromTypeName(const char* name);

#endif  // VELMORA_VOLUME_KIND_H
