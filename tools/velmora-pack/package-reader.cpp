#include "package-reader.h"

#include <archive.h>
#include <archive_entry.h>

#include "package/extract-path-guard.h"
#include "package/package-source.h"

namespace {

PackEntry Describe(archive_entry* header)
{
    PackEntry entry;
    entry.name = archive_entry_pathname(header);
    entry.mode = archive_entry_perm(header);
    entry.size = archive_entry_size(header);
    const char* hardlink = archive_entry_hardlink(header);
    const char* symlink = archive_entry_symlink(header);
    if (hardlink != nullptr) {
        entry.kind = PackEntry::Hardlink;
        entry.link = hardlink;
    } else if (archive_entry_filetype(header) == AE_IFDIR) {
        entry.kind = PackEntry::Folder;
    } else if (archive_entry_filetype(header) == AE_IFLNK) {
        entry.kind = PackEntry::Symlink;
        entry.link = symlink != nullptr ? symlink : "";
    }
    return entry;
}

// Reads the current entry's data to its end; empty, or the reader's error.
std::string DataError(archive* reader)
{
    char buffer[16384];
    la_ssize_t got = 0;
    while ((got = archive_read_data(reader, buffer, sizeof buffer)) > 0) {
    }
    if (got == 0)
        return std::string();
    const char* text = archive_error_string(reader);
    return text != nullptr ? text : "unknown error";
}

}  // namespace

PackEntries ReadPackageEntries(PackageSource& source, Problems& problems)
{
    PackEntries entries;
    archive* reader = archive_read_new();
    archive_read_support_filter_all(reader);
    archive_read_support_format_all(reader);
    archive_entry* header = nullptr;
    if (source.Attach(reader) == ARCHIVE_OK) {
        while (ReadNextHeader(reader, &header) == ARCHIVE_OK) {
            if (EntryRefusal(header, true).empty())
                entries.push_back(Describe(header));
            const std::string error = DataError(reader);
            if (!error.empty())
                problems.push_back("entry '" + std::string(archive_entry_pathname(header)) + "' is damaged: " + error);
        }
    }
    archive_read_free(reader);
    return entries;
}
