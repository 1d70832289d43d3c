#ifndef VELMORA_PACK_ENTRY_CHECKS_H
#define VELMORA_PACK_ENTRY_CHECKS_H

#include "pack-entry.h"

// What the launcher needs of a package's entries to install it and start
// the client: names below "Contents/" that stay inside the bundle, only
// folders, files and links, no link that leads out of the bundle, the
// client executable at the path the launcher starts (executable by its
// owner) and the client's INFO. Appends one line per problem.
void CheckEntries(const PackEntries &entries, Problems &problems);

// The name without "." components, doubled or trailing slashes: the entry
// the launcher writes for it ("./Contents//MacOS/" -> "Contents/MacOS").
std::string NormalEntryName(const std::string &name);

#endif  // VELMORA_PACK_ENTRY_CHECKS_H
