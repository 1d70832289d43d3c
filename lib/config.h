#ifndef VELMORA_LIB_CONFIG_H
#define VELMORA_LIB_CONFIG_H

#include <map>
#include <string>

// Strict reader of key=value text files (the log level file, "ui.pid").
// One malformed line rejects the whole file.
class Config {
public:
    // Results of parse().
    enum ParseResult { PARSE_OK = 0, PARSE_BLANK = 1, PARSE_MALFORMED = 2 };

    // Longest line read at once, line end counted. A longer line is parsed
    // from its first kMaxLine bytes; the file is refused unless the rest is
    // white space.
    static constexpr int kMaxLine = 8191;

    std::map<std::string, std::string> entries;
    bool keep_quotes = false;

    // After a read() refused for a malformed line: its number, from 1, and
    // its text without the line end. 0 and empty otherwise.
    int bad_line_number = 0;
    std::string bad_line;

    // 0 on success; -1 for an empty path, an unopenable file, a malformed
    // line or a read error (in the last two cases entries is emptied). A
    // second read adds to the first.
    int read(const std::string& path);

    // Parses one NUL-terminated line in place; length is not used.
    int parse(char* line, int length, std::string& key, std::string& value);

    // The value as a decimal int; 0 when not a number. A missing key is
    // inserted with an empty value.
    int get_int(const std::string& key);
};

#endif  // VELMORA_LIB_CONFIG_H
