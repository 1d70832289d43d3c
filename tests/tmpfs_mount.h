// A small tmpfs of a test's own on an existing folder (needs root),
// detached when the object goes, so that a failed assertion leaves no
// mount behind for the removal of the test's folder to stumble on.
#ifndef VELMORA_TESTS_TMPFS_MOUNT_H
#define VELMORA_TESTS_TMPFS_MOUNT_H

#include <sys/mount.h>

#include <string>

class TmpfsMount {
public:
    TmpfsMount(const std::string& folder, const std::string& options, unsigned long flags = 0)
        : folder_(folder), mounted_(mount("tmpfs", folder.c_str(), "tmpfs", flags, options.c_str()) == 0)
    {
    }
    ~TmpfsMount()
    {
        if (mounted_)
            umount2(folder_.c_str(), MNT_DETACH);
    }
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    bool Mounted() const { return mounted_; }

private:
    const std::string folder_;
    const bool mounted_;
};

#endif  // VELMORA_TESTS_TMPFS_MOUNT_H
