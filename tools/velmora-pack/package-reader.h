#ifndef VELMORA_PACK_PACKAGE_READER_H
#define VELMORA_PACK_PACKAGE_READER_H

#include <string>

#include "pack-entry.h"

class PackageSource;

// The entries of an existing package as the launcher's reader sees them
// (every format and filter the library knows), read through the source the
// survey opened, for the checks the launcher's pre-flight leaves out.
// Every entry's data is read in full, so that a damaged one (a bad CRC, a
// broken stream) is a problem here rather than a failed installation at
// 99 %. Entries the pre-flight refuses by kind or name are left out: it
// reports them itself, and so does a package that cannot be read to its end.
PackEntries ReadPackageEntries(PackageSource& source, Problems& problems);

#endif  // VELMORA_PACK_PACKAGE_READER_H
