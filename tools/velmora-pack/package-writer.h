#ifndef VELMORA_PACK_PACKAGE_WRITER_H
#define VELMORA_PACK_PACKAGE_WRITER_H

#include <cstdint>
#include <string>

#include "pack-entry.h"

// The time of every entry: each source file's own.
const int64_t kOwnTimes = -1;

// Writes entries (read from their source files) as a zip package with
// deflate: the format the launcher's counting pass reads quickly, from the
// headers alone. Entries go in name order, names stored as UTF-8, with
// each entry's permission bits and its modification time, or time (seconds
// since 1970) for all. Zip keeps local times: the caller packs in UTC for
// the same bytes in every time zone. 0, or -1 with the reason in error.
int WritePackage(const std::string& path, const PackEntries& entries, int64_t time, std::string& error);

// SOURCE_DATE_EPOCH, as reproducible builds set it: the time for every
// entry, or kOwnTimes when it is unset or empty. False, with the reason in
// error, when it is not a whole number of seconds.
bool ReadSourceDateEpoch(int64_t& time, std::string& error);

// Lowercase hex SHA-256 of a file; empty when it cannot be read.
std::string FileSha256(const std::string& path);

#endif  // VELMORA_PACK_PACKAGE_WRITER_H
