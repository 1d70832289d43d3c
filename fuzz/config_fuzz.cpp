// Config::read on arbitrary bytes, against a plain reader of the key=value
// grammar written here from its description, with and without keep_quotes.
#include <algorithm>
#include <map>
#include <string>
#include <string_view>

#include "config.h"
#include "fuzz_support.h"

namespace {

using Entries = std::map<std::string, std::string>;

// Left by an earlier read: kept on success, gone after a refused file.
const char kEarlierKey[] =
    "\x01"
    "earlier";

bool IsWhite(unsigned char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsKeyByte(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == '-' ||
           c == '.';
}

bool IsControl(unsigned char c)
{
    return c < 0x20 || c == 0x7F;
}

enum class Line { kBlank, kEntry, kMalformed };

// One line, read up to its first NUL (the reader stops there, and a NUL
// does not refuse the file): blank or comment, an entry, or malformed.
Line ParseLine(std::string_view line, bool keep_quotes, Entries& out)
{
    line = line.substr(0, line.find('\0'));
    size_t i = 0;
    auto skip_white = [&] {
        while (i < line.size() && IsWhite(line[i]))
            ++i;
    };
    skip_white();
    const size_t key_start = i;
    while (i < line.size() && IsKeyByte(line[i]))
        ++i;
    const std::string key(line.substr(key_start, i - key_start));
    if (i == line.size() || line[i] == '#')
        return Line::kBlank;
    skip_white();
    if (i == line.size() || line[i] != '=')
        return Line::kMalformed;
    ++i;
    skip_white();
    if (i == line.size())
        return Line::kMalformed;
    std::string value;
    const char quote = line[i];
    if (quote == '"' || quote == '\'') {
        const size_t close = line.find(quote, i + 1);
        if (close == std::string_view::npos)
            return Line::kMalformed;
        value = line.substr(i + 1, close - i - 1);
        for (unsigned char c : value)
            if (IsControl(c))
                return Line::kMalformed;
        if (keep_quotes)
            value = quote + value + quote;
        i = close + 1;
    } else {
        const size_t start = i;
        while (i < line.size() && line[i] != ' ' && !IsControl(line[i]))
            ++i;
        if (i == start)
            return Line::kMalformed;
        value = line.substr(start, i - start);
    }
    skip_white();
    if (i != line.size() && line[i] != '#')
        return Line::kMalformed;
    out[key] = value;
    return Line::kEntry;
}

// The rest of a line longer than one read: refused unless it is white space
// up to its end or its first NUL, since parsed as a line it would store a
// cut value or a bogus key.
Line ParseTail(std::string_view chunk)
{
    chunk = chunk.substr(0, chunk.find('\0'));
    for (unsigned char c : chunk)
        if (!IsWhite(c))
            return Line::kMalformed;
    return Line::kBlank;
}

// What a read of the whole text must give: false for a refused file. Lines
// are taken as fgets takes them into a buffer of Config::kMaxLine + 1
// bytes: up to and with the line end, at most kMaxLine bytes at a time, so
// a longer line comes in several chunks and the first is parsed alone.
bool ReadText(std::string_view text, bool keep_quotes, Entries& out)
{
    bool continued = false;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const size_t length =
            std::min(end == std::string_view::npos ? text.size() : end + 1, static_cast<size_t>(Config::kMaxLine));
        const std::string_view chunk = text.substr(0, length);
        const Line line = continued ? ParseTail(chunk) : ParseLine(chunk, keep_quotes, out);
        if (line == Line::kMalformed) {
            out.clear();
            return false;
        }
        continued = chunk.back() != '\n';
        text.remove_prefix(length);
    }
    return true;
}

void Check(const std::string& file, std::string_view text, bool keep_quotes)
{
    Entries expected{{kEarlierKey, "kept"}};
    const bool accepted = ReadText(text, keep_quotes, expected);
    Config config;
    config.keep_quotes = keep_quotes;
    config.entries[kEarlierKey] = "kept";
    const int result = config.read(file);
    if (result != (accepted ? 0 : -1))
        fuzz::Fail("read returned " + std::to_string(result) + ", expected " + (accepted ? "0" : "-1"));
    if (config.entries != expected)
        fuzz::Fail("entries differ from the reference reader");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string file = fuzz::TempFolder("config-fuzz") + "/input.conf";
    fuzz::WriteInput(file, data, size);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Check(file, text, false);
    Check(file, text, true);
    return 0;
}
