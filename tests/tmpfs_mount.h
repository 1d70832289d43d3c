// A small tmpfs of a test's own on an existing folder (needs root), detached
// when the object goes: a failed assertion leaves no mount behind.
#ifndef VELMORA_TESTS_TMPFS_MOUNT_H
#define VELMORA_TESTS_TMPFS_MOUNT_H

#include <sys/mount.h>

#include <string>

struct TmpfsMount {
    TmpfsMount(const std::string& folder, const std::string& options, unsigned long flags = 0)
        : folder(folder), mounted(mount("tmpfs", folder.c_str(), "tmpfs", flags, options.c_str()) == 0)
    {
    }
    ~TmpfsMount()
    {
        if (mounted)
            umount2(folder.c_str(), MNT_DETACH);
    }
    const std::string folder;
    const bool mounted;
};

#endif  // VELMORA_TESTS_TMPFS_MOUNT_H
