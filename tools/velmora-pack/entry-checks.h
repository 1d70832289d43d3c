#ifndef VELMORA_PACK_ENTRY_CHECKS_H
#define VELMORA_PACK_ENTRY_CHECKS_H

#include "pack-entry.h"

// What the launcher's pre-flight leaves to the packer: every entry lies
// below "Contents/" (the package holds the bundle's Contents folder; an
// extra level puts the client where the launcher never looks), has a name
// the path registry and the file layer can hold (UTF-8), and a symbolic
// link leads to a place inside the bundle; an INFO found anywhere but at
// Contents/Resources/INFO is named. Appends one line per problem.
void CheckEntries(const PackEntries& entries, Problems& problems);

#endif  // VELMORA_PACK_ENTRY_CHECKS_H
