#include "config.h"

#include <fcntl.h>

#include <cstdio>
#include <sstream>

#include "regular_file.h"

namespace {

bool IsSpace(unsigned char c)
{
    return c == ' ' || (c >= 0x09 && c <= 0x0D);
}

bool IsKeyByte(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == '-' ||
           c == '.';
}

// Stops a value: a control byte or DEL (and the closing byte, checked apart).
bool EndsValue(unsigned char c)
{
    return c < 0x20 || c == 0x7F;
}

char* SkipSpace(char* p)
{
    while (IsSpace(static_cast<unsigned char>(*p)))
        ++p;
    return p;
}

// Lines are read as fgets reads them into a buffer of kMaxLine + 1 bytes:
// a longer line arrives in several chunks, and the first is parsed as a
// line of its own, without its line end. A chunk after it that holds more
// than white space would otherwise be parsed as a line too, storing a cut
// value or a bogus key: the whole file is refused instead. fgets writes
// into the last byte of the buffer only when it filled it, so the test
// holds for a line with a NUL byte inside as well, which strlen would
// misjudge.
const char kUnfilled = '\n';

bool FillsBuffer(const char* chunk, size_t size)
{
    return chunk[size - 1] != kUnfilled && chunk[size - 2] != '\n';
}

// The rest of a line that filled the buffer: harmless when it is white
// space up to its end or its first NUL, where the line's text ends.
bool IsBlankTail(const char* chunk)
{
    while (IsSpace(static_cast<unsigned char>(*chunk)))
        ++chunk;
    return *chunk == '\0';
}

std::string WithoutLineEnd(const char* line)
{
    std::string text(line);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

}  // namespace

int Config::read(const std::string& path)
{
    if (path.empty())
        return -1;
    FILE* fp = OpenRegularStream(path.c_str(), O_RDONLY, "r");
    if (fp == nullptr)
        return -1;

    char line[kMaxLine + 1];
    int result = PARSE_BLANK;
    int number = 0;
    bool continued = false;
    bad_line_number = 0;
    bad_line.clear();
    while (result != PARSE_MALFORMED) {
        line[kMaxLine] = kUnfilled;
        if (fgets(line, sizeof(line), fp) == nullptr)
            break;
        const bool tail = continued;
        continued = FillsBuffer(line, sizeof(line));
        std::string key;
        std::string value;
        if (tail) {
            result = IsBlankTail(line) ? PARSE_BLANK : PARSE_MALFORMED;
        } else {
            ++number;
            result = parse(line, 0, key, value);
        }
        if (result == PARSE_OK)
            entries[key] = value;
        // parse() cuts a line in place only once it has parsed.
        if (result == PARSE_MALFORMED) {
            bad_line_number = number;
            bad_line = WithoutLineEnd(line);
        }
    }
    // A read error (a folder in place of the file, an I/O error) is no end
    // of file: half a file is refused like a malformed one.
    const bool refused = result == PARSE_MALFORMED || ferror(fp);
    fclose(fp);
    if (!refused)
        return 0;
    entries.clear();
    return -1;
}

int Config::parse(char* line, int /*length*/, std::string& key, std::string& value)
{
    char* key_start = SkipSpace(line);
    char* p = key_start;
    while (IsKeyByte(static_cast<unsigned char>(*p)))
        ++p;
    char* key_end = p;
    if (*p == '\0' || *p == '#')
        return PARSE_BLANK;

    p = SkipSpace(p);
    if (*p != '=')
        return PARSE_MALFORMED;
    p = SkipSpace(p + 1);
    if (*p == '\0')
        return PARSE_MALFORMED;

    char closing = ' ';
    bool quoted = (*p == '"' || *p == '\'');
    if (quoted)
        closing = *p++;
    char* value_start = p;
    while (*p != closing && !EndsValue(static_cast<unsigned char>(*p)))
        ++p;
    char* value_end = p;
    if (quoted) {
        if (*p != closing)
            return PARSE_MALFORMED;
        ++p;
    }

    p = SkipSpace(p);
    if (*p != '\0' && *p != '#')
        return PARSE_MALFORMED;

    *key_end = '\0';
    *value_end = '\0';
    key = key_start;
    value = value_start;
    if (keep_quotes && quoted)
        value = closing + value + closing;
    return PARSE_OK;
}

int Config::get_int(const std::string& key)
{
    std::stringstream stream;
    stream << entries[key];
    int number = 0;
    stream >> number;
    return number;
}
