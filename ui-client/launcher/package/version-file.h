#ifndef VELMORA_LAUNCHER_VERSION_FILE_H
#define VELMORA_LAUNCHER_VERSION_FILE_H

#include "ustring.h"

// Version of a client bundle as its "INFO" file states it. Only
// build_version takes part in the upgrade decision.
struct VerInfo {
    ustring major_version;
    ustring minor_version;
    ustring build_version;
    ustring icon_overlay_version;
};

// Reads the keys of group "Version" that the INFO file at path holds, and
// the package digest into package_sha256 when given; a missing key leaves
// its field as it was, a missing file reads as one without keys. 0, or -1
// when something is at path that cannot be read as a regular file (a
// pipe, a device, no permission), which also reads as no keys.
int ReadVersionFile(const ustring& path, VerInfo& info, ustring* package_sha256 = nullptr);

// The key of the package's SHA-256 (lowercase hex) in group "Version" of
// the launcher bundle's INFO; a bundle without it is not checked.
extern const char kPackageSha256Key[];

// The value of one more key of group "Version"; empty when it is absent.
ustring ReadVersionKey(const ustring& path, const char* key);

// A build_version as a number, with atoi's rules; an empty text is build 0.
int BuildNumber(const ustring& build_version);

#endif  // VELMORA_LAUNCHER_VERSION_FILE_H
