#ifndef VELMORA_PACK_BUNDLE_CHECK_H
#define VELMORA_PACK_BUNDLE_CHECK_H

#include <string>

#include "pack-entry.h"
#include "package/package-preflight.h"
#include "package/version-file.h"

class PackageSource;

// A package as the launcher judges it before installing: its own
// pre-flight (entry list, kinds and names, the client executable, the INFO
// stating expected_build, the digest when one is expected), and a
// build_version that is a whole number. Appends one line per problem.
// Through `source` when given, which the caller keeps to read on.
PackageSurvey CheckPackage(const std::string& package, const ustring& expected_build,
                           const std::string& expected_sha256, Problems& problems, PackageSource* source = nullptr);

// Why the file at path cannot serve as the launcher (shown as shown), or
// empty: it must be a regular file its owner may run.
std::string LauncherProblem(const std::string& path, const std::string& shown);

// A launcher bundle as a start of its launcher needs it: the launcher
// executable answering as launcher-check.h asks, the bundle's INFO with a whole build number, the package
// checked against that build and the digest the INFO records, and its
// entries as entry-checks.h asks.
struct BundleCheck {
    VerInfo version;       // the bundle's INFO
    PackageSurvey survey;  // of its package
    Problems problems;
};
BundleCheck CheckLauncherBundle(const std::string& bundle);

#endif  // VELMORA_PACK_BUNDLE_CHECK_H
