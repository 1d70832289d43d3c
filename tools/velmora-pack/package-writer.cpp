#include "package-writer.h"

#include <archive.h>
#include <archive_entry.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/sha256.h"

namespace {

const size_t kBlockSize = 64 * 1024;

int Fail(archive* writer, std::string& error, const std::string& what)
{
    const char* text = archive_error_string(writer);
    error = what + ": " + (text != nullptr ? text : strerror(archive_errno(writer)));
    return -1;
}

void SetTime(archive_entry* header, const struct stat& st, int64_t time)
{
#if defined(__APPLE__)
    const struct timespec own = st.st_mtimespec;
#else
    const struct timespec own = st.st_mtim;
#endif
    if (time == kOwnTimes)
        archive_entry_set_mtime(header, own.tv_sec, own.tv_nsec);
    else
        archive_entry_set_mtime(header, static_cast<time_t>(time), 0);
}

// Owner and group stay unset (0): the same folder gives the same bytes
// whoever packs it.
void FillHeader(archive_entry* header, const PackEntry& entry, const struct stat& st, int64_t time)
{
    archive_entry_set_pathname(header, entry.name.c_str());
    archive_entry_set_perm(header, entry.mode);
    SetTime(header, st, time);
    switch (entry.kind) {
        case PackEntry::Folder:
            archive_entry_set_filetype(header, AE_IFDIR);
            break;
        case PackEntry::Symlink:
            archive_entry_set_filetype(header, AE_IFLNK);
            archive_entry_set_symlink(header, entry.link.c_str());
            break;
        default:
            archive_entry_set_filetype(header, AE_IFREG);
            archive_entry_set_size(header, st.st_size);
            break;
    }
}

// The file's bytes as they are when read; a file that changes size while
// it is packed is an error rather than a damaged entry.
int WriteData(archive* writer, const PackEntry& entry, int fd, int64_t size, std::string& error)
{
    char buffer[kBlockSize];
    int64_t left = size;
    while (left > 0) {
        const ssize_t n = read(fd, buffer, sizeof(buffer));
        if (n <= 0) {
            error = "cannot read '" + entry.source + "': " + (n < 0 ? strerror(errno) : "it shrank");
            return -1;
        }
        if (archive_write_data(writer, buffer, n) != n)
            return Fail(writer, error, "cannot write '" + entry.name + "'");
        left -= n;
    }
    return 0;
}

int WriteEntry(archive* writer, const PackEntry& entry, int64_t time, std::string& error)
{
    const int fd = open(entry.source.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    struct stat st;
    if (entry.kind == PackEntry::Symlink ? lstat(entry.source.c_str(), &st) != 0 : fd < 0 || fstat(fd, &st) != 0) {
        error = "cannot read '" + entry.source + "': " + strerror(errno);
        if (fd >= 0)
            close(fd);
        return -1;
    }
    archive_entry* header = archive_entry_new();
    FillHeader(header, entry, st, time);
    int r = archive_write_header(writer, header) == ARCHIVE_OK
                ? 0
                : Fail(writer, error, "cannot write '" + entry.name + "'");
    archive_entry_free(header);
    if (r == 0 && entry.kind == PackEntry::File)
        r = WriteData(writer, entry, fd, st.st_size, error);
    if (fd >= 0)
        close(fd);
    return r;
}

// The name as a zip stores it: a folder's ends in "/".
std::string StoredName(const PackEntry& entry)
{
    const bool slash = !entry.name.empty() && entry.name.back() == '/';
    return entry.kind == PackEntry::Folder && !slash ? entry.name + "/" : entry.name;
}

}  // namespace

int WritePackage(const std::string& path, const PackEntries& entries, int64_t time, std::string& error)
{
    // In the order of the names as stored, whatever order the entries come
    // in; folders still come before what they hold, their names being
    // prefixes.
    std::vector<std::pair<std::string, const PackEntry*>> sorted;
    for (const PackEntry& entry : entries)
        sorted.emplace_back(StoredName(entry), &entry);
    std::sort(sorted.begin(), sorted.end());
    archive* writer = archive_write_new();
    int r = 0;
    if (archive_write_set_format_zip(writer) != ARCHIVE_OK ||
        archive_write_zip_set_compression_deflate(writer) != ARCHIVE_OK ||
        archive_write_set_format_option(writer, "zip", "hdrcharset", "UTF-8") != ARCHIVE_OK ||
        archive_write_open_filename(writer, path.c_str()) != ARCHIVE_OK)
        r = Fail(writer, error, "cannot write '" + path + "'");
    for (size_t i = 0; r == 0 && i < sorted.size(); ++i)
        r = WriteEntry(writer, *sorted[i].second, time, error);
    if (archive_write_close(writer) != ARCHIVE_OK && r == 0)
        r = Fail(writer, error, "cannot finish '" + path + "'");
    archive_write_free(writer);
    return r;
}

bool ReadSourceDateEpoch(int64_t& time, std::string& error)
{
    const char* value = getenv("SOURCE_DATE_EPOCH");
    time = kOwnTimes;
    if (value == nullptr || *value == '\0')
        return true;
    const std::string text = value;
    errno = 0;
    char* end = nullptr;
    const long long seconds = strtoll(value, &end, 10);
    if (text.find_first_not_of("0123456789") != std::string::npos || *end != '\0' || errno == ERANGE) {
        error = "SOURCE_DATE_EPOCH '" + text + "' is not a whole number of seconds since 1970";
        return false;
    }
    time = seconds;
    return true;
}

std::string FileSha256(const std::string& path)
{
    // Opened by its bytes, whatever the locale makes of the name.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::string();
    Sha256 hash;
    std::vector<char> buffer(kBlockSize);
    ssize_t n = 0;
    while ((n = read(fd, buffer.data(), buffer.size())) > 0 || (n < 0 && errno == EINTR)) {
        if (n > 0)
            hash.Add(buffer.data(), n);
    }
    close(fd);
    return n == 0 ? hash.Hex() : std::string();
}
