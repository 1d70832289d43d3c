#ifndef VELMORA_LAUNCHER_INFO_COPY_H
#define VELMORA_LAUNCHER_INFO_COPY_H

#include <string>

#include "ustring.h"

// The build_version that an INFO's bytes state, read exactly as the
// launcher reads an INFO file (version-file.h). That reader takes only a
// file by name, so the bytes go to a file of their own: in `folder` (the
// per-user folder, which an installation needs writable anyway) when it
// takes one, else in the system's temporary folder. The copy is removed
// before the return. 0, or -1 with the reason in error.
int ReadInfoBuild(const std::string& bytes, const ustring& folder, ustring& build, std::string& error);

// Removes from folder the copies of runs that ended between writing and
// removing one.
void RemoveInfoCopies(const ustring& folder);

#endif  // VELMORA_LAUNCHER_INFO_COPY_H
