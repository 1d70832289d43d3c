// Directory enumeration: every entry the stream gives, "." and ".."
// included, optionally looked up for its time and size.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "file-op-internal.h"

#define LOG_TAG "file-op"

namespace {

int FileTypeOfDirentType(unsigned char type)
{
    switch (type) {
        case DT_FIFO:
            return FS_TYPE_FIFO;
        case DT_CHR:
            return FS_TYPE_DEVICE;
        case DT_DIR:
            return FS_TYPE_DIR;
        case DT_BLK:
            return FS_TYPE_DEVICE;
        case DT_REG:
            return FS_TYPE_FILE;
        case DT_LNK:
            return FS_TYPE_LINK;
        case DT_SOCK:
            return FS_TYPE_SOCKET;
        default:
            return FS_TYPE_NONE;
    }
}

}  // namespace

// Some volumes (older XFS, several network and FUSE file systems) leave the
// type byte unknown; ask the entry itself so a folder is never taken for
// something else.
int EntryTypeAt(int dirFd, const dirent* entry)
{
    if (entry->d_type != DT_UNKNOWN)
        return FileTypeOfDirentType(entry->d_type);
    struct stat st;
    if (fstatat(dirFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return -1;
    int type = FileTypeOfMode(st.st_mode);
    return type < 0 ? FS_TYPE_NONE : type;
}

int ReadNextEntry(DIR* dir, const dirent*& entry)
{
    errno = 0;
    entry = readdir(dir);
    if (entry != nullptr)
        return 1;
    return errno == 0 ? 0 : -1;
}

int FSOpenDir(const ustring& path, int flags, DIR_HANDLE& handle)
{
    DIR* dir = opendir(path.c_str());
    if (dir == nullptr) {
        VLOG_ERROR(__LINE__, "FSOpenDir: Failed to open directory '%s'. %s\n", path.c_str(), strerror(errno));
        return -1;
    }
    handle.dir = dir;
    handle.path = path;
    handle.flags = flags;
    return 0;
}

int FSReadDir(DIR_HANDLE& handle, DIR_ENTRY& entry)
{
    if (handle.dir == nullptr)
        return 0;
    const dirent* next = nullptr;
    const int read = ReadNextEntry(handle.dir, next);
    if (read < 0) {
        VLOG_ERROR(__LINE__, "FSReadDir: Failed to read directory '%s'. %s\n", handle.path.c_str(), strerror(errno));
        return -2;
    }
    if (read == 0)
        return 0;
    int32_t mtime = 0;
    int64_t size = 0;
    if (handle.flags & FS_DIR_FLAG_STAT) {
        ustring full = handle.path + "/" + next->d_name;
        _FILE_INFO_tag info;
        if (FSStat(full, info, true) < 0) {
            VLOG_ERROR(__LINE__, "FSOpenDir: Failed to get info for '%s'\n", full.c_str());
            return -1;
        }
        mtime = info.mtime;
        size = info.size;
    }
    entry.name = next->d_name;
    const int type = EntryTypeAt(dirfd(handle.dir), next);
    entry.type = type < 0 ? FS_TYPE_NONE : type;  // an entry that cannot be examined
    entry.mtime = mtime;
    entry.size = size;
    return 1;
}

void FSCloseDir(DIR_HANDLE& handle)
{
    if (handle.dir != nullptr)
        closedir(handle.dir);
    handle.dir = nullptr;
    handle.path.clear();
}

int VisitEntries(const ustring& folder, const std::function<int(const DIR_ENTRY&)>& visit)
{
    DIR_HANDLE handle;
    if (FSOpenDir(folder, 0, handle) != 0)
        return -1;
    int result = 0;
    int read = 0;
    DIR_ENTRY entry;
    while (result == 0 && (read = FSReadDir(handle, entry)) == 1) {
        if (!IsDotOrDotDot(entry.name.c_str()))
            result = visit(entry);
    }
    FSCloseDir(handle);
    return result == 0 && read == 0 ? 0 : -1;
}

// Empty when the listing ends, without a read error, before any name but
// "." and "..". A link to a folder is no folder here.
bool FSIsEmptyFolder(const ustring& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    DIR* dir = fdopendir(fd);
    if (dir == nullptr) {
        close(fd);
        return false;
    }
    int read = 0;
    const dirent* entry = nullptr;
    while ((read = ReadNextEntry(dir, entry)) > 0 && IsDotOrDotDot(entry->d_name)) {
    }
    closedir(dir);
    return read == 0;
}
