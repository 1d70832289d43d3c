#ifndef VELMORA_LAUNCHER_PACKAGE_ROOM_H
#define VELMORA_LAUNCHER_PACKAGE_ROOM_H

#include <string>

#include "package/package-preflight.h"

// "5242880 bytes (5.0 MiB)": how a refusal states a size.
std::string SizeFigure(long long bytes);

// Checks that the volume that will hold `folder` (that of its nearest
// existing ancestor) has room for the surveyed package, and for a copy of
// moved_data when that folder lies on another volume (empty: none); fills
// moved_bytes, needed_bytes and available_bytes, and adds a problem when
// the room is short or cannot be found.
void CheckRoom(const ustring& folder, const ustring& moved_data, PackageSurvey& survey);

#endif  // VELMORA_LAUNCHER_PACKAGE_ROOM_H
