#include "config.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <map>
#include <string>

#include "temp_folder_test.h"

namespace {

using Entries = std::map<std::string, std::string>;

class ConfigTest : public temp_folder::TempFolderTest {
protected:
    std::string Write(const std::string& content, const std::string& name = "file.conf")
    {
        std::string path = Path(name);
        temp_folder::WriteFile(path, content);
        return path;
    }
};

struct GrammarCase {
    const char* name;
    std::string content;
    int result;
    Entries entries;
};

TEST_F(ConfigTest, LineGrammar)
{
    const GrammarCase cases[] = {
        {"double quotes keep other quote", "s=\"it's\"\n", 0, {{"s", "it's"}}},
        {"empty quoted value", "k=\"\"\n", 0, {{"k", ""}}},
        {"comment right after quote", "k=\"x\"#c\n", 0, {{"k", "x"}}},
        {"empty key", "=v\n", 0, {{"", "v"}}},
        {"second = belongs to value", "k==v\n", 0, {{"k", "=v"}}},
        {"key bytes", "a.B-c_9=1\n", 0, {{"a.B-c_9", "1"}}},
        {"utf-8 passes", "name=h\xC3\xA9llo\n", 0, {{"name", "h\xC3\xA9llo"}}},
        {"later line replaces", "k=1\nk=2\n", 0, {{"k", "2"}}},
        {"key then hash is blank", "key#x\n", 0, {}},
        {"no line end on last line", "a=1", 0, {{"a", "1"}}},
        {"NUL ends the text of its line", std::string("a=1\0junk\nb=2\n", 13), 0, {{"a", "1"}, {"b", "2"}}},
        {"unterminated quote", "k='abc\n", -1, {}},
        {"unterminated quote at end of file", "k=\"abc", -1, {}},
        {"text after quoted value", "k='a' b\n", -1, {}},
        {"DEL in value", "k=a\x7f\n", -1, {}},
        {"colon separator", "k: v\n", -1, {}},
    };
    for (const GrammarCase& c : cases) {
        Config config;
        EXPECT_EQ(config.read(Write(c.content)), c.result) << c.name;
        EXPECT_EQ(config.entries, c.entries) << c.name;
    }
}

TEST_F(ConfigTest, KeepQuotesPutsTheQuoteBack)
{
    Config config;
    config.keep_quotes = true;
    ASSERT_EQ(config.read(Write("d=\"x\"\nplain=y\n")), 0);
    EXPECT_EQ(config.entries, (Entries{{"d", "\"x\""}, {"plain", "y"}}));
}

// A line is read in chunks of at most 8191 bytes; the first is parsed
// without the line end. A longer line must not be split into a cut value
// and a second line made of its tail; a tail of white space is harmless.
TEST_F(ConfigTest, LineFillingTheBufferIsReadInChunks)
{
    const std::string fits(Config::kMaxLine - 2, 'a');  // "k=" + value = 8191 bytes
    const std::string key_alone(Config::kMaxLine, 'k');
    const struct {
        const char* name;
        std::string content;
        int result;
        size_t value_size;
    } cases[] = {
        {"longest last line without line end", "k=" + fits, 0, fits.size()},
        {"longest line then blanks and CR LF", "k=" + fits + " \t\r\n", 0, fits.size()},
        {"longest line then a NUL", "k=" + fits + std::string(" \0x=1\n", 6), 0, fits.size()},
        {"one byte too long: cut value", "k=" + fits + "a\n", -1, 0},
        {"tail looks like a line: cut value", "k=" + fits + "x=1\n", -1, 0},
        {"tail is a comment: cut value", "k=" + fits + "#x\n", -1, 0},
        {"longest key alone before CR LF", key_alone + "\r\n", 0, 0},
        {"longest key alone at the end", key_alone, 0, 0},
    };
    for (const auto& c : cases) {
        Config config;
        EXPECT_EQ(config.read(Write(c.content)), c.result) << c.name;
        EXPECT_EQ(config.entries["k"].size(), c.value_size) << c.name;
    }
}

TEST_F(ConfigTest, ReadAddsToEarlierEntriesUntilALineIsMalformed)
{
    Config config;
    ASSERT_EQ(config.read(Write("a=1\n", "one")), 0);
    ASSERT_EQ(config.read(Write("b=2\n", "two")), 0);
    EXPECT_EQ(config.entries, (Entries{{"a", "1"}, {"b", "2"}}));

    EXPECT_EQ(config.read(Write("c=3\nbad line\n", "three")), -1);
    EXPECT_TRUE(config.entries.empty());
}

TEST_F(ConfigTest, UnreadablePathLeavesEntries)
{
    Config config;
    config.entries["kept"] = "1";
    EXPECT_EQ(config.read(""), -1);
    EXPECT_EQ(config.read(dir_ + "/missing"), -1);
    EXPECT_EQ(config.entries, (Entries{{"kept", "1"}}));
}

// A folder in place of the file is a failure, not an empty file.
TEST_F(ConfigTest, FolderInPlaceOfFileIsAFailure)
{
    std::filesystem::create_directory(dir_ + "/ui.pid");
    Config config;
    EXPECT_EQ(config.read(dir_ + "/ui.pid"), -1);
    EXPECT_TRUE(config.entries.empty());
}

TEST_F(ConfigTest, GetIntReadsALeadingDecimal)
{
    const struct {
        const char* value;
        int number;
    } cases[] = {{"+5", 5}, {"", 0}, {"-99999999999", INT_MIN}};
    for (const auto& c : cases) {
        Config config;
        config.entries["k"] = c.value;
        EXPECT_EQ(config.get_int("k"), c.number) << '"' << c.value << '"';
    }
}

}  // namespace
