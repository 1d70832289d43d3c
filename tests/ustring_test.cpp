// Storage, conversion and normalization of ustring.
#include "ustring.h"

#include <gtest/gtest.h>

#include <new>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

struct ustring_probe {
    static size_t data_cap(const ustring& s) { return s.data_cap; }
    static size_t wdata_cap(const ustring& s) { return s.wdata_cap; }
    static size_t wdata_len(const ustring& s) { return s.wdata_len; }
};

namespace {

using u16 = std::vector<unsigned short>;

u16 utf16_of(const ustring& s)
{
    u16 units;
    for (const unsigned short* p = s.c_str_utf16(); *p; ++p)
        units.push_back(*p);
    return units;
}

std::string bytes_of(const ustring& s)
{
    return std::string(s.c_str(), s.length());
}

// Runs f and returns what it wrote to standard error.
template <class F>
std::string stderr_of(F f)
{
    testing::internal::CaptureStderr();
    f();
    return testing::internal::GetCapturedStderr();
}

// The one warning line ustring writes when ICU fails in call with code.
bool is_warning(const std::string& err, const char* call, int code)
{
    const std::regex line(std::string("Warning: ") + call + ": error code " + std::to_string(code) +
                          " at line [0-9]+\n");
    return std::regex_match(err, line);
}

// Blocks are sized exactly: kept while need <= cap <= 2 * need.
TEST(UstringStorage, CapacityRule)
{
    const std::pair<const char*, size_t> built[] = {{"abc", 4}, {"abcd", 5}, {"abcdefgh", 9}};
    for (const auto& row : built) {
        const ustring s(row.first);
        EXPECT_STREQ(row.first, s.c_str());
        EXPECT_EQ(row.second, ustring_probe::data_cap(s)) << row.first;
        EXPECT_EQ(4u, ustring_probe::wdata_cap(s)) << row.first;
    }
}

TEST(UstringStorage, AppendingOwnTextSurvivesReallocation)
{
    ustring tail("abcdef");
    tail.append(tail.c_str() + 2);
    EXPECT_STREQ("abcdefcdef", tail.c_str());

    ustring own("xyz");
    own.append(own, 1, ustring::npos);
    EXPECT_STREQ("xyzyz", own.c_str());
}

TEST(UstringStorage, AssigningOwnTailSurvivesShrink)
{
    std::string text(90, 'a');
    text += "0123456789";
    ustring s(text);
    s.assign(s.c_str() + 90);
    EXPECT_STREQ("0123456789", s.c_str());
    EXPECT_EQ(11u, ustring_probe::data_cap(s));

    ustring cut("abcdef");
    cut.assign(cut.c_str(), 3);
    EXPECT_STREQ("abc", cut.c_str());
    cut.assign(cut.c_str());
    EXPECT_STREQ("abc", cut.c_str());
}

TEST(UstringStorage, HugeCountsThrowBadAllocAndKeepText)
{
    ustring s("keep");
    EXPECT_THROW(s.append('x', ustring::npos), std::bad_alloc);
    EXPECT_THROW(s.append('x', ustring::npos / 2), std::bad_alloc);
    EXPECT_THROW(s.append(static_cast<unsigned short>('x'), ustring::npos), std::bad_alloc);
    EXPECT_STREQ("keep", s.c_str());
    EXPECT_EQ(4u, s.length());
}

TEST(UstringStorage, BytesAreStoredAsGiven)
{
    ustring s;
    s.append("abcdef", 3).append("gh\0ij", 10).append('\0', 1);
    EXPECT_EQ(std::string("abcgh\0", 6), bytes_of(s));
    EXPECT_EQ("ab", bytes_of(ustring(std::string("ab\0cd", 5))));
}

TEST(UstringSubstr, Positions)
{
    struct Row {
        size_t pos, n;
        const char* expected;
    };
    const Row rows[] = {{0, 0, ""}, {1, 2, "bc"}};
    const ustring text("abcdef");
    for (const Row& row : rows)
        EXPECT_STREQ(row.expected, text.substr(row.pos, row.n).c_str()) << row.pos << "," << row.n;
}

TEST(UstringAssign, FailuresEmptyTargetAndSelfAssignmentTakesSubstring)
{
    ustring target("old");
    EXPECT_THROW(target.assign(std::string("abc"), 10, 1), std::out_of_range);
    EXPECT_TRUE(target.empty());

    ustring s("abcdef");
    s.assign(s, 2, 2);
    EXPECT_STREQ("cd", s.c_str());
}

TEST(UstringConversion, Utf16FormOfWellFormedText)
{
    struct Row {
        const char* utf8;
        size_t length;
        u16 utf16;
    };
    const Row rows[] = {
        {"a/\xE4\xB8\xAD", 5, {0x61, 0x2F, 0x4E2D}}, {"\xF0\x9F\x98\x80", 4, {0xD83D, 0xDE00}}, {"", 0, {}}};
    for (const Row& row : rows) {
        ustring s(row.utf8);
        EXPECT_EQ(row.length, s.length()) << row.utf8;
        EXPECT_EQ(row.utf16, utf16_of(s)) << row.utf8;
    }
}

TEST(UstringConversion, BlocksFollowCapacityRule)
{
    struct Row {
        std::string utf8;
        size_t wdata_cap;
    };
    const Row rows[] = {{"\xC3\xA9", 4}, {"abc", 4}, {std::string(20, 'a'), 21}, {"\xF0\x9F\x98\x80", 4}};
    for (const Row& row : rows) {
        const ustring s(row.utf8);
        s.c_str_utf16();
        EXPECT_EQ(row.wdata_cap, ustring_probe::wdata_cap(s)) << row.utf8;
    }

    std::string decomposed;
    for (int i = 0; i < 10; ++i)
        decomposed += "e\xCC\x81";
    const ustring composed = ustring(decomposed).normalize(ustring::NFC);
    EXPECT_EQ(20u, composed.length());
    EXPECT_EQ(21u, ustring_probe::data_cap(composed));
    EXPECT_EQ(11u, ustring_probe::wdata_cap(composed));
}

// Far longer than any path, so no fixed-size working space can hold it.
TEST(UstringConversion, LongTextsConvertAndNormalize)
{
    std::string decomposed;
    std::string composed;
    for (int i = 0; i < 1500; ++i) {
        decomposed += "e\xCC\x81/";
        composed += "\xC3\xA9/";
    }
    const ustring nfd(decomposed);
    const ustring nfc = nfd.normalize(ustring::NFC);
    EXPECT_EQ(composed, bytes_of(nfc));
    EXPECT_EQ(composed.size() + 1, ustring_probe::data_cap(nfc));
    EXPECT_EQ(3001u, ustring_probe::wdata_cap(nfc));
    EXPECT_EQ(4501u, ustring_probe::wdata_cap(nfd));
    EXPECT_EQ(decomposed, bytes_of(nfc.normalize(ustring::NFD)));

    ustring built;
    const unsigned short units[] = {0x4E2D, 0x00E9, 0};
    for (int i = 0; i < 1200; ++i)
        built += units;
    EXPECT_EQ(1200u * 5, built.length());
    EXPECT_EQ(2400u, utf16_of(built).size());
}

TEST(UstringConversion, Utf16InputBuildsUtf8)
{
    const unsigned short path[] = {'/', 0x00E9, 0x4E2D, 0xD83D, 0xDE00, 0};
    EXPECT_EQ("/\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80", bytes_of(ustring(path)));

    ustring s("ab");
    s += static_cast<unsigned short>(0x00E9);
    s.append(path, 2);
    EXPECT_EQ("ab\xC3\xA9/\xC3\xA9", bytes_of(s));
    s = static_cast<unsigned short>(0x4E2D);
    EXPECT_EQ("\xE4\xB8\xAD", bytes_of(s));
    s = static_cast<unsigned short>(0);
    EXPECT_TRUE(s.empty());
    EXPECT_TRUE(utf16_of(s).empty());
}

TEST(UstringConversion, CacheFollowsEveryUtf8Change)
{
    ustring s("ab");
    EXPECT_EQ((u16{'a', 'b'}), utf16_of(s));
    s += "c";
    s[0] = 'x';
    EXPECT_EQ((u16{'x', 'b', 'c'}), utf16_of(s));
    s.replace('b', '/');
    EXPECT_EQ((u16{'x', '/', 'c'}), utf16_of(s));
    s.trim("x");
    EXPECT_EQ((u16{'/', 'c'}), utf16_of(s));
    s.assign("\xC3\xA9");
    EXPECT_EQ((u16{0x00E9}), utf16_of(s));
}

TEST(UstringConversion, AppendingOwnUtf16Form)
{
    ustring s("ab");
    s.append(s.c_str_utf16());
    EXPECT_STREQ("abab", s.c_str());

    // The cache pointer stays the object's own after a UTF-8 change drops
    // the cache; refilling it must not leave the argument dangling.
    ustring grown("\xC3\xA9");
    const unsigned short* own = grown.c_str_utf16();
    grown += "0123456789";
    grown.append(own);
    EXPECT_EQ(
        "\xC3\xA9"
        "0123456789\xC3\xA9"
        "0123456789",
        bytes_of(grown));

    ustring tail("abcdef");
    tail.assign(tail.c_str_utf16() + 4);
    EXPECT_STREQ("ef", tail.c_str());
}

TEST(UstringConversion, IllFormedUtf8WarnsOnEveryFill)
{
    ustring s("\xFF");
    stderr_of([&] { s.c_str_utf16(); });
    const std::string again = stderr_of([&] { s.c_str_utf16(); });
    EXPECT_TRUE(is_warning(again, "u_strFromUTF8", 10)) << again;
}

TEST(UstringConversion, Utf16AppendToIllFormedTextChangesNothing)
{
    ustring s("/tmp/\xFF");
    stderr_of([&] { s += static_cast<unsigned short>('x'); });
    EXPECT_STREQ("/tmp/\xFF", s.c_str());
}

TEST(UstringConversion, LoneSurrogateEmptiesBothForms)
{
    ustring s("abc");
    const std::string err = stderr_of([&] { s += static_cast<unsigned short>(0xD800); });
    EXPECT_TRUE(is_warning(err, "u_strToUTF8", 10)) << err;
    EXPECT_TRUE(s.empty());
    EXPECT_TRUE(utf16_of(s).empty());
}

TEST(UstringValidity, IllFormedSequences)
{
    struct Row {
        const char* text;
        bool valid;
    };
    const Row rows[] = {
        {"", true},
        {"plain/ascii", true},
        {"caf\xC3\xA9", true},
        {"\xF0\x9F\x98\x80", true},
        {"\x80", false},              // lone continuation
        {"a\xC3", false},             // truncated at the end
        {"\xC3(", false},             // bad continuation
        {"\xC0\x80", false},          // overlong NUL
        {"\xED\xA0\x80", false},      // encoded surrogate
        {"\xF4\x90\x80\x80", false},  // above U+10FFFF
    };
    for (const Row& row : rows) {
        const std::string err = stderr_of([&] { EXPECT_EQ(row.valid, ustring::is_valid(row.text)) << row.text; });
        EXPECT_EQ("", err) << row.text;
    }
}

TEST(UstringNormalize, ComposesAndDecomposes)
{
    struct Row {
        const char* input;
        ustring::normalization_form form;
        const char* expected;
    };
    const Row rows[] = {
        {"/Users/jose\xCC\x81/Docs", ustring::NFC, "/Users/jos\xC3\xA9/Docs"},
        {"\xE4\xB8\xAD/\xEA\xB0\x80", ustring::NFD, "\xE4\xB8\xAD/\xE1\x84\x80\xE1\x85\xA1"},
        {"\xE1\x84\x80\xE1\x85\xA1", ustring::NFC, "\xEA\xB0\x80"},
        {"plain", ustring::NFD, "plain"},
    };
    for (const Row& row : rows) {
        const ustring in(row.input);
        EXPECT_EQ(row.expected, bytes_of(ustring::normalize(in, row.form))) << row.input;
        EXPECT_EQ(row.expected, bytes_of(in.normalize(row.form))) << row.input;
    }
}

// Each result leaves both forms filled, in blocks the capacity rule gives a
// new object for that text; around 1024 units the work moves off the stack.
TEST(UstringNormalize, ResultBlocksAndCaches)
{
    struct Row {
        std::string input;
        ustring::normalization_form form;
        size_t length;
        size_t units;
        size_t data_cap;
        size_t wdata_cap;
    };
    const Row rows[] = {
        {"a", ustring::NFD, 1, 1, 4, 4},
        {"e\xCC\x81", ustring::NFC, 2, 1, 4, 4},
        {"abc", ustring::NFC, 3, 3, 4, 4},
        {"abcd", ustring::NFC, 4, 4, 5, 5},
        {"\xF0\x9F\x98\x80", ustring::NFC, 4, 2, 5, 4},
        {"\xE4\xB8\xAD\xE6\x96\x87", ustring::NFD, 6, 2, 7, 4},
        {std::string(1023, 'a'), ustring::NFC, 1023, 1023, 1024, 1024},
        {std::string(1024, 'a'), ustring::NFC, 1024, 1024, 1025, 1025},
        {std::string(1025, 'a'), ustring::NFD, 1025, 1025, 1026, 1026},
    };
    for (const Row& row : rows) {
        const ustring in(row.input);
        const ustring out = in.normalize(row.form);
        EXPECT_EQ(row.length, out.length()) << row.input;
        EXPECT_EQ(row.units, ustring_probe::wdata_len(out)) << row.input;
        EXPECT_EQ(row.data_cap, ustring_probe::data_cap(out)) << row.input;
        EXPECT_EQ(row.wdata_cap, ustring_probe::wdata_cap(out)) << row.input;
        EXPECT_NE(0u, ustring_probe::wdata_len(in)) << row.input;
    }

    // 600 composed letters decompose to 1200 units, past the stack space.
    std::string composed;
    for (int i = 0; i < 600; ++i)
        composed += "\xC3\xA9";
    const ustring nfd = ustring(composed).normalize(ustring::NFD);
    EXPECT_EQ(1800u, nfd.length());
    EXPECT_EQ(1200u, ustring_probe::wdata_len(nfd));
    EXPECT_EQ(1801u, ustring_probe::data_cap(nfd));
    EXPECT_EQ(1201u, ustring_probe::wdata_cap(nfd));
}

TEST(UstringNormalize, IllFormedGivesEmpty)
{
    const ustring bad("a\xFF");
    const std::string err = stderr_of([&] { EXPECT_TRUE(bad.normalize(ustring::NFC).empty()); });
    EXPECT_TRUE(is_warning(err, "u_strFromUTF8", 10)) << err;
    EXPECT_STREQ("a\xFF", bad.c_str());

    // Unlike the result for an empty source, which is a new object, this
    // one has blocks fitted to the empty text.
    stderr_of([&] {
        const ustring from_bad = bad.normalize(ustring::NFC);
        EXPECT_EQ(1u, ustring_probe::data_cap(from_bad));
        EXPECT_EQ(1u, ustring_probe::wdata_cap(from_bad));
    });
}

TEST(UstringOperators, ConcatenationAndCompoundAssignment)
{
    const ustring dir("/a");
    const unsigned short name[] = {0x00E9, 0};
    EXPECT_EQ("/a/b", bytes_of(dir + ustring("/b")));
    EXPECT_EQ("/a/b", bytes_of(dir + "/b"));
    EXPECT_EQ("/a/", bytes_of(dir + '/'));
    EXPECT_EQ("/a\xC3\xA9", bytes_of(dir + name));
    EXPECT_EQ("/a\xC3\xA9", bytes_of(dir + static_cast<unsigned short>(0x00E9)));
    EXPECT_EQ(std::string("/a\0", 3), bytes_of(dir + '\0'));

    ustring s("ab");
    s += s;
    s += std::string("c\0d", 3);
    EXPECT_STREQ("ababc", s.c_str());
}

TEST(UstringOperators, Streams)
{
    std::istringstream in("  first second");
    ustring word("old");
    in >> word >> word;
    EXPECT_STREQ("second", word.c_str());
    in >> word;
    EXPECT_TRUE(in.fail());
    EXPECT_TRUE(word.empty());

    std::ostringstream out;
    ustring cut("ab");
    cut += '\0';
    cut += 'c';
    out << cut << '|';
    EXPECT_EQ("ab|", out.str());
}

}  // namespace
