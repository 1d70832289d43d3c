#include "package-reader.h"

#include <archive.h>
#include <archive_entry.h>

#include "entry-checks.h"

namespace {

// The launcher's reader block size.
const size_t kBlockSize = 10240;

PackEntry Describe(archive_entry *header)
{
    PackEntry entry;
    const char *name = archive_entry_pathname(header);
    entry.name = name != nullptr ? name : "";
    entry.mode = archive_entry_perm(header);
    entry.size = archive_entry_size(header);
    const char *hardlink = archive_entry_hardlink(header);
    switch (archive_entry_filetype(header)) {
    case AE_IFDIR:
        entry.kind = PackEntry::Folder;
        break;
    case AE_IFLNK:
        entry.kind = PackEntry::Symlink;
        entry.link = archive_entry_symlink(header) != nullptr ? archive_entry_symlink(header) : "";
        break;
    case AE_IFREG:
        entry.kind = hardlink != nullptr ? PackEntry::Hardlink : PackEntry::File;
        entry.link = hardlink != nullptr ? hardlink : "";
        break;
    default:
        entry.kind = hardlink != nullptr ? PackEntry::Hardlink : PackEntry::Special;
        entry.link = hardlink != nullptr ? hardlink : "";
        entry.what = archive_entry_filetype(header) == AE_IFIFO    ? "named pipe"
                     : archive_entry_filetype(header) == AE_IFSOCK ? "socket"
                                                                   : "device";
        break;
    }
    return entry;
}

int ReadData(archive *reader, std::string &data)
{
    const void *block = nullptr;
    size_t size = 0;
    la_int64_t offset = 0;
    int r;
    while ((r = archive_read_data_block(reader, &block, &size, &offset)) == ARCHIVE_OK)
        data.append(static_cast<const char *>(block), size);
    return r == ARCHIVE_EOF ? 0 : -1;
}

}  // namespace

int ReadPackage(const std::string &path, const std::string &keep_name, PackEntries &entries, std::string &kept,
                std::string &error)
{
    archive *reader = archive_read_new();
    archive_read_support_filter_all(reader);
    archive_read_support_format_all(reader);
    int r = archive_read_open_filename(reader, path.c_str(), kBlockSize) == ARCHIVE_OK ? ARCHIVE_OK : ARCHIVE_FATAL;
    archive_entry *header = nullptr;
    while (r == ARCHIVE_OK && (r = archive_read_next_header(reader, &header)) == ARCHIVE_OK) {
        entries.push_back(Describe(header));
        if (NormalEntryName(entries.back().name) == keep_name && ReadData(reader, kept) != 0)
            r = ARCHIVE_FATAL;
    }
    if (r != ARCHIVE_EOF) {
        const char *text = archive_error_string(reader);
        error = "the package '" + path + "' cannot be read" +
                (entries.empty() ? std::string() : " after " + std::to_string(entries.size()) + " entries") + ": " +
                (text != nullptr ? text : "unknown error");
    }
    archive_read_free(reader);
    return r == ARCHIVE_EOF ? 0 : -1;
}
