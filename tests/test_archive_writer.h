#ifndef VELMORA_TESTS_TEST_ARCHIVE_WRITER_H
#define VELMORA_TESTS_TEST_ARCHIVE_WRITER_H

// Builds small archives at test time with the library's own writer, so the
// extractor is fed real tar, zip, 7-Zip, cpio and ar files, hostile ones
// included.

#include <archive.h>
#include <archive_entry.h>
#include <sys/sysmacros.h>

#include <string>
#include <vector>

struct TestEntry {
    enum Kind { File, Dir, Symlink, Hardlink, Fifo, CharDevice, BlockDevice, Socket };
    std::string name;
    Kind kind;
    std::string data;          // file contents, or the target of a link
    int mode;                  // permission bits
    std::string carried = "";  // bytes a hard link carries (pax tar and newc cpio allow it)
};

inline TestEntry FileEntry(const std::string& name, const std::string& data, int mode = 0644)
{
    return {name, TestEntry::File, data, mode};
}
inline TestEntry DirEntry(const std::string& name)
{
    return {name, TestEntry::Dir, "", 0755};
}
inline TestEntry LinkEntry(const std::string& name, const std::string& target)
{
    return {name, TestEntry::Symlink, target, 0777};
}
inline TestEntry HardEntry(const std::string& name, const std::string& target)
{
    return {name, TestEntry::Hardlink, target, 0644};
}
inline TestEntry HardEntryCarrying(const std::string& name, const std::string& target, const std::string& bytes)
{
    return {name, TestEntry::Hardlink, target, 0644, bytes};
}
inline TestEntry SpecialEntry(const std::string& name, TestEntry::Kind kind)
{
    return {name, kind, "", 0644};
}

// kind: "tar", "tar.gz", "tar.xz", "ustar", "zip", "7z", "cpio" or "ar".
inline int SetWriterKind(struct archive* w, const std::string& kind)
{
    if (kind == "zip")
        return archive_write_set_format_zip(w);
    if (kind == "7z")
        return archive_write_set_format_7zip(w);
    if (kind == "ustar")
        return archive_write_set_format_ustar(w);
    if (kind == "cpio")
        return archive_write_set_format_cpio_newc(w);
    if (kind == "ar")
        return archive_write_set_format_ar_svr4(w);
    int r = archive_write_set_format_pax_restricted(w);
    if (r == ARCHIVE_OK && kind == "tar.gz")
        r = archive_write_add_filter_gzip(w);
    if (r == ARCHIVE_OK && kind == "tar.xz")
        r = archive_write_add_filter_xz(w);
    return r;
}

inline void FillEntry(struct archive_entry* e, const TestEntry& t)
{
    archive_entry_set_pathname(e, t.name.c_str());
    archive_entry_set_size(e, 0);
    archive_entry_set_perm(e, t.mode);
    // A fixed old time, so a test can tell it from the time of extraction.
    archive_entry_set_mtime(e, 1000000000, 0);
    switch (t.kind) {
        case TestEntry::File:
            archive_entry_set_filetype(e, AE_IFREG);
            archive_entry_set_size(e, t.data.size());
            break;
        case TestEntry::Dir:
            archive_entry_set_filetype(e, AE_IFDIR);
            break;
        case TestEntry::Symlink:
            archive_entry_set_filetype(e, AE_IFLNK);
            archive_entry_set_symlink(e, t.data.c_str());
            break;
        case TestEntry::Hardlink:
            archive_entry_set_filetype(e, AE_IFREG);
            archive_entry_set_hardlink(e, t.data.c_str());
            archive_entry_set_size(e, t.carried.size());
            break;
        case TestEntry::Fifo:
            archive_entry_set_filetype(e, AE_IFIFO);
            break;
        case TestEntry::CharDevice:
            archive_entry_set_filetype(e, AE_IFCHR);
            archive_entry_set_rdev(e, makedev(1, 3));
            break;
        case TestEntry::BlockDevice:
            archive_entry_set_filetype(e, AE_IFBLK);
            archive_entry_set_rdev(e, makedev(7, 0));
            break;
        case TestEntry::Socket:
            archive_entry_set_filetype(e, AE_IFSOCK);
            break;
    }
}

// 0 when the archive was written.
inline int WriteTestArchive(const std::string& path, const std::string& kind, const std::vector<TestEntry>& entries)
{
    struct archive* w = archive_write_new();
    int r = SetWriterKind(w, kind);
    if (r == ARCHIVE_OK)
        r = archive_write_open_filename(w, path.c_str());
    for (size_t i = 0; r == ARCHIVE_OK && i < entries.size(); ++i) {
        struct archive_entry* e = archive_entry_new();
        FillEntry(e, entries[i]);
        r = archive_write_header(w, e);
        const std::string& bytes = entries[i].kind == TestEntry::File ? entries[i].data : entries[i].carried;
        if (r == ARCHIVE_OK && !bytes.empty() && archive_write_data(w, bytes.data(), bytes.size()) < 0)
            r = ARCHIVE_FATAL;
        archive_entry_free(e);
    }
    if (archive_write_close(w) != ARCHIVE_OK)
        r = ARCHIVE_FATAL;
    archive_write_free(w);
    return r == ARCHIVE_OK ? 0 : -1;
}

#endif
