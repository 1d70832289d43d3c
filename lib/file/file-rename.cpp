// Renaming a file or a folder tree; across volumes the object is copied
// and the source removed (move-across.cpp).
#include <cerrno>
#include <cstdio>

#include "file-op-internal.h"

int FSRename(const ustring& src, const ustring& dst, bool exact)
{
    if (src.empty() || dst.empty())
        return -1;
    _FILE_INFO_tag info;
    // A plain move needs only the kind of object, not its canonical path.
    int status = exact ? FSStat(src, info, true) : LookupFileInfo(src, info);
    if (status < 0 || !info.exists)
        return -2;
    if (rename(src.c_str(), dst.c_str()) == 0)
        return 0;
    if (errno == ENAMETOOLONG)
        return -100;
    return errno == EXDEV ? MoveAcrossVolumes(src, dst, info.type, exact) : -3;
}
