#ifndef VELMORA_LAUNCHER_PACKAGE_PREFLIGHT_H
#define VELMORA_LAUNCHER_PACKAGE_PREFLIGHT_H

#include <string>
#include <vector>

#include "package/package-tree.h"
#include "ustring.h"

// What a package must be for an installation to be worth starting, checked
// before anything is stopped or moved. Needs neither the path registry nor
// the service, so a packaging tool can check a package the same way.
struct PackageCheck {
    ustring archive_path;
    // Paths inside the bundle, as the package names its entries.
    ustring client_path;  // the client executable, e.g. "Contents/MacOS/cloud-drive-ui"
    ustring info_path;    // the bundle's INFO, e.g. "Contents/Resources/INFO"
    // The build_version the package's INFO must state (compared as build
    // numbers, as the upgrade decision reads them); empty: not compared.
    ustring expected_build;
    // False when no complete client is in place: a client of another build
    // is better than none, so another build is a warning, not a problem.
    bool build_must_match = true;
    // SHA-256 of the package file in hex; empty: not compared.
    std::string expected_sha256;
    // Where the bundle will be written; its volume (that of its nearest
    // existing ancestor) must have room for the package. Empty: not checked.
    ustring space_folder;
    // A folder the installation first moves next to the bundle (the older
    // product's data); when it lies on another volume than space_folder,
    // its copy needs room there too. Empty: nothing moves.
    ustring moved_data;
    // Where the INFO's bytes are put to be read as an INFO file is read
    // (info-copy.h); empty: the system's temporary folder.
    ustring info_copy_folder;
};

// What the survey found. problems holds one line per failed check, in the
// order of the checks; an empty list means the package may be installed.
struct PackageSurvey {
    int entries = 0;                 // entries read, the total for the extractor
    long long unpacked_bytes = 0;    // sum of the sizes of the file entries, at most LLONG_MAX
    bool client_present = false;     // the client path names a regular file
    bool client_executable = false;  // ... with an execute permission bit
    bool info_present = false;       // the INFO path names a regular file
    ustring info_build;              // build_version of that INFO, as written
    std::string info_bytes;          // the INFO's bytes, up to a limit
    PackageTree tree;                // what the entries leave below the destination
    std::string sha256;              // digest in lowercase hex, when one was expected
    long long moved_bytes = 0;       // bytes of moved_data copied across volumes
    long long needed_bytes = 0;      // unpacked size plus the margin, when room was checked
    long long available_bytes = -1;  // room on the volume; -1 when not checked
    std::vector<std::string> problems;
    // Of the problems, those that only say the package cannot be read (it
    // is missing, not an archive, damaged or cut short). Without a digest
    // to check, such a package goes the ordinary way: the extraction fails
    // and the old bundle is put back.
    int unreadable = 0;
    std::vector<std::string> warnings;  // what holds no installation back
};

// Reads the package once: its entry list (headers only where the format
// allows, the INFO's bytes, and every byte for the digest when one is
// expected), then checks that
// - the package opens and its whole entry list reads without error;
// - every entry is a folder, a regular file, a symbolic link or a hard link
//   without data of its own, and no name or hard-link target has a ".."
//   component or names the destination itself (the extractor's own rules);
// - no entry lies below a file or link of the package, changes the kind of
//   an earlier one or collides with one on the client's volume, and a hard
//   link names an earlier file (package-tree.h);
// - the client path is a regular file with its owner's execute bit, the
//   INFO path a regular file its owner may read, stating expected_build;
// - the file's digest is expected_sha256;
// - the volume of space_folder has room for the unpacked size plus a margin
//   (and for moved_data when that comes from another volume).
// Checks that need the whole list are skipped when it cannot be read.
PackageSurvey SurveyPackage(const PackageCheck& check);

class PackageSource;
// The same through `source`, which the caller keeps: a package that passes
// is then extracted from the very descriptor that was checked.
PackageSurvey SurveyPackage(const PackageCheck& check, PackageSource& source);

#endif  // VELMORA_LAUNCHER_PACKAGE_PREFLIGHT_H
