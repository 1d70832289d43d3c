#ifndef VELMORA_LAUNCHER_EXTRACT_PATH_GUARD_H
#define VELMORA_LAUNCHER_EXTRACT_PATH_GUARD_H

#include <string>

#include "ustring.h"

struct archive_entry;

// The rules every package entry meets before it is written below the
// destination, shared by the extractor and the package pre-flight so that
// both judge a package alike.

// The archive name as the writer places it below the destination, without
// empty and "." components: "./a//b/" is "a/b"; "", ".", "/" and "//" are
// all "" (the destination itself).
std::string CleanEntryName(const char* name);
// The same into `into`, whose room is kept from one name to the next.
void CleanEntryName(const char* name, std::string& into);

// Why an entry may not be extracted, or an empty text when it may. Refused:
// a kind other than a folder, a regular file, a symbolic link or a hard
// link (a named pipe or a device has no place in a bundle), a hard link
// that carries data of its own (the writer would write it into the file
// linked to, which the package stores with other bytes), and a name or
// hard-link target that names the destination itself (the writer would
// replace the destination folder by the entry), unless the entry is a
// folder: "./" of a package made with "tar -C folder ." replaces nothing.
// With `strict`, also what the writer refuses on its own (a ".."
// component): a package judged before anything is written must meet it
// too. An absolute name is no fault: the entry is placed below the
// destination like any other.
std::string EntryRefusal(archive_entry* entry, bool strict);

// True for the folder entry that names the destination itself: it is
// counted, and nothing is written for it (the destination keeps its mode).
bool IsDestinationFolder(archive_entry* entry);

// The disk writer follows symbolic links on the way to an entry, so an
// earlier entry "lnk -> /elsewhere" would let "lnk/file" land outside the
// bundle. This checks, with lstat, every existing component of an archive
// name below dest_dir (the last one too when include_last is set) and
// refuses the name when one of them is a symbolic link. Folders above
// dest_dir are not looked at: the user's home may well be reached through
// a link. Names with a ".." component are left to the writer, which
// refuses them itself.
// Returns 0 when the name is safe, -1 with the reason in `reason`.
int CheckNoLinkOnPath(const ustring& dest_dir, const char* name, bool include_last, std::string& reason);

#endif
