#ifndef VELMORA_PACK_PACKAGE_WRITER_H
#define VELMORA_PACK_PACKAGE_WRITER_H

#include <string>

#include "pack-entry.h"

// Writes entries (read from their source files) as a zip package with
// deflate: the format the launcher's counting pass reads quickly, from the
// headers alone. Names are stored as UTF-8, with each entry's permission
// bits and modification time. 0, or -1 with the reason in error.
int WritePackage(const std::string &path, const PackEntries &entries, std::string &error);

// Lowercase hex SHA-256 of a file; empty when it cannot be read.
std::string FileSha256(const std::string &path);

#endif  // VELMORA_PACK_PACKAGE_WRITER_H
