// Moving to another volume, where rename(2) cannot. Onto a name that holds
// no folder with entries the move is all or nothing: the object is copied
// whole beside the destination and renamed into place (copy-whole.cpp), and
// only then is the source removed; on failure the destination keeps what
// it held and the source stays whole. A folder moved onto a folder that has
// entries is merged into it, entry by entry, each by the same rule: a file
// replaces its namesake in one step, never by writing over it, so a move
// that fails half-way (a full volume) leaves each file whole, either at
// the destination or at the source.
#include <sys/stat.h>

#include <cerrno>

#include "file-op-internal.h"

#define LOG_TAG "file-op"

namespace {

bool IsFolderWithEntries(const ustring& path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && !FSIsEmptyFolder(path);
}

// The root folder of a volume mounted there: not on its parent's volume.
bool IsVolumeRoot(const ustring& path)
{
    struct stat st;
    struct stat parent;
    return lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && stat(FSParentPath(path).c_str(), &parent) == 0 &&
           st.st_dev != parent.st_dev;
}

int MergeInto(const ustring& src, const ustring& dst, bool exact)
{
    const int merged = VisitEntries(
        src, [&](const DIR_ENTRY& entry) { return FSRename(src + "/" + entry.name, dst + "/" + entry.name, exact); });
    return merged == 0 && FSRemoveMoved(src) == 0 ? 0 : -3;
}

}  // namespace

int MoveAcrossVolumes(const ustring& src, const ustring& dst, int type, bool exact)
{
    if (type == FS_TYPE_DIR && IsFolderWithEntries(dst))
        return MergeInto(src, dst, exact);
    // Once dst is complete, a source that cannot be removed leaves two
    // copies, never none.
    if (FSCopyWhole(src, dst) != 0 || FSRemoveMoved(src) != 0)
        return -3;
    return 0;
}

int FSRemoveMoved(const ustring& src)
{
    if (FSRemove(src, false) == 0)
        return 0;
    // A volume mounted there cannot be taken away; once it is empty, all it
    // held has moved.
    if (!IsVolumeRoot(src) || !FSIsEmptyFolder(src))
        return -3;
    VLOG_WARNING(__LINE__, "FSRename: everything in '%s' has moved; the folder is a mount point and stays, empty\n",
                 src.c_str());
    return 0;
}

bool FSMovesByRename(const ustring& src, const ustring& folder)
{
    struct stat from;
    struct stat into;
    return lstat(src.c_str(), &from) == 0 && stat(folder.c_str(), &into) == 0 && from.st_dev == into.st_dev &&
           !IsVolumeRoot(src);
}
