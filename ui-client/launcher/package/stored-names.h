#ifndef VELMORA_LAUNCHER_STORED_NAMES_H
#define VELMORA_LAUNCHER_STORED_NAMES_H

#include <string>
#include <vector>

class PackageSource;

// The entry names of a zip or tar package byte for byte, as its headers
// store them, in their order. The archive library gives no way to them: it
// normalizes every name it converts from UTF-8 (a zip's names flagged as
// UTF-8 or carried in its Unicode path fields, the path records of a pax
// tar). Only names are read: a zip's central directory at the end of the
// file, a tar's headers through the stream's decompressor.
// `format` is the library's archive_format() of the package. 0 with the
// names; -1 for other formats, or when the headers cannot be read.
int ReadStoredNames(PackageSource& source, int format, std::vector<std::string>& names);

#endif  // VELMORA_LAUNCHER_STORED_NAMES_H
