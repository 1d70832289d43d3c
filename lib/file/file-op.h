// File operations: inspection, directory listing, path strings and
// mutation of files and folders. Paths are ustring, handed to the system
// in UTF-8. Results: 0 success, negative failure (see each function).
#ifndef VELMORA_FILE_OP_H
#define VELMORA_FILE_OP_H

#include <dirent.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "ustring.h"

// Kinds of object, stored in _FILE_INFO_tag::type and DIR_ENTRY::type.
// The value 4 is never produced.
enum {
    FS_TYPE_NONE = 0,
    FS_TYPE_FILE = 1,
    FS_TYPE_DIR = 2,
    FS_TYPE_LINK = 3,
    FS_TYPE_DEVICE = 5,
    FS_TYPE_FIFO = 6,
    FS_TYPE_SOCKET = 7,
};

struct _FILE_INFO_tag {
    ustring path;  // canonical path of an existing object, else as given
    ustring name;  // last component of path (FSBaseName)
    int32_t type;
    int32_t mtime;  // low 32 bits of the modification seconds
    int64_t size;
    bool exists;
    uint32_t uid;
    uint32_t gid;
    uint32_t mode;  // the 16-bit mode word, zero-extended
    int64_t dev;

    _FILE_INFO_tag() : type(FS_TYPE_NONE), mtime(0), size(0), exists(false), uid(0), gid(0), mode(0), dev(0) {}
};

bool operator==(const _FILE_INFO_tag& a, const _FILE_INFO_tag& b);
bool operator!=(const _FILE_INFO_tag& a, const _FILE_INFO_tag& b);

// Bit of DIR_HANDLE::flags: look every entry up for its time and size.
enum { FS_DIR_FLAG_STAT = 1 };

struct DIR_HANDLE {
    ustring path;
    int32_t flags;
    DIR* dir;

    DIR_HANDLE() : flags(0), dir(nullptr) {}
};

struct DIR_ENTRY {
    ustring name;
    int32_t type;
    int32_t mtime;
    int64_t size;

    DIR_ENTRY() : type(FS_TYPE_NONE), mtime(0), size(0) {}
};

// Inspection. A missing path is not an error: exists is false.
int GetFileInfo(const ustring& path, _FILE_INFO_tag& info);  // 0, -1
bool IsFileExist(const ustring& path, bool exact);
int FSStat(const ustring& path, _FILE_INFO_tag& info, bool exact);  // 0, -1 empty, -2 lookup

// Directory listing; "." and ".." are delivered like any other entry.
int FSOpenDir(const ustring& path, int flags, DIR_HANDLE& handle);  // 0, -1
// 1 entry, 0 end, -1 lookup failed (the next call goes on), -2 the folder
// could not be read (the listing is incomplete).
int FSReadDir(DIR_HANDLE& handle, DIR_ENTRY& entry);
void FSCloseDir(DIR_HANDLE& handle);

// Path strings, "/" the only separator.
ustring FSParentPath(const ustring& path);
ustring FSBaseName(const ustring& path);
bool FSIsParentFolder(const ustring& parent, const ustring& child);
bool FSTimeEqual(long a, long b);

// Access tests with access(2) modes (F_OK, R_OK, W_OK, X_OK).
bool isFileLocked(const ustring& path, int amode);
bool hasFilePermission(const ustring& path, int amode);

// Volume kind: network volume / FAT volume.
bool isMountPoint(const ustring& path);
bool IsMSDOS(const ustring& path);

// Canonical path with every link followed, the final one included.
int FSGetRealPath(ustring& path);  // 0, -1 (path unchanged)

int FSCreateSymbolicLink(const ustring& target, const ustring& link);  // 0, -1
int FSReadSymbolicLink(const ustring& link, ustring& target);          // 0, -1
int FSChown(const ustring& path, unsigned int uid, unsigned int gid);  // 0, -1
int FSUTime(const ustring& path, long atime, long mtime);              // 0, -1

// Mutation.
// 0 created or already a folder; -1 bad path, lookup failure or not a
// folder; -2 creation failed.
int FSMKDir(const ustring& path, bool recursive);
// Mode 0xFFFF: 0777 under the umask; any other mode is applied exactly to
// the folders created, the umask left alone.
int FSMKDirP(const ustring& path, char** stop, bool force, unsigned short mode);
int FSMKDirFromRoot(const ustring& target, const ustring& root);  // 0, -1
// 0; -1 failure; -2 destination volume full or over quota. Copies the
// bytes only; a symbolic link at dst is refused, never written through.
int FSCopy(const ustring& src, const ustring& dst, bool removeSource);
// 0; -1 empty path; -2 source absent or lookup failed; -3 move failed;
// -100 name too long. Across volumes (move-across.cpp): onto a name that
// holds no folder with entries, all or nothing, by FSCopyWhole and then
// FSRemoveMoved; on failure dst and src stay as they were. As with
// rename(2), an existing dst is replaced when it is a file or an empty
// folder. A folder moved onto a folder with entries is merged into it,
// entry by entry by the same rule; a merge that fails half-way leaves what
// was moved at dst and the rest at src, every file whole.
int FSRename(const ustring& src, const ustring& dst, bool exact);
// 0 removed or nothing to remove; -1 bad path or lookup failure;
// -3 removal failed. Never follows a symbolic link. flag has no effect.
int FSRemove(const ustring& path, bool flag = false);
// FSRename's move to another volume in its two halves, for a caller that
// records between them that the object has arrived. FSCopyWhole copies src
// (a file, link, named pipe or folder tree) to dst whole or not at all:
// beside dst under a temporary name, every file synced, renamed into place,
// the folder synced; src stays. Links are copied as links, never followed;
// sockets and devices inside a tree are left out (a WARNING line each).
// 0, or -3 with dst as it was.
int FSCopyWhole(const ustring& src, const ustring& dst);
// Removes the source of a move whose copy has arrived. The root folder of a
// volume mounted there cannot go: emptied, it stays, and the move counts as
// done (a WARNING line says so). 0, or -3.
int FSRemoveMoved(const ustring& src);
// True when moving src into folder is a rename, not a copy: both lie on one
// volume and src is not the root folder of a volume mounted there.
bool FSMovesByRename(const ustring& src, const ustring& folder);
// True for a folder, not a link to one, that lists nothing but "." and "..".
bool FSIsEmptyFolder(const ustring& path);
int FSMktemp(const ustring& dir, ustring& out);          // 0, -1
int FSCreateTempPath(const ustring& dir, ustring& out);  // 0, -1

// Small files that carry state between runs.
// Replaces path with content as a whole: written to path + ".new", synced,
// renamed over path, the folder synced. After a crash path holds the old
// content or the new one; a draft left by a run cut short is replaced by
// the next write. 0, or -1 with errno set; path is then as it was, unless
// only the folder's sync failed.
int FSWriteFileAtomic(const ustring& path, const std::string& content);
// Removes what FSWriteFileAtomic made at path: the file and a draft that a
// run cut short left. 0 when neither is there (also when there was none),
// or -1 with errno set.
int FSRemoveFileAtomic(const ustring& path);
// Writes the folder's entries (new names, renames, removals) to the device.
// 0, or -1 with errno set.
int FSSyncFolder(const ustring& folder);
// Reads a small file through the regular-file opener: a named pipe, a
// device, a folder or a link at path is refused, never waited on. 0; -1
// with errno set when it cannot be opened or read; -2 when it holds more
// than limit bytes (content then holds the first limit).
int FSReadSmallFile(const ustring& path, size_t limit, std::string& content);

#endif  // VELMORA_FILE_OP_H
