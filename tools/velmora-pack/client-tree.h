#ifndef VELMORA_PACK_CLIENT_TREE_H
#define VELMORA_PACK_CLIENT_TREE_H

#include <string>

#include "pack-entry.h"

// The entries of a client bundle folder, named as the package stores them
// ("Contents", "Contents/MacOS", ...), folders before what they hold, in
// name order so that the same folder always gives the same package. Links
// are recorded, never followed. Appends a line to problems for what cannot
// be read, and one that names the bundle meant when the folder has no
// Contents but lies in or holds a bundle; returns false when the folder
// itself cannot be read.
bool ReadClientTree(const std::string& bundle, PackEntries& entries, Problems& problems);

#endif  // VELMORA_PACK_CLIENT_TREE_H
