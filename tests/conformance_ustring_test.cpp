// The behaviour cases of ustring: storage, conversion and normalization,
// then search, trim and comparison, each row through the real class.
#include "ustring.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <regex>
#include <stdexcept>
#include <string>

#include "conformance_table.h"

struct ustring_probe {
    static size_t byte_block(const ustring& s) { return s.data_cap; }
    static std::string blocks(const ustring& s)
    {
        return "blocks " + std::to_string(s.data_cap) + " bytes " + std::to_string(s.wdata_cap) + " units";
    }
};

namespace {

using conformance::Show;
using Row = conformance::Row<std::function<std::string()>>;
const size_t npos = ustring::npos;

// The UTF-8 bytes in hexadecimal, "61 62".
std::string Bytes(const ustring& s)
{
    std::string out;
    char hex[4];
    for (size_t i = 0; i < s.length(); ++i) {
        snprintf(hex, sizeof hex, i ? " %02X" : "%02X", static_cast<unsigned char>(s.c_str()[i]));
        out += hex;
    }
    return out;
}

// The UTF-16 form in hexadecimal, "0061 00E9".
std::string Units(const ustring& s)
{
    std::string out;
    char hex[6];
    for (const unsigned short* p = s.c_str_utf16(); *p; ++p) {
        snprintf(hex, sizeof hex, out.empty() ? "%04X" : " %04X", *p);
        out += hex;
    }
    return out;
}

std::string Text(const ustring& s)
{
    return "'" + std::string(s.c_str()) + "' length " + std::to_string(s.length());
}

// What f writes to standard error, with the source line of a warning
// (ours to choose) written as N.
std::string StderrOf(const std::function<void()>& f)
{
    testing::internal::CaptureStderr();
    f();
    return std::regex_replace(testing::internal::GetCapturedStderr(), std::regex(" at line [0-9]+"), " at line N");
}

// A normal form, the same through the static and the member normalize.
std::string Normalized(const char* text, ustring::normalization_form form)
{
    const ustring in(text);
    const std::string by_static = Bytes(ustring::normalize(in, form));
    const std::string by_member = Bytes(in.normalize(form));
    return by_static == by_member ? by_static : "static " + by_static + ", member " + by_member;
}

std::string SubstrOf(const char* text, size_t pos, size_t n)
{
    try {
        return Text(ustring(text).substr(pos, n));
    } catch (const std::out_of_range& e) {
        return std::string("out_of_range: ") + e.what();
    }
}

const Row kUnicodeStringRows[] = {
    {"NewObjectIsEmptyInFourByteAndFourUnitBlocks",
     [] {
         ustring s;
         return Text(s) + ", " + ustring_probe::blocks(s);
     },
     "'' length 0, blocks 4 bytes 4 units"},
    {"EmptyCStringShrinksTheByteBlockToOne",
     [] {
         ustring s("");
         return Text(s) + ", " + ustring_probe::blocks(s);
     },
     "'' length 0, blocks 1 bytes 4 units"},
    {"OneLetterKeepsTheFourByteBlock",
     [] {
         ustring s("a");
         return Text(s) + ", " + ustring_probe::blocks(s);
     },
     "'a' length 1, blocks 4 bytes 4 units"},
    {"AppendingByteByByteKeepsFourBytesUpToLengthThreeThenGrowsExactly",
     [] {
         ustring s;
         std::string caps;
         for (int i = 0; i < 6; ++i)
             caps += std::to_string(ustring_probe::byte_block(s += 'x')) + " ";
         return caps;
     },
     "4 4 4 5 6 7 "},
    {"ClearKeepsTheBlockOfAHundredBytesAndTenBytesShrinkItToEleven",
     [] {
         ustring s(std::string(100, 'a'));
         s.clear();
         const std::string cleared = ustring_probe::blocks(s);
         return cleared + ", then " + ustring_probe::blocks(s.append("0123456789"));
     },
     "blocks 101 bytes 4 units, then blocks 11 bytes 4 units"},
    {"AppendingOwnCStringDoublesTheText",
     [] {
         ustring s("ab");
         return Text(s.append(s.c_str()));
     },
     "'abab' length 4"},
    {"SubstrAtTheLengthWithCountFiveIsEmpty", [] { return SubstrOf("abcdef", 6, 5); }, "'' length 0"},
    {"SubstrPastTheLengthThrowsOutOfRangeNamedSubstr", [] { return SubstrOf("abcdef", 7, 5); }, "out_of_range: substr"},
    {"SubstrFromTwoToTheEndWithNpos", [] { return SubstrOf("abcdef", 2, npos); }, "'cdef' length 4"},
    {"SubstrFromTwoWithACountPastTheEnd", [] { return SubstrOf("abcdef", 2, 100); }, "'cdef' length 4"},
    {"AssigningFromPastTheEndOfAnotherObjectThrowsAndEmptiesTheTarget",
     [] {
         ustring target("old");
         try {
             target.assign(ustring("abc"), 10, npos);
         } catch (const std::out_of_range& e) {
             return std::string(e.what()) + ", target " + Text(target);
         }
         return "no exception, target " + Text(target);
     },
     "substr, target '' length 0"},
    {"EAcuteIsTwoBytesAndOneUnit",
     [] {
         ustring s("\xC3\xA9");
         return Bytes(s) + ", units " + Units(s);
     },
     "C3 A9, units 00E9"},
    {"LoneByteFFIsInvalidAndHasAnEmptyUtf16Form",
     [] {
         const ustring s("\xFF");
         std::string seen;
         const std::string warning = StderrOf([&] { seen = Show(ustring::is_valid(s)) + ", units '" + Units(s); });
         return seen + "', " + warning + "bytes " + Bytes(s);
     },
     "false, units '', Warning: u_strFromUTF8: error code 10 at line N\nbytes FF"},
    {"NfcComposesEAndCombiningAcute", [] { return Normalized("e\xCC\x81", ustring::NFC); }, "C3 A9"},
    {"NfdDecomposesEAcute", [] { return Normalized("\xC3\xA9", ustring::NFD); }, "65 CC 81"},
    {"NormalizingEmptyTextGivesANewEmptyObjectWithoutIcu",
     [] {
         std::string seen;
         const std::string err = StderrOf([&] {
             for (ustring::normalization_form form : {ustring::NFC, ustring::NFD}) {
                 const ustring out = ustring::normalize(ustring(), form);
                 seen += Text(out) + ", " + ustring_probe::blocks(out) + "; ";
             }
         });
         return seen + "stderr '" + err + "'";
     },
     "'' length 0, blocks 4 bytes 4 units; '' length 0, blocks 4 bytes 4 units; stderr ''"},
    {"Utf16AppendConvertsTheDroppedCacheFirst",
     [] {
         ustring s("ab");
         s += static_cast<unsigned short>(0x00E9);
         return Bytes(s) + ", length " + std::to_string(s.length());
     },
     "61 62 C3 A9, length 4"},
    {"Utf16FormFollowsAUtf8Change",
     [] {
         ustring s("ab");
         const std::string before = Units(s);
         s += "c";
         return before + " then " + Units(s);
     },
     "0061 0062 then 0061 0062 0063"},
};

class UnicodeStringCases : public testing::TestWithParam<Row> {};
TEST_P(UnicodeStringCases, Holds)
{
    EXPECT_ROW(GetParam(), GetParam().observe());
}
INSTANTIATE_TEST_SUITE_P(Rows, UnicodeStringCases, testing::ValuesIn(kUnicodeStringRows), conformance::RowName());

// A search of text from pos, for any type of pattern.
#define SEARCH(text, search, pos) [](auto pattern) { return ustring(text).search(pattern, pos); }

// The answer of a search, the same whatever type the pattern has (a char
// stands for patterns of at most one byte, the char 0 for the empty one).
template <class Search>
std::string Found(Search search, const char* pattern)
{
    const size_t answer = search(pattern);
    const bool agree = search(std::string(pattern)) == answer && search(ustring(pattern)) == answer &&
                       (strlen(pattern) > 1 || search(pattern[0]) == answer);
    return agree ? Show(answer) : "pattern types disagree";
}

// The byte difference, the same through the three forms of compare.
std::string Compared(const char* a, const char* b)
{
    const int whole = ustring(a).compare(ustring(b));
    const bool agree = ustring(a).compare(ustring(b), npos) == whole && ustring::compare(a, b, false) == whole;
    return agree ? std::to_string(whole) : "forms of compare disagree";
}

// The text after a trim, the same with the set as a C string and as a ustring.
std::string Trimmed(void (ustring::*by_chars)(const char*), void (ustring::*by_ustring)(const ustring&),
                    const char* text, const char* set)
{
    ustring a(text);
    ustring b(text);
    (a.*by_chars)(set);
    (b.*by_ustring)(ustring(set));
    return a == b && a.length() == b.length() ? Text(a) : "set forms disagree";
}

std::string Ltrim(const char* text, const char* set)
{
    return Trimmed(&ustring::ltrim, &ustring::ltrim, text, set);
}

std::string Rtrim(const char* text, const char* set)
{
    return Trimmed(&ustring::rtrim, &ustring::rtrim, text, set);
}

std::string Trim(const char* text, const char* set)
{
    return Trimmed(&ustring::trim, &ustring::trim, text, set);
}

const Row kStringSearchRows[] = {
    {"FindOfSlashFromTheStart", [] { return Found(SEARCH("a/b/c", find, 0), "/"); }, "1"},
    {"RfindOfSlashFromNpos", [] { return Found(SEARCH("a/b/c", rfind, npos), "/"); }, "3"},
    {"FindAndRfindOfSlashInATextWithoutOne",
     [] { return Found(SEARCH("abc", find, 0), "/") + " " + Found(SEARCH("abc", rfind, npos), "/"); }, "npos npos"},
    {"RfindFromNposInALoneSlash", [] { return Found(SEARCH("/", rfind, npos), "/"); }, "0"},
    {"RfindFromNposInAnEmptyText", [] { return Found(SEARCH("", rfind, npos), "/"); }, "npos"},
    {"FindOfEmptyPatternFromTwo", [] { return Found(SEARCH("abcd", find, 2), ""); }, "2"},
    {"FindOfEmptyPatternFromTheLength", [] { return Found(SEARCH("abcd", find, 4), ""); }, "npos"},
    {"RfindOfEmptyPatternFromNposIsTheLastByte", [] { return Found(SEARCH("abcd", rfind, npos), ""); }, "3"},
    {"FindFirstOfCharZeroFromAnyPosition",
     [] {
         return Found(SEARCH("abc", find_first_of, 0), "") + " " + Found(SEARCH("abc", find_first_of, 1), "") + " " +
                Found(SEARCH("abc", find_first_of, 2), "") + " " + Found(SEARCH("abc", find_first_of, 3), "");
     },
     "npos npos npos npos"},
    {"FindFirstNotOfCharZeroFromOne", [] { return Found(SEARCH("abc", find_first_not_of, 1), ""); }, "1"},
    {"FindLastOfFromTenStartsAtTheLastByte", [] { return Found(SEARCH("abc", find_last_of, 10), "c"); }, "2"},
    // The bytes after the terminator still hold the "/" of the longer text
    // the block held before.
    {"FindFirstOfFromPastTheLengthReadsNothingBeyondTheText",
     [] {
         ustring s("a/b//");
         s = "a/b";
         return Found([&s](auto pattern) { return s.find_first_of(pattern, s.length() + 1); }, "/");
     },
     "npos"},
    {"LtrimOfSpaces", [] { return Ltrim("  ab ", " "); }, "'ab ' length 3"},
    {"RtrimOfSpaces", [] { return Rtrim("  ab ", " "); }, "'  ab' length 4"},
    {"TrimOfSpaces", [] { return Trim("  ab ", " "); }, "'ab' length 2"},
    {"TrimOfOnlySpacesEmptiesTheText", [] { return Trim("   ", " "); }, "'' length 0"},
    {"EveryTrimWithAnEmptySetLeavesTheText",
     [] { return Ltrim(" ab ", "") + ", " + Rtrim(" ab ", "") + ", " + Trim(" ab ", ""); },
     "' ab ' length 4, ' ab ' length 4, ' ab ' length 4"},
    {"CompareOfAbcWithAbd", [] { return Compared("abc", "abd"); }, "-1"},
    {"CompareOfBWithA", [] { return Compared("b", "a"); }, "1"},
    {"CompareOfAbWithAbcIsMinusTheByteC", [] { return Compared("ab", "abc"); }, "-99"},
    {"IgnoreCaseCompareOfCapitalsWithSmallLetters", [] { return std::to_string(ustring::compare("ABC", "abc", true)); },
     "0"},
    {"IgnoreCaseCompareLeavesBytesFromEightyHexUnfolded",
     [] { return std::to_string(ustring::compare("\xC3\x84", "\xC3\xA4", true)); }, "-32"},
    {"CompareOverZeroBytesOfAnyPair",
     [] {
         return std::to_string(ustring("x").compare(ustring("y"), 0)) + " " +
                std::to_string(ustring("").compare(ustring("abc"), 0));
     },
     "0 0"},
    {"CompareOfAbcxWithAbcyOverThreeBytes", [] { return std::to_string(ustring("abcx").compare(ustring("abcy"), 3)); },
     "0"},
    {"TextsDifferingOnlyAfterAnEmbeddedNulAreEqual",
     [] {
         ustring a("ab");
         ustring b("ab");
         a.append('\0', 1).append("x");
         b.append('\0', 1).append("y");
         return Show(a == b) + ", compare " + std::to_string(a.compare(b));
     },
     "true, compare 0"},
    {"AddingAnObjectToItselfDoublesIt",
     [] {
         ustring s("ab");
         return Text(s += s);
     },
     "'abab' length 4"},
    {"ReplaceOfSlashByColonAndTheUtf16FormFollows",
     [] {
         ustring s("a/b");
         Units(s);
         s.replace('/', ':');
         return Text(s) + ", units " + Units(s);
     },
     "'a:b' length 3, units 0061 003A 0062"},
    {"SwapExchangesTextsAndCachesWithoutAllocating",
     [] {
         ustring a("one");
         ustring b("\xC3\xA9");
         const char* a_bytes = a.c_str();
         const unsigned short* b_units = b.c_str_utf16();
         swap(a, b);
         const bool same_blocks = b.c_str() == a_bytes && a.c_str_utf16() == b_units;
         return Text(a) + " units " + Units(a) + ", " + Text(b) + ", same blocks " + Show(same_blocks);
     },
     "'\xC3\xA9' length 2 units 00E9, 'one' length 3, same blocks true"},
};

class StringSearchCases : public testing::TestWithParam<Row> {};
TEST_P(StringSearchCases, Holds)
{
    EXPECT_ROW(GetParam(), GetParam().observe());
}
INSTANTIATE_TEST_SUITE_P(Rows, StringSearchCases, testing::ValuesIn(kStringSearchRows), conformance::RowName());

}  // namespace
