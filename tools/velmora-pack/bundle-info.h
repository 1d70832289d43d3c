#ifndef VELMORA_PACK_BUNDLE_INFO_H
#define VELMORA_PACK_BUNDLE_INFO_H

#include <string>

#include "pack-entry.h"
#include "package/version-file.h"

// The launcher bundle's INFO: the four fields (empty ones left out) and the
// package digest. 0, or -1.
int WriteInfo(const std::string& path, const VerInfo& version, const std::string& sha256);

// A build number the launcher reads as written: decimal digits only, from
// 1 to the largest int. The launcher reads "2.1.300" as 2.
bool IsWholeBuildNumber(const std::string& text);

// A problem line when the build_version of the INFO at where is missing or
// not a whole number.
void CheckBuild(const VerInfo& version, const std::string& where, Problems& problems);

#endif  // VELMORA_PACK_BUNDLE_INFO_H
