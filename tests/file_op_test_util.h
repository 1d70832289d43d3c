// Fixtures shared by the file-op tests: a private temp folder, a log
// capture, a small tmpfs of our own and an unprivileged child.
#ifndef VELMORA_FILE_OP_TEST_UTIL_H
#define VELMORA_FILE_OP_TEST_UTIL_H

#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "file-op.h"
#include "log.h"
#include "temp_folder_test.h"
#include "unprivileged.h"

namespace fop_test {

using temp_folder::ReadFile;
using temp_folder::WriteFile;

inline bool Exists(const std::string& path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

inline int FileTypeOf(const std::string& path)
{
    _FILE_INFO_tag info;
    return GetFileInfo(path.c_str(), info) == 0 ? info.type : -1;
}

inline mode_t ModeOf(const std::string& path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// A record with every field set, as a caller's record may be.
inline _FILE_INFO_tag FilledRecord()
{
    _FILE_INFO_tag info;
    info.path = "/junk/path", info.name = "junk", info.type = 99, info.mtime = 1234, info.size = 5678;
    info.exists = true, info.uid = 7, info.gid = 8, info.mode = 0777, info.dev = 9;
    return info;
}

// Every case logs file-op lines of every level to a file in its folder.
class FileOpTest : public temp_folder::TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        if (HasFatalFailure())
            return;
        log_ = dir_ + "/.log";
        WriteFile(dir_ + "/.levels", "file_op_debug=7\n");
        ASSERT_EQ(0, Logger::Initialize(Logger::TYPE_FILE, log_, dir_ + "/.levels", 50, Logger::SCOPE_LOCK));
    }

    void TearDown() override
    {
        Logger::Initialize(Logger::TYPE_STDERR, "", "", 50, Logger::SCOPE_NONE);
        TempFolderTest::TearDown();
    }

    std::string Log() const { return ReadFile(log_); }
    bool Logged(const std::string& text) const { return Log().find(text) != std::string::npos; }

    std::string log_;
};

// A folder on another device than the test folder: a tmpfs of the given
// size of our own mounted on mountDir (needs root), else, when allowed, a
// fresh folder under /dev/shm. Unmounted or removed when done.
class OtherVolume {
public:
    OtherVolume(const std::string& mountDir, const std::string& size, bool shmFallback) : path_(mountDir)
    {
        mkdir(mountDir.c_str(), 0755);
        std::string options = "size=" + size;
        mounted_ = mount("tmpfs", mountDir.c_str(), "tmpfs", 0, options.c_str()) == 0;
        char tmpl[] = "/dev/shm/file_op_test_XXXXXX";
        if (!mounted_ && shmFallback && mkdtemp(tmpl) != nullptr)
            path_ = shm_ = tmpl;
    }
    ~OtherVolume()
    {
        if (mounted_)
            umount2(path_.c_str(), MNT_DETACH);
        std::error_code ignored;
        if (!shm_.empty())
            std::filesystem::remove_all(shm_, ignored);
    }
    OtherVolume(const OtherVolume&) = delete;
    OtherVolume& operator=(const OtherVolume&) = delete;

    std::string Path(const std::string& name) const { return path_ + "/" + name; }

    bool OtherDeviceThan(const std::string& other) const
    {
        struct stat a;
        struct stat b;
        return (mounted_ || !shm_.empty()) && stat(path_.c_str(), &a) == 0 && stat(other.c_str(), &b) == 0 &&
               a.st_dev != b.st_dev;
    }

private:
    std::string path_;
    std::string shm_;
    bool mounted_ = false;
};

#define REQUIRE_OTHER_VOLUME(volume, other)                                                         \
    do {                                                                                            \
        if (!(volume).OtherDeviceThan(other))                                                       \
            GTEST_SKIP() << "no second volume: cannot mount a tmpfs of our own here (needs root), " \
                            "and /dev/shm is missing or on the same device";                        \
    } while (0)

// An ext4 image of our own, loop-mounted on dir with extra mkfs options.
class Ext4LoopMount {
public:
    Ext4LoopMount(const std::string& image, const std::string& dir, const std::string& size,
                  const std::string& mkfsOptions)
        : dir_(dir)
    {
        mkdir(dir.c_str(), 0755);
        std::string command = "truncate -s " + size + " '" + image + "' && mkfs.ext4 -q " + mkfsOptions + " '" + image +
                              "' >/dev/null 2>&1 && mount -o loop '" + image + "' '" + dir + "' >/dev/null 2>&1";
        mounted_ = system(command.c_str()) == 0;
    }
    ~Ext4LoopMount()
    {
        if (mounted_)
            umount2(dir_.c_str(), MNT_DETACH);
    }
    Ext4LoopMount(const Ext4LoopMount&) = delete;
    Ext4LoopMount& operator=(const Ext4LoopMount&) = delete;

    bool mounted() const { return mounted_; }

private:
    std::string dir_;
    bool mounted_ = false;
};

// A folder "d" of 200 files whose listing fails part-way with a real read
// error: on an ext4 image of our own, a leaf block of the folder's hashed
// index is overwritten, so its checksum fails when readdir reaches it.
// Needs root, loop devices and e2fsprogs; errors=continue keeps the volume
// writable.
class CorruptFolder {
public:
    CorruptFolder(const std::string& image, const std::string& dir) : dir_(dir)
    {
        mkdir(dir.c_str(), 0755);
        const std::string img = "'" + image + "'";
        const std::string mnt = "'" + dir + "'";
        std::ofstream(image + ".sh") << "set -e\n"
                                        "truncate -s 4M "
                                     << img << "; mkfs.ext4 -q -b 1024 -O dir_index,metadata_csum " << img
                                     << "\n"
                                        "mount -o loop "
                                     << img << " " << mnt << "; mkdir " << mnt
                                     << "/d\n"
                                        "for i in $(seq 200); do echo x > "
                                     << mnt
                                     << "/d/a_longish_file_name_$i; done\n"
                                        "umount "
                                     << mnt << "; block=$(debugfs -R 'blocks /d' " << img
                                     << " | awk '{print $(int(NF/2)+1)}')\n"
                                        "head -c 1024 /dev/zero | tr '\\0' x | dd of="
                                     << img
                                     << " bs=1024 seek=$block conv=notrunc\n"
                                        "mount -o loop,errors=continue "
                                     << img << " " << mnt << "\n";
        made_ = system(("bash '" + image + ".sh' >/dev/null 2>&1").c_str()) == 0;
    }
    ~CorruptFolder() { umount2(dir_.c_str(), MNT_DETACH); }  // also after a half-done set-up
    CorruptFolder(const CorruptFolder&) = delete;
    CorruptFolder& operator=(const CorruptFolder&) = delete;

    std::string path() const { return dir_ + "/d"; }

    // The precondition of every case: the listing really fails.
    bool ListingFails() const
    {
        DIR* dir = made_ ? opendir(path().c_str()) : nullptr;
        if (dir == nullptr)
            return false;
        errno = 0;
        while (readdir(dir) != nullptr) {
        }
        const bool failed = errno != 0;
        closedir(dir);
        return failed;
    }

private:
    std::string dir_;
    bool made_ = false;
};

#define REQUIRE_CORRUPT_FOLDER(folder)                                                           \
    do {                                                                                         \
        if (!(folder).ListingFails())                                                            \
            GTEST_SKIP() << "no folder with a read error: cannot loop-mount an ext4 image here " \
                            "(needs root, loop devices, mkfs.ext4 and debugfs)";                 \
    } while (0)

using unprivileged::RunAsNobody;

#define REQUIRE_ROOT()                                                               \
    do {                                                                             \
        if (geteuid() != 0)                                                          \
            GTEST_SKIP() << "needs root to set up an unprivileged child or a mount"; \
    } while (0)

}  // namespace fop_test

#endif  // VELMORA_FILE_OP_TEST_UTIL_H
