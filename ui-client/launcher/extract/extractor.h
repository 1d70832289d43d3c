#ifndef VELMORA_LAUNCHER_EXTRACTOR_H
#define VELMORA_LAUNCHER_EXTRACTOR_H

#include "ustring.h"

struct archive;
class PackageSource;

// Unpacks the package archive into dest_dir, reporting progress through
// Notify_Adapter. Holds no library handle between calls: every operation
// opens the archive itself (or attaches `source`) and releases everything
// before it returns.
class Extractor {
public:
    // 0 when every entry was written below dest_dir, -1 on any failure.
    int Extract();
    // The same with the number of entries already known (a survey of the
    // package counted them), so the package is not read once more to count
    // them; a total below 1 is counted here.
    int Extract(int total);
    // Number of entries readable before the first error or the end, or -1.
    int Count();
    // Writes every entry name to standard output; 0, or -1.
    int List();
    // Copies the current entry's data block by block; 0 at its end, or -1.
    int copy_data(struct archive* reader, struct archive* writer);

    ustring dest_dir;
    ustring archive_path;
    // The package as the pre-flight opened and checked it; when set, every
    // operation reads it through that descriptor instead of opening
    // archive_path by name (which then only names it in messages), and a
    // source that verifies its reads fails the extraction at the first
    // byte that changed since the check.
    PackageSource* source = nullptr;
};

#endif
