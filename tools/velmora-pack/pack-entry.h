#ifndef VELMORA_PACK_PACK_ENTRY_H
#define VELMORA_PACK_PACK_ENTRY_H

#include <cstdint>
#include <string>
#include <vector>

// One entry of a package, whether read from a client bundle folder or from
// an existing package: the same checks hold for both. Special files are
// never entries: the folder's reader reports them, the launcher's
// pre-flight refuses them in a package.
struct PackEntry {
    enum Kind { Folder, File, Symlink, Hardlink };

    std::string name;  // as the package stores it: "Contents/MacOS/cloud-drive-ui"
    Kind kind = File;
    unsigned mode = 0;   // permission bits
    std::string link;    // the target of a symbolic or hard link
    int64_t size = 0;    // bytes of a file
    std::string source;  // the file on disk it is packed from (a folder's entries only)
};

using PackEntries = std::vector<PackEntry>;
// One line per problem, for the user to read.
using Problems = std::vector<std::string>;

#endif  // VELMORA_PACK_PACK_ENTRY_H
