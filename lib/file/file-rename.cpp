// Renaming a file or a folder tree; across volumes the tree is copied and
// the source deleted, one entry at a time.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "file-op-internal.h"

namespace {

int MoveObject(const ustring& src, const ustring& dst, int type);

// src was found and its children are named as its folder lists them, so
// they need no canonical-path test of their own.
int MoveLookedUp(const ustring& src, const ustring& dst)
{
    _FILE_INFO_tag info;
    if (LookupFileInfo(src, info) < 0 || !info.exists)
        return -2;
    return MoveObject(src, dst, info.type);
}

// Applied once the folder is filled, so that neither a read-only mode nor
// the entries moved in get in the way.
void KeepFolderAttributes(const struct stat& from, const ustring& dst)
{
    int fd = open(dst.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return;
    KeepAttributes(fd, from, dst);
    close(fd);
}

int MoveEntries(const ustring& src, const ustring& dst)
{
    DIR_HANDLE handle;
    if (FSOpenDir(src, 0, handle) != 0)
        return -3;
    int read = 0;
    DIR_ENTRY entry;
    while ((read = FSReadDir(handle, entry)) == 1) {
        if (!IsDotOrDotDot(entry.name.c_str()) && MoveLookedUp(src + "/" + entry.name, dst + "/" + entry.name) != 0)
            break;
    }
    FSCloseDir(handle);
    return read == 0 ? 0 : -3;
}

int MoveFolderAcross(const ustring& src, const ustring& dst)
{
    // Taken first: the entries leaving the folder change its times.
    struct stat srcSt;
    if (lstat(src.c_str(), &srcSt) != 0 || FSMKDir(dst, true) != 0)
        return -3;
    if (MoveEntries(src, dst) != 0)
        return -3;
    KeepFolderAttributes(srcSt, dst);
    return remove(src.c_str()) == 0 ? 0 : -3;
}

// Only folders and regular files can be carried to another volume; a
// symbolic link, device, pipe or socket stops the move.
int MoveAcross(const ustring& src, const ustring& dst, int type)
{
    if (type == FS_TYPE_DIR)
        return MoveFolderAcross(src, dst);
    return MoveAcrossVolumes(src, dst, type);
}

int MoveObject(const ustring& src, const ustring& dst, int type)
{
    if (rename(src.c_str(), dst.c_str()) == 0)
        return 0;
    if (errno == ENAMETOOLONG)
        return -100;
    if (errno == EXDEV)
        return MoveAcross(src, dst, type);
    return -3;
}

}  // namespace

int FSRename(const ustring& src, const ustring& dst, bool exact)
{
    if (src.empty() || dst.empty())
        return -1;
    _FILE_INFO_tag info;
    // A plain move needs only the kind of object, not its canonical path.
    int status = exact ? FSStat(src, info, true) : LookupFileInfo(src, info);
    if (status < 0 || !info.exists)
        return -2;
    return MoveObject(src, dst, info.type);
}
