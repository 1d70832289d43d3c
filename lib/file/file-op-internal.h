// Helpers shared by the file-op sources; not part of the public interface.
#ifndef VELMORA_FILE_OP_INTERNAL_H
#define VELMORA_FILE_OP_INTERNAL_H

#include <sys/stat.h>

#include <functional>
#include <string>

#include "file-op.h"
#include "log.h"

// Every line of this library goes to the "file_op_debug" component; the
// format carries the "file-op(%d): " tag. Logging leaves errno as it was,
// so a call site may log before returning a failure whose errno its caller
// reads.
#define LOG_COMPONENT "file_op_debug"

// Paths longer than this are never produced by the resolver.
const size_t kFsPathBound = 4096;

// The file type value of a mode word, or -1 for a kind we do not know.
int FileTypeOfMode(mode_t mode);

// The file type value of a listed entry, from its type byte or, where the
// volume leaves that unknown, from the entry itself without following a
// link: FS_TYPE_NONE for a kind we do not know, -1 (errno set) when the
// entry cannot be examined.
int EntryTypeAt(int dirFd, const dirent* entry);

// The next entry of dir into entry: 1, or 0 at the end, or -1 (errno set)
// when the folder cannot be read, which is no end: a listing cut short
// must not pass for the whole folder.
int ReadNextEntry(DIR* dir, const dirent*& entry);

// The status of path without following a final link, without the canonical
// path: path and name are the given ones. 0 (also when missing) or -1.
int LookupFileInfo(const ustring& path, _FILE_INFO_tag& info);

// Canonical path of an existing object into out: the parent folder with
// every symbolic link resolved, joined with the name as that folder lists
// it. followFinal also resolves a final symbolic link. Returns 0, or a
// positive errno value.
int ResolveCanonicalPath(const char* path, bool followFinal, std::string& out);

// FSCopy; with keepAttributes the copy also gets the permission bits and
// times of its source, as a rename keeps them.
int CopyFileBytes(const ustring& src, const ustring& dst, bool removeSource, bool keepAttributes);

// The fallback of FSRename for a source of the given type on another
// volume than dst (move-across.cpp): 0, or -3.
int MoveAcrossVolumes(const ustring& src, const ustring& dst, int type, bool exact);

// Gives the object open on fd the permission bits (never the set-id bits,
// which would be granted by whoever copies) and the times of from. Best
// effort: a volume without Unix modes refuses, which is logged.
void KeepAttributes(int fd, const struct stat& from, const ustring& path);

// Calls visit for every entry of folder but "." and "..", in listing
// order, until one returns non-zero. 0 when every entry was visited and the
// listing ended cleanly; -1 when the folder could not be opened or read to
// its end or a visit failed.
int VisitEntries(const ustring& folder, const std::function<int(const DIR_ENTRY&)>& visit);

// Syncs a folder; with from, it first gets the mode and times of from (a
// folder copied to another volume gets them once it is filled). 0, or -1
// with errno set.
int SyncFolder(const ustring& folder, const struct stat* from);

inline bool IsDotOrDotDot(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

#endif  // VELMORA_FILE_OP_INTERNAL_H
