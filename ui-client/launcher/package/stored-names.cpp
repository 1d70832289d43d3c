#include "package/stored-names.h"

#include <archive.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "package/package-source.h"

namespace {

// Past these a package is hostile, and its names are left to the library.
const int64_t kMaxZipDirectory = 256 << 20;
const int64_t kMaxTarRecord = 1 << 20;

const uint32_t kZipEnd = 0x06054b50;
const uint32_t kZip64Locator = 0x07064b50;
const uint32_t kZip64End = 0x06064b50;
const uint32_t kZipDirectoryEntry = 0x02014b50;
const uint16_t kZipUnicodePath = 0x7075;
const size_t kZipEndSize = 22;
const size_t kZipEntrySize = 46;

uint32_t Le(const unsigned char* p, int bytes)
{
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | p[i];
    return value;
}

uint64_t Le64(const unsigned char* p)
{
    return Le(p, 4) | static_cast<uint64_t>(Le(p + 4, 4)) << 32;
}

// Where the central directory lies, from the end record (and the zip64 one
// it points to); -1 when there is none.
int FindZipDirectory(const PackageSource& source, int64_t& offset, int64_t& size)
{
    const int64_t tail_size = std::min<int64_t>(source.Size(), kZipEndSize + 0xffff);
    std::vector<unsigned char> tail(tail_size);
    if (tail_size < static_cast<int64_t>(kZipEndSize) ||
        source.ReadAt(source.Size() - tail_size, tail.data(), tail_size) != tail_size)
        return -1;
    for (int64_t at = tail_size - kZipEndSize; at >= 0; --at) {
        const unsigned char* end = tail.data() + at;
        if (Le(end, 4) != kZipEnd)
            continue;
        size = Le(end + 12, 4);
        offset = Le(end + 16, 4);
        if (offset != 0xffffffff && size != 0xffffffff)
            return 0;
        unsigned char record[56];
        if (at < 20 || Le(end - 20, 4) != kZip64Locator ||
            source.ReadAt(static_cast<int64_t>(Le64(end - 20 + 8)), record, sizeof record) != sizeof record ||
            Le(record, 4) != kZip64End)
            return -1;
        size = static_cast<int64_t>(Le64(record + 40));
        offset = static_cast<int64_t>(Le64(record + 48));
        return 0;
    }
    return -1;
}

// The UTF-8 name a Unicode path field carries in place of the header's.
void TakeUnicodePath(const unsigned char* extra, size_t size, std::string& name)
{
    for (size_t at = 0; at + 4 <= size;) {
        const size_t field = Le(extra + at + 2, 2);
        if (at + 4 + field > size)
            return;
        if (Le(extra + at, 2) == kZipUnicodePath && field > 5 && extra[at + 4] == 1) {
            name.assign(reinterpret_cast<const char*>(extra + at + 9), field - 5);
            return;
        }
        at += 4 + field;
    }
}

int ReadZipNames(const PackageSource& source, std::vector<std::string>& names)
{
    int64_t offset = 0;
    int64_t size = 0;
    if (FindZipDirectory(source, offset, size) != 0 || offset < 0 || size < 0 || size > kMaxZipDirectory ||
        offset > source.Size() - size)
        return -1;
    std::vector<unsigned char> directory(size);
    if (source.ReadAt(offset, directory.data(), size) != size)
        return -1;
    for (size_t at = 0; at + kZipEntrySize <= directory.size() && Le(&directory[at], 4) == kZipDirectoryEntry;) {
        const unsigned char* entry = &directory[at];
        const size_t name_size = Le(entry + 28, 2);
        const size_t extra_size = Le(entry + 30, 2);
        const size_t next = at + kZipEntrySize + name_size + extra_size + Le(entry + 32, 2);
        if (next > directory.size())
            return -1;
        std::string name(reinterpret_cast<const char*>(entry + kZipEntrySize), name_size);
        TakeUnicodePath(entry + kZipEntrySize + name_size, extra_size, name);
        names.push_back(name);
        at = next;
    }
    return 0;
}

// The tar stream, decompressed by the library, read as plain bytes.
class TarStream {
public:
    explicit TarStream(archive* reader) : reader_(reader) {}
    // False at the end of the stream or on an error.
    bool Read(char* into, size_t size)
    {
        for (size_t got = 0; got < size;) {
            const la_ssize_t n = archive_read_data(reader_, into + got, size - got);
            if (n <= 0)
                return false;
            got += n;
        }
        return true;
    }
    bool Skip(int64_t size)
    {
        char scratch[16384];
        for (; size > 0; size -= sizeof scratch) {
            if (!Read(scratch, static_cast<size_t>(std::min<int64_t>(size, sizeof scratch))))
                return false;
        }
        return true;
    }

private:
    archive* reader_;
};

// A header's number: octal digits, or base 256 when the first byte's high
// bit is set; -1 when it is neither.
int64_t TarNumber(const char* field, size_t size)
{
    int64_t value = 0;
    if (field[0] & 0x80) {
        for (size_t i = 1; i < size; ++i) {
            if (value >> 55)
                return -1;
            value = value << 8 | static_cast<unsigned char>(field[i]);
        }
        return (field[0] & 0x7f) == 0 ? value : -1;
    }
    size_t i = 0;
    while (i < size && field[i] == ' ')
        ++i;
    for (; i < size && field[i] >= '0' && field[i] <= '7'; ++i) {
        if (value >> 60)
            return -1;
        value = value * 8 + (field[i] - '0');
    }
    return value;
}

// What the pax records of an extended header say of the next entry: its
// path and the size of its data, where they say it.
void ReadPaxRecords(const std::string& records, std::string& path, int64_t& size)
{
    for (size_t at = 0; at < records.size();) {
        const size_t length = strtoull(records.c_str() + at, nullptr, 10);
        const size_t blank = records.find(' ', at);
        const size_t equals = records.find('=', at);
        if (length == 0 || at + length > records.size() || blank == std::string::npos || equals > at + length)
            return;
        const std::string key = records.substr(blank + 1, equals - blank - 1);
        const std::string value = records.substr(equals + 1, at + length - equals - 2);
        if (key == "path")
            path = value;
        else if (key == "size")
            size = strtoll(value.c_str(), nullptr, 10);
        at += length;
    }
}

std::string UstarName(const char* header)
{
    const std::string name(header, strnlen(header, 100));
    // The prefix field, in POSIX headers only: GNU keeps times there.
    if (memcmp(header + 257, "ustar\0", 6) != 0 || header[345] == '\0')
        return name;
    return std::string(header + 345, strnlen(header + 345, 155)) + "/" + name;
}

int ReadTarHeaders(TarStream& stream, std::vector<std::string>& names)
{
    char header[512];
    std::string next_name;  // from a pax header or a GNU long name
    int64_t next_size = -1;
    while (stream.Read(header, sizeof header) && header[0] != '\0') {
        const char type = header[156];
        int64_t size = TarNumber(header + 124, 12);
        if (size < 0)
            return -1;
        // Headers that only describe the next entry, or none.
        if (type == 'x' || type == 'X' || type == 'L' || type == 'g' || type == 'K') {
            std::string data(static_cast<size_t>(std::min(size, kMaxTarRecord)), '\0');
            if (size > kMaxTarRecord || !stream.Read(&data[0], data.size()) || !stream.Skip(-size & 511))
                return -1;
            if (type == 'L')
                next_name.assign(data.c_str());
            else if (type == 'x' || type == 'X')
                ReadPaxRecords(data, next_name, next_size);
            continue;
        }
        names.push_back(next_name.empty() ? UstarName(header) : next_name);
        if (next_size >= 0)
            size = next_size;
        next_name.clear();
        next_size = -1;
        if (!stream.Skip((size + 511) & ~int64_t(511)))
            return -1;
    }
    return 0;
}

int ReadTarNames(PackageSource& source, std::vector<std::string>& names)
{
    archive* reader = archive_read_new();
    if (!reader)
        return -1;
    archive_read_support_filter_all(reader);
    archive_read_support_format_raw(reader);
    archive_entry* entry = nullptr;
    int r = -1;
    if (source.Attach(reader) == ARCHIVE_OK && ReadNextHeader(reader, &entry) == ARCHIVE_OK) {
        TarStream stream(reader);
        r = ReadTarHeaders(stream, names);
    }
    archive_read_free(reader);
    return r;
}

}  // namespace

int ReadStoredNames(PackageSource& source, int format, std::vector<std::string>& names)
{
    switch (format & ARCHIVE_FORMAT_BASE_MASK) {
        case ARCHIVE_FORMAT_ZIP:
            return ReadZipNames(source, names);
        case ARCHIVE_FORMAT_TAR:
            return ReadTarNames(source, names);
        default:
            return -1;
    }
}
