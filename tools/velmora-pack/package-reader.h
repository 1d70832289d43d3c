#ifndef VELMORA_PACK_PACKAGE_READER_H
#define VELMORA_PACK_PACKAGE_READER_H

#include <string>

#include "pack-entry.h"

// The entries of an existing package as the launcher's reader sees them
// (every format and filter the library knows), for the checks the
// launcher's pre-flight leaves out. Entries the pre-flight refuses by kind
// or name are left out: it reports them itself, and so does a package
// that cannot be read to its end.
PackEntries ReadPackageEntries(const std::string &path);

#endif  // VELMORA_PACK_PACKAGE_READER_H
