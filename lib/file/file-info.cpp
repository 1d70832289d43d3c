// The file information record: status lookup, existence tests with the
// canonical-path comparison, and record equality.
#include <cerrno>
#include <string>

#include "file-op-internal.h"

#define LOG_TAG "file-op"

int FileTypeOfMode(mode_t mode)
{
    switch (mode & S_IFMT) {
        case S_IFIFO:
            return FS_TYPE_FIFO;
        case S_IFCHR:
            return FS_TYPE_DEVICE;
        case S_IFDIR:
            return FS_TYPE_DIR;
        case S_IFBLK:
            return FS_TYPE_DEVICE;
        case S_IFREG:
            return FS_TYPE_FILE;
        case S_IFLNK:
            return FS_TYPE_LINK;
        case S_IFSOCK:
            return FS_TYPE_SOCKET;
        default:
            return -1;
    }
}

static void SetMissing(const ustring& path, _FILE_INFO_tag& info)
{
    info.exists = false;
    info.mtime = 0;
    info.name = FSBaseName(path);
    info.path = path;
    info.size = 0;
    info.type = FS_TYPE_NONE;
    info.uid = 0;
    info.gid = 0;
    info.mode = 0;
    info.dev = 0;
}

static void SetFromStatus(const ustring& path, const struct stat& st, _FILE_INFO_tag& info)
{
    info.exists = true;
    info.mtime = static_cast<int32_t>(static_cast<uint32_t>(st.st_mtime));
    info.name = FSBaseName(path);
    info.path = path;
    info.size = static_cast<int64_t>(st.st_size);
    info.uid = st.st_uid;
    info.gid = st.st_gid;
    info.mode = static_cast<uint16_t>(st.st_mode);
    // Full width here: Linux device numbers do not fit in 32 bits.
    info.dev = static_cast<int64_t>(st.st_dev);
}

int LookupFileInfo(const ustring& path, _FILE_INFO_tag& info)
{
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) {
        if (errno != ENOENT)
            return -1;
        SetMissing(path, info);
        return 0;
    }
    SetFromStatus(path, st, info);
    int type = FileTypeOfMode(st.st_mode);
    if (type < 0)
        return -1;
    info.type = type;
    return 0;
}

int GetFileInfo(const ustring& path, _FILE_INFO_tag& info)
{
    if (LookupFileInfo(path, info) != 0)
        return -1;
    if (!info.exists)
        return 0;
    VLOG_DEBUG(__LINE__, "Input file path = [%s].\n", path.c_str());
    std::string resolved;
    int status = ResolveCanonicalPath(path.c_str(), false, resolved);
    if (status != 0) {
        VLOG_ERROR(__LINE__, "FSPathMakeRef: %d\n", status);
        return -1;
    }
    VLOG_DEBUG(__LINE__, "FSRefMakePath outTargetPath path = [%s].\n", resolved.c_str());
    info.path = resolved;
    info.name = FSBaseName(info.path);
    return 0;
}

// Bytes that are not UTF-8 have no normal form (it comes back empty for
// every such path, which would make any two of them equal), so they are
// compared as they stand.
static ustring ComparableForm(const ustring& path)
{
    return ustring::is_valid(path) ? path.normalize(ustring::NFC) : path;
}

bool IsFileExist(const ustring& path, bool exact)
{
    if (path.empty())
        return false;
    _FILE_INFO_tag info;
    // The plain question needs no canonical path, so it skips the resolver.
    int status = exact ? GetFileInfo(path, info) : LookupFileInfo(path, info);
    if (status < 0 || !info.exists)
        return false;
    if (!exact)
        return true;
    return ComparableForm(info.path) == ComparableForm(path);
}

int FSStat(const ustring& path, _FILE_INFO_tag& info, bool exact)
{
    if (path.empty())
        return -1;
    if (!IsFileExist(path, exact)) {
        info.exists = false;
        return 0;
    }
    return GetFileInfo(path, info) < 0 ? -2 : 0;
}

bool operator==(const _FILE_INFO_tag& a, const _FILE_INFO_tag& b)
{
    return a.exists == b.exists && a.size == b.size && a.mtime == b.mtime && a.type == b.type && a.path == b.path &&
           a.name == b.name;
}

bool operator!=(const _FILE_INFO_tag& a, const _FILE_INFO_tag& b)
{
    return !(a == b);
}
