// NFC and NFD of ustring against the Unicode conformance file installed by
// Debian's unicode-data package (plain or bzip2-compressed).
#include "ustring.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

const char* const kPlain = "/usr/share/unicode/NormalizationTest.txt";
const char* const kCompressed = "/usr/share/unicode/NormalizationTest.txt.bz2";

bool exists(const char* path)
{
    struct stat st;
    return stat(path, &st) == 0;
}

std::string utf8_of(unsigned long cp)
{
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

// "1E0A 0323;1E0C 0307;..." -> the first five columns in UTF-8.
std::vector<std::string> columns_of(const std::string& line)
{
    std::vector<std::string> columns;
    std::istringstream fields(line);
    std::string field;
    while (columns.size() < 5 && std::getline(fields, field, ';')) {
        std::istringstream points(field);
        std::string text;
        std::string hex;
        while (points >> hex)
            text += utf8_of(std::stoul(hex, nullptr, 16));
        columns.push_back(text);
    }
    return columns;
}

std::string hex_of(const std::string& bytes)
{
    std::string out;
    char buf[4];
    for (unsigned char c : bytes) {
        snprintf(buf, sizeof buf, "%02X ", c);
        out += buf;
    }
    return out;
}

struct Check {
    int column;  // 1-based, as the file's header counts them
    ustring::normalization_form form;
    int expected;
};

// The file's own rules: c2 == NFC(c1) == NFC(c2) == NFC(c3),
// c4 == NFC(c4) == NFC(c5), c3 == NFD(c1) == NFD(c2) == NFD(c3),
// c5 == NFD(c4) == NFD(c5).
const Check kChecks[] = {
    {1, ustring::NFC, 2}, {2, ustring::NFC, 2}, {3, ustring::NFC, 2}, {4, ustring::NFC, 4}, {5, ustring::NFC, 4},
    {1, ustring::NFD, 3}, {2, ustring::NFD, 3}, {3, ustring::NFD, 3}, {4, ustring::NFD, 5}, {5, ustring::NFD, 5},
};

TEST(UstringNormalizationConformance, EveryLineOfTheUnicodeTestFile)
{
    std::unique_ptr<FILE, int (*)(FILE*)> file(nullptr, fclose);
    if (exists(kPlain))
        file = {fopen(kPlain, "r"), fclose};
    else if (exists(kCompressed))
        file = {popen((std::string("bzip2 -dc ") + kCompressed).c_str(), "r"), pclose};
    else
        GTEST_SKIP() << "no " << kPlain << "(.bz2); install the unicode-data package";
    ASSERT_TRUE(file) << "cannot read the conformance file";

    size_t lines = 0;
    size_t failures = 0;
    char buf[4096];
    while (fgets(buf, sizeof buf, file.get())) {
        const std::string line(buf);
        if (line.empty() || line[0] == '#' || line[0] == '@' || line[0] == '\n')
            continue;
        const std::vector<std::string> c = columns_of(line);
        ASSERT_EQ(5u, c.size()) << line;
        ++lines;
        for (const Check& check : kChecks) {
            const std::string& want = c[check.expected - 1];
            const ustring got = ustring(c[check.column - 1].c_str()).normalize(check.form);
            if (want == got.c_str())
                continue;
            if (++failures <= 10)
                ADD_FAILURE() << (check.form == ustring::NFC ? "NFC" : "NFD") << "(c" << check.column << ") != c"
                              << check.expected << " on: " << line << "  got " << hex_of(got.c_str()) << " want "
                              << hex_of(want);
        }
    }
    EXPECT_EQ(0u, failures);
    EXPECT_GT(lines, 10000u) << "the conformance file looks truncated";
}

}  // namespace
