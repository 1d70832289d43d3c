// Launcher bundles for the comparisons: the demo bundle's layout, with a
// package whose client is a stand-in that exits at once (a copy of true, so
// that the client's own start neither competes with the launcher's end nor
// stays running) and whatever payload the comparison needs.
#ifndef BENCH_BENCH_BUNDLE_H
#define BENCH_BENCH_BUNDLE_H

#include <functional>
#include <string>

namespace bench {

struct Bundle {
    std::string launcher;  // the launcher executable inside the bundle
    std::string package;   // the zip it carries
};

// Fills the folder that becomes Contents/Resources/data in the package.
using Payload = std::function<bool(const std::string& folder)>;

// "<scratch>/bundles/<name>.app" for the given build; empty paths on failure.
Bundle MakeBundle(const std::string& scratch, const std::string& name, int build, const Payload& payload);

// A twin of the bundle MakeBundle made under that name, whose INFO records
// no package digest (the launcher still installs it): an install without
// the digest's cost. Its files are hard links to the bundle's, but for its
// own INFO.
Bundle TwinWithoutDigest(const std::string& scratch, const std::string& name);

// count files of size bytes each, 100 to a folder, of text that compresses
// about as much as program resources do.
Payload SmallFiles(int count, int size);

// Copies of the given system folders and files: thousands of small text
// files beside large binaries, links included. Of names that differ only in
// case the first is kept: the client's volume would take them for one, and
// the launcher refuses such a package.
Payload SystemCopies(const std::string& sources);

// count files of size random bytes each, in a folder "bin": incompressible,
// as program binaries nearly are.
Payload RandomFiles(int count, int size);

// Both payloads in the same folder.
Payload Together(const Payload& first, const Payload& second);

}  // namespace bench

#endif  // BENCH_BENCH_BUNDLE_H
