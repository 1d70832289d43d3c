#ifndef VELMORA_PACK_PACKAGE_READER_H
#define VELMORA_PACK_PACKAGE_READER_H

#include <string>

#include "pack-entry.h"

// Reads an existing package's entries as the launcher's reader sees them
// (every format and filter the library knows), and the bytes of the one
// entry named keep_name. 0, or -1 with the reason in error: a package that
// cannot be opened or read to its end.
int ReadPackage(const std::string &path, const std::string &keep_name, PackEntries &entries, std::string &kept,
                std::string &error);

#endif  // VELMORA_PACK_PACKAGE_READER_H
