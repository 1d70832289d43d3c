#include <gtest/gtest.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <locale.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "extract/extractor.h"
#include "extractor_test_util.h"
#include "package/extract-path-guard.h"
#include "test_archive_writer.h"
#include "texts/strtable.h"

// The disk writer applies deferred work (folder modes) when it is closed.
// A failure there cannot be caused from outside, so this test program's own
// archive_write_close, found before the library's, stages one on request.
bool g_fail_write_close = false;

extern "C" int archive_write_close(struct archive* a)
{
    using Close = int (*)(struct archive*);
    static const Close real = reinterpret_cast<Close>(dlsym(RTLD_NEXT, "archive_write_close"));
    const int r = real(a);
    if (!g_fail_write_close)
        return r;
    archive_set_error(a, EIO, "Cannot restore folder modes");
    return ARCHIVE_FAILED;
}

namespace {

const char kInitializingText[] = "Velmora Drive Client is initializing...";

class ExtractorTest : public ExtractorFixture {};

using Progress = std::vector<std::pair<int, int>>;

// One package in every format the launcher may be shipped in.
class ExtractorFormatTest : public ExtractorTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ExtractorFormatTest, ExtractsEveryEntryWithProgress)
{
    const std::vector<TestEntry> entries = {
        DirEntry("a/"),
        FileEntry("a/b/c.txt", "hello"),
        FileEntry("top.txt", std::string(70000, 'x')),
        LinkEntry("a/cur", "b"),
    };
    ASSERT_EQ(0, Extract(GetParam(), entries)) << Log();

    EXPECT_EQ((Progress{{4, 1}, {4, 2}, {4, 3}, {4, 4}}), relay.progress);
    ASSERT_EQ(1u, relay.texts.size());
    EXPECT_EQ(kInitializingText, relay.texts[0].toStdString());
    const std::set<std::string> tree = {"a", "a/b", "a/b/c.txt", "a/cur", "top.txt"};
    EXPECT_EQ(tree, TreeBelow(dest));
    EXPECT_EQ("hello", ReadFile(dest + "/a/b/c.txt"));
    EXPECT_EQ(std::string(70000, 'x'), ReadFile(dest + "/top.txt"));
    EXPECT_TRUE(IsSymlink(dest + "/a/cur"));
    EXPECT_EQ("hello", ReadFile(dest + "/a/cur/c.txt"));

    Extractor ex;
    ex.archive_path = archive.c_str();
    ex.dest_dir = dest.c_str();
    EXPECT_EQ(4, ex.Count());
    EXPECT_NE(std::string::npos, Log().find("[DEBUG] extractor("));
}

INSTANTIATE_TEST_SUITE_P(Formats, ExtractorFormatTest, ::testing::Values("tar", "tar.gz", "tar.xz", "zip", "7z"));

TEST_F(ExtractorTest, EmptyArchiveFailsWithCountZero)
{
    EXPECT_EQ(-1, Extract("tar", {}));
    EXPECT_TRUE(relay.progress.empty());
    EXPECT_NE(std::string::npos, Log().find("Failed to calculate total file numbers, ret: 0\n"));
}

// A streamed zip entry that states a wrong size: counting skips by the size,
// extraction reads to the real end of its data and finds a second entry.
TEST_F(ExtractorTest, EntryPastTheCountFailsWithoutProgressBeyondTheTotal)
{
    temp_folder::WriteFile(
        archive.c_str(),
        std::string("\x50\x4b\x03\x04\x14\x00\x08\x00\x08\x00\x00\x00\x00\x00\x00\x00\x00\x00\xcc\xff"
                    "\xff\xff\x00\x00\x00\x00\x05\x00\x00\x00\x61\x2e\x74\x78\x74\x4b\xcb\x2c\x2a\x2e"
                    "\xe1\x02\x00\x50\x4b\x07\x08\x2a\xb3\x4a\xc7\x08\x00\x00\x00\x06\x00\x00\x00\x50"
                    "\x4b\x03\x04\x14\x00\x00\x00\x00\x00\x00\x00\x00\x00\x7e\xc0\x0f\x06\x07\x00\x00"
                    "\x00\x07\x00\x00\x00\x05\x00\x00\x00\x62\x2e\x74\x78\x74\x73\x65\x63\x6f\x6e\x64\x0a",
                    101));
    Extractor ex;
    ex.archive_path = archive.c_str();
    ex.dest_dir = dest.c_str();
    ASSERT_EQ(1, ex.Count()) << "the two passes no longer disagree on this archive";
    EXPECT_EQ(-1, ex.Extract());
    for (const auto& step : relay.progress)
        EXPECT_LE(step.second, step.first);
    EXPECT_NE(std::string::npos, Log().find("the package holds more entries than the 1 counted"));
}

// The reverse: a streamed zip entry that states too small a size, so that
// counting skips into its data and finds a header there which extraction,
// reading the data whole, never meets. The extraction must not end as a
// success with an entry missing.
TEST_F(ExtractorTest, PackageEndingBeforeTheCountFails)
{
    temp_folder::WriteFile(
        archive.c_str(), std::string("\x50\x4b\x03\x04\x14\x00\x08\x00\x08\x00\x00\x00\x00\x00\x00\x00\x00\x00\x0a\x00"
                                     "\x00\x00\x00\x00\x00\x00\x05\x00\x00\x00\x61\x2e\x74\x78\x74\x01\x2f\x00\xd0\xff"
                                     "\x68\x65\x6c\x6c\x6f\x50\x4b\x03\x04\x14\x00\x00\x00\x00\x00\x00\x00\x00\x00\x7e"
                                     "\xc0\x0f\x06\x07\x00\x00\x00\x07\x00\x00\x00\x05\x00\x00\x00\x62\x2e\x74\x78\x74"
                                     "\x73\x65\x63\x6f\x6e\x64\x0a\x50\x4b\x07\x08\x1f\x30\x44\xe8\x34\x00\x00\x00\x2f"
                                     "\x00\x00\x00\x50\x4b\x05\x06\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
                                     "\xff\xff\xff\x00\x00",
                                     125));
    Extractor ex;
    ex.archive_path = archive.c_str();
    ex.dest_dir = dest.c_str();
    ASSERT_EQ(2, ex.Count()) << "the two passes no longer disagree on this archive";
    EXPECT_EQ(-1, ex.Extract());
    EXPECT_EQ((Progress{{2, 1}}), relay.progress);
    EXPECT_NE(std::string::npos, Log().find("it ended after 1 of the 2 entries counted"));
}

// A full disk is the likeliest failure in the field; the log must say so.
TEST_F(ExtractorTest, FullDiskFailureNamesTheCause)
{
    if (mount("tmpfs", dest.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "tmpfs cannot be mounted here: " << strerror(errno);
    const int result = Extract("tar", {FileEntry("big.bin", std::string(512 * 1024, 'x'))});
    umount(dest.c_str());
    EXPECT_EQ(-1, result);
    EXPECT_NE(std::string::npos, Log().find("archive_read_extract2 failed: 'Write failed: No space left on device'\n"))
        << Log();
}

// A hard link names a file of the package; it must never resolve against
// the process's working folder, whatever lies there.
TEST_F(ExtractorTest, HardLinkTargetsResolveInsideTheBundleNotTheWorkingFolder)
{
    const std::string cwd = tmp / "cwd";
    ASSERT_EQ(0, mkdir(cwd.c_str(), 0755));
    std::ofstream(cwd + "/victim") << "precious";
    char saved[4096];
    ASSERT_NE(nullptr, getcwd(saved, sizeof saved));
    ASSERT_EQ(0, chdir(cwd.c_str()));

    const int legit = Extract("tar", {FileEntry("victim", "mine"), HardEntry("h", "victim")});
    struct stat mine, h, theirs;
    const bool statted = stat((dest + "/victim").c_str(), &mine) == 0 && stat((dest + "/h").c_str(), &h) == 0 &&
                         stat((cwd + "/victim").c_str(), &theirs) == 0;
    ASSERT_EQ(0, unlink((dest + "/victim").c_str()));
    ASSERT_EQ(0, unlink((dest + "/h").c_str()));
    const int crafted = Extract("tar", {HardEntry("stolen", "victim")});
    ASSERT_EQ(0, chdir(saved));

    EXPECT_EQ(0, legit) << Log();
    ASSERT_TRUE(statted);
    EXPECT_EQ(mine.st_ino, h.st_ino);
    EXPECT_EQ(1u, theirs.st_nlink);
    EXPECT_EQ(-1, crafted);
    EXPECT_FALSE(IsSymlink(dest + "/stolen"));
    EXPECT_NE(0, access((dest + "/stolen").c_str(), F_OK));
    EXPECT_EQ("precious", ReadFile(cwd + "/victim"));
}

// Entries that would land outside the bundle: each fails the extraction at
// that entry, the entries before it stay, and nothing outside changes.
TEST_F(ExtractorTest, EscapingEntriesAreRefused)
{
    struct Row {
        const char* what;
        std::vector<TestEntry> entries;
        size_t written;       // entries reported before the refusal
        const char* message;  // part of the ERROR line
    };
    const std::string out = outside;
    const Row rows[] = {
        {"dot-dot inside a name", {FileEntry("a/../../../outside/evil", "x")}, 0, "archive_read_extract2 failed: '"},
        {"through an absolute link",
         {LinkEntry("lnk", out), FileEntry("lnk/evil", "x")},
         1,
         "Refused entry 'lnk/evil'"},
        {"through a relative link",
         {LinkEntry("lnk", "../../outside"), FileEntry("lnk/evil", "x")},
         1,
         "Refused entry"},
        {"through a nested link",
         {DirEntry("a"), LinkEntry("a/lnk", out), FileEntry("a/lnk/sub/evil", "x")},
         2,
         "Refused entry"},
        {"siblings checked once, then a link among them",
         {FileEntry("d/one", "1"), FileEntry("d/two", "2"), LinkEntry("d/lnk", out), FileEntry("d/three", "3"),
          FileEntry("d/lnk/evil", "x")},
         4,
         "Refused entry 'd/lnk/evil'"},
        {"folder entry on a link", {LinkEntry("lnk", out), DirEntry("lnk")}, 1, "Refused entry"},
        {"folder below a link", {LinkEntry("lnk", out), DirEntry("lnk/sub")}, 1, "Refused entry"},
        {"existing file through a link", {LinkEntry("lnk", out), FileEntry("lnk/victim", "x")}, 1, "Refused entry"},
        {"hard link with dot-dot", {HardEntry("h", "../../outside/victim")}, 0, "archive_read_extract2 failed: '"},
        {"hard link through a link", {LinkEntry("lnk", out), HardEntry("h", "lnk/victim")}, 1, "Refused entry"},
        {"hard link to a link", {LinkEntry("lnk", out + "/victim"), HardEntry("h", "lnk")}, 1, "Refused entry"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        relay.progress.clear();
        ASSERT_EQ(0, truncate((tmp / "test.log").c_str(), 0));
        EXPECT_EQ(-1, Extract("tar", row.entries));
        EXPECT_EQ(row.written, relay.progress.size());
        EXPECT_NE(std::string::npos, Log().find(row.message));
        ExpectOutsideUntouched();
        // Start the next row with an empty bundle.
        const std::string cmd = "rm -rf '" + dest + "' && mkdir '" + dest + "'";
        ASSERT_EQ(0, system(cmd.c_str()));
    }
}

// True when the archive reads cleanly as a folder and "later": a
// name ending in "/" reads as a folder whatever kind it was written as,
// and the data of a file so named then spoils the archive.
bool ReadsAsFolderAndOneMore(const std::string& path)
{
    struct archive* reader = archive_read_new();
    archive_read_support_filter_all(reader);
    archive_read_support_format_all(reader);
    struct archive_entry* entry = nullptr;
    bool folder = false;
    int entries = 0;
    int r = archive_read_open_filename(reader, path.c_str(), 10240);
    while (r == ARCHIVE_OK && (r = archive_read_next_header(reader, &entry)) == ARCHIVE_OK)
        if (++entries && std::string(archive_entry_pathname(entry)) != "later")
            folder = archive_entry_filetype(entry) == AE_IFDIR;
    archive_read_free(reader);
    return r == ARCHIVE_EOF && entries == 2 && folder;
}

// An entry that names the destination itself would replace that folder
// (the writer unlinks what is in the way); as a link it would send every
// later entry to its target. Each is refused, in every format the library
// writes, and the destination stays the same folder. A folder entry there
// ("./" of "tar -C folder -czf package .") replaces nothing: it is counted,
// nothing is written for it and the destination keeps its mode.
TEST_F(ExtractorTest, EntryNamingTheDestinationIsRefusedUnlessAFolder)
{
    const char* const names[] = {".", "./", "/", "//", "", "./.", "a/.."};
    const char* const formats[] = {"tar", "ustar", "zip", "7z", "cpio", "ar"};
    TestEntry read_only_dir = DirEntry("");
    read_only_dir.mode = 0500;
    const TestEntry kinds[] = {read_only_dir, FileEntry("", "x"), LinkEntry("", outside)};
    ASSERT_EQ(0, chmod(dest.c_str(), 0750));
    struct stat before;
    ASSERT_EQ(0, lstat(dest.c_str(), &before));
    std::set<std::string> formats_written;
    int written = 0;
    int accepted = 0;
    for (const char* format : formats) {
        for (const char* name : names) {
            for (TestEntry entry : kinds) {
                entry.name = name;
                // Some writers refuse some names or kinds (ar holds files only).
                if (WriteTestArchive(archive, format, {entry, FileEntry("later", "x")}) != 0)
                    continue;
                SCOPED_TRACE(std::string(format) + " '" + name + "' kind " + std::to_string(entry.kind));
                ++written;
                formats_written.insert(format);
                ASSERT_EQ(0, truncate((tmp / "test.log").c_str(), 0));
                relay.progress.clear();
                const bool folder = ReadsAsFolderAndOneMore(archive) && std::string(name) != "a/..";
                accepted += folder;
                EXPECT_EQ(folder ? 0 : -1, Run()) << Log();
                struct stat after;
                ASSERT_EQ(0, lstat(dest.c_str(), &after));
                EXPECT_TRUE(S_ISDIR(after.st_mode));
                EXPECT_EQ(before.st_ino, after.st_ino);
                EXPECT_EQ(0750u, after.st_mode & 07777);
                // Some writers store files before folders.
                const std::set<std::string> tree = TreeBelow(dest);
                if (folder) {
                    EXPECT_EQ(std::set<std::string>{"later"}, tree);
                    EXPECT_EQ((Progress{{2, 1}, {2, 2}}), relay.progress);
                    ASSERT_EQ(0, unlink((dest + "/later").c_str()));
                    continue;
                }
                EXPECT_TRUE(tree.empty() || tree == std::set<std::string>{"later"});
                // The writer refuses ".." itself; "//" is the name of ar's
                // string table, which the reader does not take for an entry;
                // a tar file named as a folder spoils the header after it.
                const std::string n = name;
                const char* message = n.find("..") != std::string::npos ? "archive_read_extract2 failed: '"
                                      : std::string(format) == "ar" && n == "//"
                                          ? "Failed to calculate total file numbers, ret: 0"
                                      : entry.kind == TestEntry::File && n.back() == '/' &&
                                              std::string(format).find("tar") != std::string::npos
                                          ? "archive_read_next_header failed: 'Damaged tar archive'"
                                          : "Refused entry '";
                EXPECT_NE(std::string::npos, Log().find(message)) << Log();
                ExpectOutsideUntouched();
            }
        }
    }
    EXPECT_EQ(6u, formats_written.size());
    EXPECT_GE(written, 60);
    EXPECT_GE(accepted, 20);
}

TEST_F(ExtractorTest, FailureOfTheWritersDeferredWorkFailsTheExtraction)
{
    ASSERT_EQ(0, WriteTestArchive(archive, "tar", {DirEntry("ro"), FileEntry("ro/f", "1")}));
    g_fail_write_close = true;
    const int r = Run();
    g_fail_write_close = false;
    EXPECT_EQ(-1, r);
    EXPECT_NE(std::string::npos, Log().find("archive_write_close failed: 'Cannot restore folder modes")) << Log();
}

// A bundle never needs a named pipe or a device node; a pipe where a file
// is expected would block whoever opens it.
TEST_F(ExtractorTest, SpecialFilesAreRefused)
{
    const struct Row {
        TestEntry::Kind kind;
        const char* format;  // one that can store the kind
        const char* reason;
    } rows[] = {
        {TestEntry::Fifo, "tar", "'is a named pipe; a package holds only folders"},
        {TestEntry::CharDevice, "tar", "'is a character device; "},
        {TestEntry::BlockDevice, "ustar", "'is a block device; "},
        {TestEntry::Socket, "cpio", "'is a socket; "},
        {TestEntry::Fifo, "cpio", "'is a named pipe; "},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.format) + " kind " + std::to_string(row.kind));
        relay.progress.clear();
        ASSERT_EQ(0,
                  WriteTestArchive(archive, row.format, {FileEntry("first", "1"), SpecialEntry("special", row.kind)}));
        EXPECT_EQ(-1, Run());
        EXPECT_EQ(1u, relay.progress.size());
        EXPECT_EQ(std::set<std::string>{"first"}, TreeBelow(dest));
        EXPECT_NE(std::string::npos, Log().find(std::string("Refused entry 'special': ") + row.reason)) << Log();
        ASSERT_EQ(0, unlink((dest + "/first").c_str()));
    }
}

// A later entry of the same name replaces a stored link instead of writing
// through it.
TEST_F(ExtractorTest, EntryAtALinkReplacesTheLink)
{
    ASSERT_EQ(0, Extract("tar", {LinkEntry("lnk", outside + "/victim"), FileEntry("lnk", "mine")})) << Log();
    EXPECT_FALSE(IsSymlink(dest + "/lnk"));
    EXPECT_EQ("mine", ReadFile(dest + "/lnk"));
    ExpectOutsideUntouched();
}

// The writer restores a folder's mode when it is released, after every
// entry; by then a later entry may have put a link in the folder's place.
// The restore must not follow it.
TEST_F(ExtractorTest, FolderModeRestoredLateNeverFollowsALaterLink)
{
    ASSERT_EQ(0, chmod((outside + "/victim").c_str(), 0600));
    const TestEntry read_only_dir{"x", TestEntry::Dir, "", 0555};
    Extract("tar", {read_only_dir, LinkEntry("x", outside + "/victim")});
    struct stat st;
    ASSERT_EQ(0, stat((outside + "/victim").c_str(), &st));
    EXPECT_EQ(0600u, st.st_mode & 07777);
    ExpectOutsideUntouched();
}

// Bundles carry links that stay inside them (frameworks); they extract.
TEST_F(ExtractorTest, LinksInsideTheBundleExtract)
{
    const std::vector<TestEntry> entries = {
        DirEntry("F.framework/Versions/A/Resources/"),
        FileEntry("F.framework/Versions/A/F", "binary"),
        LinkEntry("F.framework/Versions/Current", "A"),
        LinkEntry("F.framework/F", "Versions/Current/F"),
        LinkEntry("F.framework/Resources", "Versions/Current/Resources"),
        HardEntry("F.framework/Versions/A/F2", "F.framework/Versions/A/F"),
    };
    ASSERT_EQ(0, Extract("tar", entries)) << Log();
    EXPECT_TRUE(IsSymlink(dest + "/F.framework/Versions/Current"));
    EXPECT_TRUE(IsSymlink(dest + "/F.framework/F"));
    EXPECT_EQ("binary", ReadFile(dest + "/F.framework/F"));
    EXPECT_EQ("binary", ReadFile(dest + "/F.framework/Versions/A/F2"));
    EXPECT_EQ(6u, relay.progress.size());
    ExpectOutsideUntouched();
}

// The home folder may be reached through a link; links above the
// destination are neither refused nor touched.
TEST_F(ExtractorTest, LinkAboveTheDestinationIsLeftAlone)
{
    const std::string real = tmp / "real";
    const std::string via = tmp / "via";
    ASSERT_EQ(0, mkdir(real.c_str(), 0755));
    ASSERT_EQ(0, mkdir((real + "/bundle").c_str(), 0755));
    ASSERT_EQ(0, symlink(real.c_str(), via.c_str()));
    ASSERT_EQ(0, WriteTestArchive(archive, "zip", {FileEntry("a/x", "1")}));

    Extractor ex;
    ex.archive_path = archive.c_str();
    ex.dest_dir = (via + "/bundle").c_str();
    EXPECT_EQ(0, ex.Extract()) << Log();
    EXPECT_TRUE(IsSymlink(via));
    EXPECT_EQ("1", ReadFile(real + "/bundle/a/x"));
}

TEST_F(ExtractorTest, ListWritesTheNamesUntilTheFirstError)
{
    ASSERT_EQ(0, WriteTestArchive(archive, "tar.gz", {DirEntry("d/"), FileEntry("d/f", "1")}));
    Extractor ex;
    ex.archive_path = archive.c_str();
    ex.dest_dir = dest.c_str();
    testing::internal::CaptureStdout();
    const int r = ex.List();
    EXPECT_EQ("d/\nd/f\n", testing::internal::GetCapturedStdout());
    EXPECT_EQ(0, r);
    EXPECT_EQ(std::set<std::string>{}, TreeBelow(dest));
}

TEST(ExtractPathGuardTest, RefusesNamesThroughLinksBelowTheDestination)
{
    TempDir dir;
    const std::string dest = dir.path();
    ASSERT_EQ(0, mkdir((dest + "/a").c_str(), 0755));
    std::ofstream(dest + "/a/f") << "";
    ASSERT_EQ(0, symlink("a", (dest + "/l").c_str()));
    ASSERT_EQ(0, symlink("/tmp", (dest + "/a/l2").c_str()));

    struct Row {
        const char* name;
        bool include_last;
        int expected;
    } rows[] = {
        {"a/x", false, 0},   {"a/x", true, 0},          {"a/f/x", false, 0},    {"l", false, 0},
        {"l", true, -1},     {"l/x", false, -1},        {"./l/x", false, -1},   {"a//l2/y", false, -1},
        {"/l/x", false, -1}, {"missing/l/x", false, 0}, {"a/../l/x", false, 0}, {"", true, 0},
        {".", true, 0},
    };
    for (const Row& row : rows) {
        std::string reason;
        EXPECT_EQ(row.expected, CheckNoLinkOnPath(dest.c_str(), row.name, row.include_last, reason))
            << row.name << " include_last=" << row.include_last;
        EXPECT_EQ(row.expected != 0, !reason.empty()) << row.name;
    }
}

}  // namespace
