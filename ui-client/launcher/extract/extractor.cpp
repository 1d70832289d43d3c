#include "extract/extractor.h"

#include <stdio.h>

#include <archive.h>
#include <archive_entry.h>

#include <cstring>
#include <new>
#include <string>

#include "log.h"
#include "package/extract-path-guard.h"
#include "package/package-source.h"
#include "texts/notify-adapter.h"
#include "texts/strtable.h"

#define LOG_TAG "extractor"
#define LOG_COMPONENT "extractor_debug"

namespace {

const size_t kBlockSize = 10240;
// Unlink what is in the way, refuse ".." and restore Mac metadata; nothing
// else (no owner, times, ACLs or flags). Secure-symlinks is left off on
// purpose: it also inspects the folders above the destination and, with
// unlink, would delete a link there; CheckNoLinkOnPath covers the part
// below the destination instead.
const int kDiskOptions = ARCHIVE_EXTRACT_UNLINK | ARCHIVE_EXTRACT_SECURE_NODOTDOT | ARCHIVE_EXTRACT_MAC_METADATA;

// The reader and the disk writer of one extraction, released on every way out.
struct Handles {
    archive* reader = nullptr;
    archive* writer = nullptr;
    ~Handles()
    {
        if (reader)
            archive_read_free(reader);
        if (writer)
            archive_write_free(writer);
    }
};

const char* ErrorText(archive* a)
{
    const char* text = archive_error_string(a);
    return text ? text : "(null)";
}

// The package opened by name, or attached through the checked source.
int OpenPackage(archive* reader, const ustring& archive_path, PackageSource* source)
{
    if (source)
        return source->Attach(reader);
    return archive_read_open_filename(reader, archive_path.c_str(), kBlockSize);
}

// Opens the archive for one scan (counting or listing); null after a logged
// failure.
archive* OpenForScan(const ustring& dest_dir, const ustring& archive_path, PackageSource* source)
{
    if (dest_dir.empty() || archive_path.empty()) {
        VLOG_ERROR(__LINE__, "Invalid argument\n");
        return nullptr;
    }
    archive* reader = archive_read_new();
    if (!reader) {
        VLOG_ERROR(__LINE__, "Allocate archive failed\n");
        return nullptr;
    }
    archive_read_support_filter_all(reader);
    archive_read_support_format_all(reader);
    if (OpenPackage(reader, archive_path, source) != ARCHIVE_OK) {
        VLOG_ERROR(__LINE__, "archive_read_open_filename failed: '%s'\n", ErrorText(reader));
        archive_read_free(reader);
        return nullptr;
    }
    return reader;
}

int OpenForExtract(Handles& h, const ustring& archive_path, PackageSource* source)
{
    h.reader = archive_read_new();
    if (h.reader)
        h.writer = archive_write_disk_new();
    if (!h.reader || !h.writer) {
        VLOG_ERROR(__LINE__, "Allocate extractor failed\n");
        return -1;
    }
    archive_write_disk_set_options(h.writer, kDiskOptions);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    // The older name of archive_read_support_filter_all, kept for the
    // library versions that only know it.
    archive_read_support_compression_all(h.reader);
#pragma GCC diagnostic pop
    archive_read_support_format_all(h.reader);
    if (OpenPackage(h.reader, archive_path, source) != ARCHIVE_OK) {
        VLOG_ERROR(__LINE__, "Failed to read file '%s' ('%s')\n", archive_path.c_str(), ErrorText(h.reader));
        return -1;
    }
    return 0;
}

int Refuse(const char* name, const std::string& reason)
{
    VLOG_ERROR(__LINE__, "Refused entry '%s': '%s'\n", name, reason.c_str());
    return -1;
}

int RefuseLinkedPath(const ustring& dest_dir, const char* name, bool include_last)
{
    std::string reason;
    if (CheckNoLinkOnPath(dest_dir, name, include_last, reason) == 0)
        return 0;
    return Refuse(name, reason);
}

// What the extraction keeps from one entry to the next: the folder of the
// last plain file whose path was found free of links, and the room for the
// names placed below dest_dir. Only a symbolic link or a hard link entry can
// put a link on a checked path (folders and plain files cannot), so until
// one comes the next plain file in the same folder needs no second look: in
// a package most entries follow a sibling, and the look costs a lstat per
// folder level.
struct Placement {
    bool checked = false;
    std::string checked_folder;
    std::string placed;
};

// dest_dir + "/" + name, in `into`.
const char* PlacedName(std::string& into, const ustring& dest_dir, const char* name)
{
    into.assign(dest_dir.c_str()).append(1, '/').append(name);
    return into.c_str();
}

// Moves the entry, and the file a hard link names, below dest_dir. Both go
// through the same checks: the writer refuses ".." in either, neither may
// name dest_dir itself (the writer would replace that folder), and no
// existing symbolic link below dest_dir may be on the way.
int PlaceEntry(archive_entry* entry, const ustring& dest_dir, Placement& placement)
{
    const char* name = archive_entry_pathname(entry);
    if (!name) {
        VLOG_ERROR(__LINE__, "archive_entry_pathname failed");
        return -1;
    }
    const std::string refusal = EntryRefusal(entry, false);
    if (!refusal.empty())
        return Refuse(name, refusal);
    const mode_t type = archive_entry_filetype(entry);
    const char* target = archive_entry_hardlink(entry);
    const bool plain_file = type == AE_IFREG && !target;
    const char* slash = strrchr(name, '/');
    const size_t folder_size = slash ? static_cast<size_t>(slash - name) : 0;
    const bool known_free = plain_file && placement.checked &&
                            placement.checked_folder.compare(0, std::string::npos, name, folder_size) == 0;
    if (!known_free && RefuseLinkedPath(dest_dir, name, type == AE_IFDIR) != 0)
        return -1;
    if (target && RefuseLinkedPath(dest_dir, target, true) != 0)
        return -1;
    if (plain_file) {
        placement.checked = true;
        placement.checked_folder.assign(name, folder_size);
    } else if (type != AE_IFDIR) {
        placement.checked = false;
    }
    // The library copies both names: the room serves them in turn.
    if (target)
        archive_entry_set_hardlink(entry, PlacedName(placement.placed, dest_dir, target));
    archive_entry_set_pathname(entry, PlacedName(placement.placed, dest_dir, name));
    return 0;
}

// A failed data write (a full disk) leaves its text on the reader only,
// and that text ("Write failed") does not say why: the system's reason is
// added.
std::string ExtractErrorText(Handles& h)
{
    archive* failed = archive_error_string(h.writer) ? h.writer : h.reader;
    std::string text = ErrorText(failed);
    if (archive_errno(failed) > 0)
        text += std::string(": ") + strerror(archive_errno(failed));
    return text;
}

int ExtractEntry(Handles& h, archive_entry* entry, int total, int n)
{
    if (archive_read_extract2(h.reader, entry, h.writer) != ARCHIVE_OK) {
        VLOG_ERROR(__LINE__, "archive_read_extract2 failed: '%s'\n", ExtractErrorText(h).c_str());
        return -1;
    }
    Notify_Adapter::GetInstance()->UpdateProgress(total, n);
    if (archive_write_finish_entry(h.writer) != ARCHIVE_OK) {
        VLOG_ERROR(__LINE__, "archive_write_finish_entry failed: '%s'\n", ErrorText(h.writer));
        return -1;
    }
    return 0;
}

// The writer applies what it deferred (folder modes) when it is closed; a
// failure there is a failed extraction like any other.
int CloseWriter(Handles& h)
{
    if (archive_write_close(h.writer) == ARCHIVE_OK)
        return 0;
    VLOG_ERROR(__LINE__, "archive_write_close failed: '%s'\n", ExtractErrorText(h).c_str());
    return -1;
}

// The same damage can end the archive early for the extraction: a package
// with entries missing is not the package that was checked.
int RefuseShortPackage(int extracted, int total)
{
    VLOG_ERROR(__LINE__, "Refused package: 'it ended after %d of the %d entries counted'\n", extracted, total);
    return -1;
}

// Where an extraction stopped: the entry's number and its name as stored.
struct Stop {
    int entry = 0;
    std::string name;
};

int ExtractEntries(Handles& h, const ustring& dest_dir, int total, Stop& stop)
{
    Placement placement;
    for (int n = 1;; ++n) {
        stop = Stop{n, "(its header)"};
        archive_entry* entry = nullptr;
        const int r = ReadNextHeader(h.reader, &entry);
        if (r == ARCHIVE_EOF)
            return n - 1 == total ? CloseWriter(h) : RefuseShortPackage(n - 1, total);
        if (r != ARCHIVE_OK) {
            VLOG_ERROR(__LINE__, "archive_read_next_header failed: '%s'\n", ErrorText(h.reader));
            return -1;
        }
        const char* name = archive_entry_pathname(entry);
        stop.name = name ? name : "";
        // The counting pass and the extraction read a damaged archive apart
        // (a streamed zip entry whose stated size is not its real one):
        // an entry past the count is no entry of the package that was checked.
        if (n > total) {
            VLOG_ERROR(__LINE__, "Refused entry '%s': 'the package holds more entries than the %d counted'\n",
                       stop.name.c_str(), total);
            return -1;
        }
        // The destination is that folder already: nothing to write.
        if (IsDestinationFolder(entry)) {
            Notify_Adapter::GetInstance()->UpdateProgress(total, n);
            continue;
        }
        if (PlaceEntry(entry, dest_dir, placement) != 0 || ExtractEntry(h, entry, total, n) != 0)
            return -1;
    }
}

// The step that failed has said why; this line says where, for whoever
// reads the log without the package at hand.
int ExtractAll(const Extractor& x, int total)
{
    Handles h;
    if (OpenForExtract(h, x.archive_path, x.source) != 0)
        return -1;
    Stop stop;
    if (ExtractEntries(h, x.dest_dir, total, stop) == 0)
        return 0;
    VLOG_ERROR(__LINE__, "Failed to extract '%s' at entry %d of %d: '%s'\n", x.archive_path.c_str(), stop.entry, total,
               stop.name.c_str());
    return -1;
}

}  // namespace

int Extractor::Extract()
{
    return Extract(0);
}

int Extractor::Extract(int total)
{
    if (archive_path.empty() || dest_dir.empty()) {
        VLOG_ERROR(__LINE__, "Invalid Argument\n");
        return -1;
    }
    VLOG_DEBUG(__LINE__, "decompress from '%s' to '%s'\n", archive_path.c_str(), dest_dir.c_str());
    try {
        // The same text as the dialog's first label.
        Notify_Adapter::GetInstance()->UpdateDialogText(LoadStrWithAppName(kStrInitializingId));
        if (total < 1)
            total = Count();
        if (total < 1) {
            VLOG_ERROR(__LINE__, "Failed to calculate total file numbers, ret: %d\n", total);
            return -1;
        }
        return ExtractAll(*this, total);
    } catch (const std::bad_alloc&) {
        VLOG_ERROR(__LINE__, "Out of memory\n");
        return -1;
    }
}

int Extractor::Count()
{
    archive* reader = OpenForScan(dest_dir, archive_path, source);
    if (!reader)
        return -1;
    int count = 0;
    archive_entry* entry = nullptr;
    while (ReadNextHeader(reader, &entry) == ARCHIVE_OK) {
        ++count;
        archive_read_data_skip(reader);
    }
    archive_read_free(reader);
    return count;
}

int Extractor::List()
{
    archive* reader = OpenForScan(dest_dir, archive_path, source);
    if (!reader)
        return -1;
    archive_entry* entry = nullptr;
    while (ReadNextHeader(reader, &entry) == ARCHIVE_OK) {
        const char* name = archive_entry_pathname(entry);
        printf("%s\n", name ? name : "");
        fflush(stdout);
        archive_read_data_skip(reader);
    }
    archive_read_close(reader);
    archive_read_free(reader);
    return 0;
}

int Extractor::copy_data(struct archive* reader, struct archive* writer)
{
    if (!reader || !writer) {
        VLOG_ERROR(__LINE__, "Invalid Argument\n");
        return -1;
    }
    for (;;) {
        const void* buffer = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        const int r = archive_read_data_block(reader, &buffer, &size, &offset);
        if (r == ARCHIVE_EOF)
            return 0;
        if (r != ARCHIVE_OK) {
            VLOG_ERROR(__LINE__, "archive_read_data_block failed: '%s'\n", ErrorText(reader));
            return -1;
        }
        if (archive_write_data_block(writer, buffer, size, offset) != ARCHIVE_OK) {
            VLOG_ERROR(__LINE__, "archive_write_data_block failed: '%s'\n", ErrorText(writer));
            return -1;
        }
    }
}
