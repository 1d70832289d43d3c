#include "package-reader.h"

#include <archive.h>
#include <archive_entry.h>

#include "extract-path-guard.h"

namespace {

// The launcher's reader block size.
const size_t kBlockSize = 10240;

PackEntry Describe(archive_entry *header)
{
    PackEntry entry;
    entry.name = archive_entry_pathname(header);
    entry.mode = archive_entry_perm(header);
    entry.size = archive_entry_size(header);
    const char *hardlink = archive_entry_hardlink(header);
    const char *symlink = archive_entry_symlink(header);
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

}  // namespace

PackEntries ReadPackageEntries(const std::string &path)
{
    PackEntries entries;
    archive *reader = archive_read_new();
    archive_read_support_filter_all(reader);
    archive_read_support_format_all(reader);
    archive_entry *header = nullptr;
    if (archive_read_open_filename(reader, path.c_str(), kBlockSize) == ARCHIVE_OK) {
        while (archive_read_next_header(reader, &header) == ARCHIVE_OK) {
            if (EntryRefusal(header, true).empty())
                entries.push_back(Describe(header));
        }
    }
    archive_read_free(reader);
    return entries;
}
