// Byte searches, trims and comparison of ustring.
#include "ustring.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const size_t npos = ustring::npos;

enum Search { Find, RFind, FirstOf, FirstNotOf, LastOf, LastNotOf };

struct SearchRow {
    Search search;
    const char* text;
    const char* pattern;
    size_t pos;
    size_t expected;
};

template <class P>
size_t run(const ustring& text, Search search, const P& pattern, size_t pos)
{
    switch (search) {
        case Find:
            return text.find(pattern, pos);
        case RFind:
            return text.rfind(pattern, pos);
        case FirstOf:
            return text.find_first_of(pattern, pos);
        case FirstNotOf:
            return text.find_first_not_of(pattern, pos);
        case LastOf:
            return text.find_last_of(pattern, pos);
        case LastNotOf:
            return text.find_last_not_of(pattern, pos);
    }
    return npos;
}

const SearchRow kSearchRows[] = {
    {Find, "a/b/c", "/", 2, 3},
    {Find, "a/b/c", "b/c", 0, 2},
    {Find, "abc", "bcd", 0, npos},
    {Find, "abcd", "d", 5, npos},
    {Find, "", "", 0, npos},
    {Find, "caf\xC3\xA9", "\xA9", 0, 4},
    {RFind, "a/b/c", "/", 2, 1},
    {RFind, "", "", npos, npos},
    {RFind, "abcd", "", 1, 1},
    {RFind, "abcd", "cd", 2, 2},
    {RFind, "abcd", "cd", 1, npos},
    {RFind, "abcbc", "bc", npos, 3},
    {RFind, "abc", "cx", npos, npos},
    {RFind, "abc", "a", 100, 0},
    {FirstOf, "a/b", "/", 3, npos},
    {FirstOf, "ab:c/d", "/:", 0, 2},
    {FirstOf, "ab:c/d", "/:", 3, 4},
    {FirstOf, "abc", "xyz", 0, npos},
    {FirstNotOf, "//a", "/", 0, 2},
    {FirstNotOf, "///", "/", 0, npos},
    {FirstNotOf, "abc", "", 3, npos},
    {LastOf, "abc", "a", 10, 0},
    {LastOf, "a/b/", "/", 2, 1},
    {LastOf, "abc", "", npos, npos},
    {LastOf, "", "a", npos, npos},
    {LastNotOf, "a/b//", "/", npos, 2},
    {LastNotOf, "///", "/", npos, npos},
    {LastNotOf, "abc", "", npos, 2},
    {LastNotOf, "abc", "", 0, 0},
    {LastNotOf, "", "", npos, npos},
};

// Every pattern type must give the same answer; a char stands for patterns
// of at most one byte (the char 0 being the empty pattern).
TEST(UstringSearch, PositionsForEveryPatternType)
{
    for (const SearchRow& row : kSearchRows) {
        const ustring text(row.text);
        const std::string where = std::string(row.text) + " / " + row.pattern + " @" + std::to_string(row.pos) +
                                  " search " + std::to_string(row.search);
        EXPECT_EQ(row.expected, run(text, row.search, row.pattern, row.pos)) << where;
        EXPECT_EQ(row.expected, run(text, row.search, std::string(row.pattern), row.pos)) << where;
        EXPECT_EQ(row.expected, run(text, row.search, ustring(row.pattern), row.pos)) << where;
        if (std::string(row.pattern).size() <= 1) {
            EXPECT_EQ(row.expected, run(text, row.search, row.pattern[0], row.pos)) << where;
        }
    }
}

TEST(UstringSearch, ForwardScansStopAtEmbeddedNul)
{
    ustring text("a");
    text += '\0';
    text += "b/";
    ASSERT_EQ(4u, text.length());
    EXPECT_EQ(npos, text.find('b', 0));
    EXPECT_EQ(npos, text.find_first_of("/", 0));
    EXPECT_EQ(npos, text.find('b', 1));
    EXPECT_EQ(2u, text.find('b', 2));
    EXPECT_EQ(3u, text.rfind('/', npos));
    EXPECT_EQ(1u, text.find_last_not_of("ab/", npos));
}

struct TrimRow {
    const char* op;
    const char* text;
    const char* set;
    const char* expected;
};

TEST(UstringTrim, RemovesSetBytesAtTheEnds)
{
    const TrimRow rows[] = {
        {"l", "   ", " ", ""}, {"r", "   ", " ", ""},       {"t", "/ a /", "/ ", "a"},
        {"t", "", " ", ""},    {"t", "xabx", "ab", "xabx"}, {"t", "\xC3\xA9 ", " \xA9", "\xC3"},
    };
    for (const TrimRow& row : rows) {
        ustring by_chars(row.text);
        ustring by_ustring(row.text);
        switch (row.op[0]) {
            case 'l':
                by_chars.ltrim(row.set);
                by_ustring.ltrim(ustring(row.set));
                break;
            case 'r':
                by_chars.rtrim(row.set);
                by_ustring.rtrim(ustring(row.set));
                break;
            default:
                by_chars.trim(row.set);
                by_ustring.trim(ustring(row.set));
                break;
        }
        const std::string where = std::string(row.op) + " '" + row.text + "' by '" + row.set + "'";
        EXPECT_EQ(row.expected, std::string(by_chars.c_str(), by_chars.length())) << where;
        EXPECT_STREQ(row.expected, by_ustring.c_str()) << where;
    }
}

TEST(UstringTrim, TrimByOwnTextEmptiesIt)
{
    ustring s("abca");
    s.trim(s);
    EXPECT_TRUE(s.empty());
}

// n of npos compares whole texts, through both forms of compare.
TEST(UstringCompare, ByteDifferences)
{
    struct Row {
        const char* a;
        const char* b;
        size_t n;
        int expected;
    };
    const Row rows[] = {
        {"abc", "ab", npos, 0x63}, {"abc", "abc", npos, 0},
        {"", "", npos, 0},         {"abcx", "abcy", 4, -1},
        {"ab", "abc", 5, -0x63},   {"\xC3\xA4", "a", npos, 0xC3 - 0x61},  // bytes compare unsigned
    };
    for (const Row& row : rows) {
        const ustring a(row.a);
        EXPECT_EQ(row.expected, a.compare(ustring(row.b), row.n)) << row.a << " : " << row.b;
        if (row.n == npos) {
            EXPECT_EQ(row.expected, a.compare(ustring(row.b))) << row.a << " : " << row.b;
            EXPECT_EQ(row.expected, ustring::compare(row.a, row.b, false)) << row.a << " : " << row.b;
        }
    }
}

TEST(UstringCompare, IgnoreCaseFoldsAsciiCapitalsOnly)
{
    struct Row {
        const char* a;
        const char* b;
        int expected;
    };
    const Row rows[] = {
        {"Path/To", "pATH/tO", 0}, {"Z", "a", 'z' - 'a'}, {"@", "`", '@' - '`'},  // neighbours of the capitals
        {"[", "{", '[' - '{'},     {"AB", "abc", -'c'},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.expected, ustring::compare(row.a, row.b, true)) << row.a << " : " << row.b;
}

TEST(UstringCompare, RelationalOperatorsAgree)
{
    struct Row {
        const char* a;
        const char* b;
        bool eq, lt, gt;
    };
    const Row rows[] = {
        {"a", "a", true, false, false},  {"a", "b", false, true, false},        {"b", "a", false, false, true},
        {"ab", "a", false, false, true}, {"\xC3\xA9", "z", false, false, true},
    };
    for (const Row& row : rows) {
        const ustring a(row.a), b(row.b);
        EXPECT_EQ(row.eq, a == b) << row.a << " : " << row.b;
        EXPECT_EQ(!row.eq, a != b) << row.a << " : " << row.b;
        EXPECT_EQ(row.lt, a < b) << row.a << " : " << row.b;
        EXPECT_EQ(row.gt, a > b) << row.a << " : " << row.b;
        EXPECT_EQ(row.lt || row.eq, a <= b) << row.a << " : " << row.b;
        EXPECT_EQ(row.gt || row.eq, a >= b) << row.a << " : " << row.b;
    }
}

}  // namespace
