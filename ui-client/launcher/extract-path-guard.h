#ifndef VELMORA_LAUNCHER_EXTRACT_PATH_GUARD_H
#define VELMORA_LAUNCHER_EXTRACT_PATH_GUARD_H

#include <string>

#include "ustring.h"

// The disk writer follows symbolic links on the way to an entry, so an
// earlier entry "lnk -> /elsewhere" would let "lnk/file" land outside the
// bundle. This checks, with lstat, every existing component of an archive
// name below dest_dir (the last one too when include_last is set) and
// refuses the name when one of them is a symbolic link. Folders above
// dest_dir are not looked at: the user's home may well be reached through
// a link. Names with a ".." component are left to the writer, which
// refuses them itself.
// Returns 0 when the name is safe, -1 with the reason in `reason`.
int CheckNoLinkOnPath(const ustring& dest_dir, const char* name, bool include_last,
                      std::string& reason);

#endif
