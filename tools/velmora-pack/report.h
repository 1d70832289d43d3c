#ifndef VELMORA_PACK_REPORT_H
#define VELMORA_PACK_REPORT_H

#include <string>

#include "pack-entry.h"
#include "ustring.h"

// What bundle and verify found out about one launcher bundle.
struct Report {
    std::string bundle;          // the launcher bundle's path
    int status = 0;              // the exit status (command-line.h)
    ustring build;               // build_version of its INFO, as written
    std::string package_sha256;  // of its package; empty when there is none
    int entries = 0;
    long long unpacked_bytes = 0;
    long long packed_bytes = 0;
    Problems problems;
};

// Fills packed_bytes and, when still empty, package_sha256 from the
// package file; leaves both as they are without one.
void DescribePackageFile(const std::string& package, Report& report);

// Ends a command: every problem on standard error, one line each after the
// tool's name, then verdict there too unless the status is 0; on standard
// output the report as one JSON object on one line when json is set, else
// done when the status is 0. Returns the status.
//   {"bundle": "A.app", "status": 1, "build": 120 (null unless a whole
//    number), "package_sha256": "ab12..." (or null), "entries": 12,
//    "unpacked_bytes": 110, "packed_bytes": 1502, "problems": ["..."]}
int Tell(const Report& report, bool json, const std::string& done, const std::string& verdict);

#endif  // VELMORA_PACK_REPORT_H
