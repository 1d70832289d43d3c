// Removing a file, a link or a folder tree, depth first. The tree is walked
// through directory descriptors and every folder is opened with O_NOFOLLOW,
// so a symbolic link inside the tree is deleted itself and nothing it
// points to is touched, even if a folder is swapped for a link under us.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "file-op-internal.h"

namespace {

int RemoveFolderAt(int parentFd, const char* name);

// 0 when the entry is gone (also when it vanished meanwhile).
int RemoveEntryAt(int dirFd, const dirent* entry)
{
    const int type = EntryTypeAt(dirFd, entry);
    if (type < 0)
        return errno == ENOENT ? 0 : -1;
    if (type != FS_TYPE_DIR) {
        if (unlinkat(dirFd, entry->d_name, 0) == 0 || errno == ENOENT)
            return 0;
        if (errno != EISDIR)
            return -3;
    }
    return RemoveFolderAt(dirFd, entry->d_name);
}

// A folder of our own without owner read, write or search (0000 to 0300, or
// 0555 inside a bundle) could not be opened, listed or emptied; the owner
// gets all three before it is opened. Changed through the parent's
// descriptor without following a link, so only the folder we walk into
// ever changes, never a link's target; folders of others are left as they
// are and fail.
void AllowOwnerToEmpty(int parentFd, const char* name)
{
    struct stat st;
    if (fstatat(parentFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != geteuid() ||
        (st.st_mode & S_IRWXU) == S_IRWXU)
        return;
    // A failure shows as the removal failing below.
    (void)fchmodat(parentFd, name, (st.st_mode & 07777) | S_IRWXU, AT_SYMLINK_NOFOLLOW);
}

// Empties the folder open on fd; takes ownership of fd.
int RemoveContents(int fd)
{
    DIR* dir = fdopendir(fd);
    if (dir == nullptr) {
        close(fd);
        return -3;
    }
    int read = 0;
    const dirent* entry = nullptr;
    while ((read = ReadNextEntry(dir, entry)) > 0) {
        if (!IsDotOrDotDot(entry->d_name) && RemoveEntryAt(dirfd(dir), entry) != 0)
            break;
    }
    closedir(dir);
    return read == 0 ? 0 : -3;
}

int RemoveFolderAt(int parentFd, const char* name)
{
    AllowOwnerToEmpty(parentFd, name);
    int fd = openat(parentFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? 0 : -3;
    if (RemoveContents(fd) != 0)
        return -3;
    if (unlinkat(parentFd, name, AT_REMOVEDIR) == 0 || errno == ENOENT)
        return 0;
    return -3;
}

// "link/" names the folder the link points to; judged without the
// trailing "/", the link itself goes and its target is never emptied.
ustring WithoutTrailingSlashes(const ustring& path)
{
    size_t end = path.length();
    while (end > 1 && path[end - 1] == '/')
        --end;
    return path.substr(0, end);
}

}  // namespace

int FSRemove(const ustring& path, bool /*flag*/)
{
    if (path.empty())
        return -1;
    ustring target = WithoutTrailingSlashes(path);
    _FILE_INFO_tag info;
    if (GetFileInfo(target, info) != 0)
        return -1;
    if (!info.exists)
        return 0;
    if (info.type != FS_TYPE_DIR)
        return remove(target.c_str()) == 0 ? 0 : -3;
    // A folder that cannot be listed is not removed: that is a failure.
    return RemoveFolderAt(AT_FDCWD, target.c_str());
}
