// The package pre-flight: every refusal names its figures, and a good package
// is surveyed in one read of the file.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <clocale>
#include <cstring>
#include <random>

#include <QByteArray>

#include "named_rows.h"
#include "package/package-preflight.h"
#include "package_test_util.h"
#include "temp_folder_test.h"
#include "test_archive_writer.h"

namespace {

using named_rows::operator<<;

const char kClient[] = "Contents/MacOS/cloud-drive-ui";
const char kInfo[] = "Contents/Resources/INFO";

std::string Info(const std::string& build)
{
    return "[Version]\nmajor_version=1\nminor_version=2\nbuild_version=" + build + "\n";
}

std::vector<TestEntry> GoodEntries(const std::string& build = "121")
{
    return {DirEntry("Contents/"), FileEntry(kClient, "client binary", 0755), FileEntry(kInfo, Info(build)),
            FileEntry("Contents/Resources/data.bin", std::string(3000, 'd'))};
}

class PreflightTest : public temp_folder::TempFolderTest {
protected:
    PackageCheck Check() const
    {
        PackageCheck check;
        check.archive_path = package.c_str();
        check.client_path = kClient;
        check.info_path = kInfo;
        check.expected_build = "121";
        return check;
    }

    std::string package;
    void SetUp() override
    {
        TempFolderTest::SetUp();
        // Names outside ASCII, as the launcher reads them.
        setlocale(LC_CTYPE, "C.UTF-8");
        package = Path("larkspan.vpk");
    }
};

std::vector<TestEntry> With(std::vector<TestEntry> entries, const TestEntry& more)
{
    entries.push_back(more);
    return entries;
}

std::vector<TestEntry> Without(const std::string& name)
{
    std::vector<TestEntry> entries;
    for (const TestEntry& e : GoodEntries())
        if (e.name != name)
            entries.push_back(e);
    return entries;
}

void Write(const std::string& package, const std::vector<TestEntry>& entries, const std::string& kind)
{
    ASSERT_EQ(0, WriteTestArchive(package, kind, entries));
}

std::vector<TestEntry> ManyPipes()
{
    std::vector<TestEntry> entries = GoodEntries();
    for (int i = 0; i < 13; ++i)
        entries.push_back(SpecialEntry("p" + std::to_string(i), TestEntry::Fifo));
    return entries;
}

// Enough entries that the survey's tables grow several times before the
// last one comes.
std::vector<TestEntry> ManyFiles(std::vector<TestEntry> entries, const TestEntry& last)
{
    for (int i = 0; i < 300; ++i)
        entries.push_back(FileEntry("Contents/Resources/d" + std::to_string(i % 7) + "/f" + std::to_string(i), "x"));
    entries.push_back(last);
    return entries;
}

struct BadPackage {
    const char* name;
    std::vector<TestEntry> entries;  // written as a tar; none: `raw` is the file, null: no file
    const char* raw;
    off_t cut;                          // the file is cut to this size; 0: kept whole
    std::vector<std::string> problems;  // each the start of one problem line, in order
};

class BadPackageTest : public PreflightTest, public ::testing::WithParamInterface<BadPackage> {};

TEST_P(BadPackageTest, IsRefusedWithItsFigures)
{
    const BadPackage& row = GetParam();
    if (!row.entries.empty()) {
        ASSERT_EQ(0, WriteTestArchive(package, "tar", row.entries));
    } else if (row.raw) {
        temp_folder::WriteFile(package, row.raw);
    }
    if (row.cut) {
        ASSERT_EQ(0, truncate(package.c_str(), row.cut));
    }
    const PackageSurvey survey = SurveyPackage(Check());
    ASSERT_EQ(row.problems.size(), survey.problems.size()) << (survey.problems.empty() ? "" : survey.problems[0]);
    for (size_t i = 0; i < survey.problems.size(); ++i)
        EXPECT_EQ(0u, survey.problems[i].find(row.problems[i])) << survey.problems[i];
}

const BadPackage kBadPackages[] = {
    {"missing", {}, nullptr, 0, {"the package '/"}},
    {"not_an_archive", {}, "not an archive", 0, {"the package '/"}},
    // Cut inside the data of the fifth entry.
    {"truncated",
     With(GoodEntries(), FileEntry("Contents/big", std::string(50000, 'b'))),
     nullptr,
     6 * 512 + 20000,
     {"the package's entry list cannot be read after 5 entries: Truncated"}},
    {"named_pipe",
     With(GoodEntries(), SpecialEntry("Contents/pipe", TestEntry::Fifo)),
     nullptr,
     0,
     {"entry 'Contents/pipe' is a named pipe; "}},
    {"destination_itself",
     With(GoodEntries(), LinkEntry("./", "/tmp")),
     nullptr,
     0,
     {"entry './' names the destination folder itself"}},
    {"escaping_names",
     With(With(GoodEntries(), FileEntry("Contents/../../evil", "x")), HardEntry("Contents/h", "../victim")),
     nullptr,
     0,
     {"entry 'Contents/../../evil' has a '..' component",
      "entry 'Contents/h' links to '../victim', which has a '..' component"}},
    {"hard_link_to_no_file",
     With(GoodEntries(), HardEntry("Contents/h", "Contents/MacOS")),
     nullptr,
     0,
     {"entry 'Contents/h' links to 'Contents/MacOS', which is no earlier file of the package"}},
    // The writer would remove the client to make the folder.
    {"folder_below_the_client",
     With(GoodEntries(), DirEntry("Contents/MacOS/cloud-drive-ui/below/")),
     nullptr,
     0,
     {"entry 'Contents/MacOS/cloud-drive-ui/below/' lies below 'Contents/MacOS/cloud-drive-ui', which the "
      "package stores as a file"}},
    {"file_below_a_link",
     With(With(GoodEntries(), LinkEntry("Contents/l", "/tmp")), FileEntry("Contents/l/f", "x")),
     nullptr,
     0,
     {"entry 'Contents/l/f' lies below 'Contents/l', which the package stores as a symbolic link"}},
    {"info_turned_into_a_folder",
     With(GoodEntries(), DirEntry("Contents/Resources/INFO/")),
     nullptr,
     0,
     {"entry 'Contents/Resources/INFO/' turns 'Contents/Resources/INFO', stored earlier as a file, into a "
      "folder"}},
    {"folder_turned_into_a_file",
     With(GoodEntries(), FileEntry("Contents", "x")),
     nullptr,
     0,
     {"entry 'Contents' turns 'Contents', stored earlier as a folder, into a file"}},
    // On the client's volume these replace the INFO and the client.
    {"names_equal_but_for_case",
     With(With(GoodEntries(), FileEntry("Contents/Resources/Info", Info("999"))),
          LinkEntry("Contents/MacOS/Cloud-Drive-UI", "/bin/sh")),
     nullptr,
     0,
     {"entry 'Contents/Resources/Info' collides with 'Contents/Resources/INFO' on a volume that ignores case and "
      "Unicode normalization",
      "entry 'Contents/MacOS/Cloud-Drive-UI' collides with 'Contents/MacOS/cloud-drive-ui' on a volume"}},
    {"folder_names_equal_but_for_case",
     With(GoodEntries(), FileEntry("contents/Resources/INFO", Info("999"))),
     nullptr,
     0,
     {"entry 'contents/Resources/INFO' collides with 'Contents' on a volume"}},
    {"names_equal_but_for_case_outside_ascii",
     With(With(GoodEntries(), FileEntry("Contents/CAF\xc3\x89", "x")), FileEntry("Contents/caf\xc3\xa9", "y")),
     nullptr,
     0,
     {"entry 'Contents/caf\xc3\xa9' collides with 'Contents/CAF\xc3\x89' on a volume"}},
    // A folder on the way is compared as a name of its own, whatever
    // follows it in the entry's name.
    {"folder_names_equal_but_for_case_outside_ascii",
     With(With(GoodEntries(), FileEntry("Contents/CAF\xc3\x89/a", "x")), FileEntry("Contents/caf\xc3\xa9/b", "y")),
     nullptr,
     0,
     {"entry 'Contents/caf\xc3\xa9/b' collides with 'Contents/CAF\xc3\x89' on a volume"}},
    // The library composes both names as it reads them; their bytes differ.
    {"names_equal_but_for_normalization",
     With(With(GoodEntries(), FileEntry("Contents/caf\xc3\xa9/a", "x")), FileEntry("Contents/cafe\xcc\x81/a", "y")),
     nullptr,
     0,
     {"entry 'Contents/cafe\xcc\x81/a' collides with 'Contents/caf\xc3\xa9' on a volume that ignores case and "
      "Unicode normalization"}},
    {"names_equal_but_for_case_after_many_entries",
     ManyFiles(GoodEntries(), FileEntry("Contents/Resources/d3/F3", "y")),
     nullptr,
     0,
     {"entry 'Contents/Resources/d3/F3' collides with 'Contents/Resources/d3/f3' on a volume"}},
    {"file_below_a_file_after_many_entries",
     ManyFiles(GoodEntries(), FileEntry("Contents/Resources/d2/f2/below", "y")),
     nullptr,
     0,
     {"entry 'Contents/Resources/d2/f2/below' lies below 'Contents/Resources/d2/f2', which the package stores as a "
      "file"}},
    // Installed so, every later start would read no build and install again.
    {"info_unreadable_by_its_owner",
     With(Without(kInfo), FileEntry(kInfo, Info("121"), 0244)),
     nullptr,
     0,
     {"the INFO 'Contents/Resources/INFO' has no read permission for its owner (mode 0244)"}},
    {"no_client",
     Without(kClient),
     nullptr,
     0,
     {"the package holds no client executable 'Contents/MacOS/cloud-drive-ui'"}},
    {"client_is_a_link",
     With(Without(kClient), LinkEntry(kClient, "/bin/sh")),
     nullptr,
     0,
     {"the client executable 'Contents/MacOS/cloud-drive-ui' is not stored as a regular file"}},
    {"client_not_executable",
     With(Without(kClient), FileEntry(kClient, "client", 0644)),
     nullptr,
     0,
     {"the client executable 'Contents/MacOS/cloud-drive-ui' has no execute permission (mode 0644)"}},
    // Installed files belong to the user, so only the owner's bit lets the client start.
    {"client_executable_by_others_only",
     With(Without(kClient), FileEntry(kClient, "client", 0611)),
     nullptr,
     0,
     {"the client executable 'Contents/MacOS/cloud-drive-ui' has no execute permission (mode 0611)"}},
    {"no_info", Without(kInfo), nullptr, 0, {"the package holds no INFO 'Contents/Resources/INFO'"}},
    {"other_build",
     GoodEntries("120"),
     nullptr,
     0,
     {"the INFO 'Contents/Resources/INFO' states build 120, not the expected build 121"}},
    {"many_pipes",
     ManyPipes(),
     nullptr,
     0,
     {"entry 'p0'", "entry 'p1'", "entry 'p2'", "entry 'p3'", "entry 'p4'", "entry 'p5'", "entry 'p6'", "entry 'p7'",
      "entry 'p8'", "entry 'p9'", "3 more entries are refused"}},
};

INSTANTIATE_TEST_SUITE_P(Packages, BadPackageTest, ::testing::ValuesIn(kBadPackages), named_rows::RowName());

// Names as the client's volume compares them. (The archive library composes
// the names it converts from UTF-8, zip's and pax tar's among them; ustar,
// GNU tar and cpio keep them as stored.)
TEST(FoldedNameTest, EqualOnlyWhereTheClientsVolumeTakesThemForOne)
{
    const struct {
        const char* a;
        const char* b;
        bool equal;
    } rows[] = {
        {"Contents/INFO", "contents/info", true},
        {"Caf\xc3\xa9", "cafe\xcc\x81", true},  // composed and decomposed
        {"CAF\xc3\x89", "cafe\xcc\x81", true},  // and case
        {"Stra\xc3\x9f"
         "e",
         "STRASSE", true},                 // full case folding,
        {"\xef\xac\x81le", "FILE", true},  // ligatures too
        {"a/b", "a/c", false},
        {"INFO", "INFO ", false},
        {"A\xff", "a\xff", true},  // not UTF-8: its ASCII letters fold
        {"\xc3\x89\xff", "\xc3\xa9\xff", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.equal, FoldedName(row.a) == FoldedName(row.b)) << row.a << " " << row.b;
}

// Packages made the usual ways: "tar -C folder -czf package ." (a first
// entry "./"), and names stored absolute, which land below the bundle.
TEST_F(PreflightTest, PackagesMadeTheUsualWaysAreAccepted)
{
    const struct {
        const char* what;
        std::vector<TestEntry> entries;
    } rows[] = {
        {"dot_slash_first",
         {DirEntry("./"), DirEntry("./Contents/"), FileEntry("./" + std::string(kClient), "c", 0755),
          FileEntry("./" + std::string(kInfo), Info("121"))}},
        // Appended again ("tar -rf"): the later entry replaces the earlier.
        {"name_stored_twice",
         {DirEntry("Contents/"), FileEntry(kClient, "c", 0755), FileEntry(kInfo, Info("121")),
          FileEntry("Contents/caf\xc3\xa9", "old"), FileEntry("Contents/caf\xc3\xa9", "new")}},
        {"absolute_names",
         {DirEntry("/Contents/"), FileEntry("/" + std::string(kClient), "c", 0755),
          FileEntry("/" + std::string(kInfo), Info("121")),
          HardEntry("/Contents/MacOS/again", "/" + std::string(kClient))}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Write(package, row.entries, "tar.gz");
        const PackageSurvey survey = SurveyPackage(Check());
        EXPECT_TRUE(survey.problems.empty()) << survey.problems[0];
        EXPECT_EQ(static_cast<int>(row.entries.size()), survey.entries);
        EXPECT_TRUE(survey.client_executable);
        EXPECT_STREQ("121", survey.info_build.c_str());
    }
}

// In newc cpio the entries of one inode are hard links to the first, and
// any of them may carry data: the writer would put the later bytes into
// the INFO, whose build the survey read from the INFO's own entry.
TEST_F(PreflightTest, HardLinkCarryingDataIsRefused)
{
    struct archive* writer = archive_write_new();
    ASSERT_EQ(ARCHIVE_OK, archive_write_set_format_cpio_newc(writer));
    ASSERT_EQ(ARCHIVE_OK, archive_write_open_filename(writer, package.c_str()));
    const TestEntry entries[] = {FileEntry(kClient, "client", 0755), FileEntry(kInfo, Info("121")),
                                 FileEntry("Contents/i2", Info("999"))};
    for (const TestEntry& e : entries) {
        struct archive_entry* header = archive_entry_new();
        FillEntry(header, e);
        archive_entry_set_ino(header, e.name == kClient ? 1 : 2);
        archive_entry_set_nlink(header, e.name == kClient ? 1 : 2);
        ASSERT_EQ(ARCHIVE_OK, archive_write_header(writer, header));
        ASSERT_EQ(static_cast<la_ssize_t>(e.data.size()), archive_write_data(writer, e.data.data(), e.data.size()));
        archive_entry_free(header);
    }
    ASSERT_EQ(ARCHIVE_OK, archive_write_close(writer));
    archive_write_free(writer);
    const PackageSurvey survey = SurveyPackage(Check());
    ASSERT_EQ(1u, survey.problems.size());
    EXPECT_EQ("entry 'Contents/i2' is a hard link to 'Contents/Resources/INFO' that carries 60 bytes of its own",
              survey.problems[0]);
}

// Sizes near the largest figure, as a manifest may declare them: the
// totals stay at that figure rather than wrap into small ones.
TEST_F(PreflightTest, HugeDeclaredSizesSaturate)
{
    temp_folder::WriteFile(package,
                           "#mtree\n./a type=file size=9223372036854775807\n"
                           "./b type=file size=9223372036854775807\n");
    PackageCheck check = Check();
    check.space_folder = Path("VelmoraDrive.app").c_str();
    const PackageSurvey survey = SurveyPackage(check);
    EXPECT_EQ(2, survey.entries);
    EXPECT_EQ(LLONG_MAX, survey.unpacked_bytes);
    EXPECT_EQ(LLONG_MAX, survey.needed_bytes);
    ASSERT_FALSE(survey.problems.empty());
    EXPECT_NE(std::string::npos, survey.problems.back().find("less than the 9223372036854775807 bytes"))
        << survey.problems.back();
}

// A name the archive library cannot convert, read while errno still says
// ENOMEM from an earlier, handled failure: the package is refused and the
// process goes on (the library would otherwise end it).
TEST_F(PreflightTest, UnconvertibleNameAfterAnEarlierOutOfMemoryIsRefused)
{
    temp_folder::WriteFile(
        package,
        QByteArray::fromBase64(
            "UmFyIRoHAQA9PN7lAgEA/yAgRD76VwICAwsAICAggCIACf8gICD///8gICAgICAgICAgICAgU4Aq9AMC5yIDEIEgYCAgAAEgICAggcsQ"
            "ICAgIPn5+fn5+fn5+fn5+fn5+fn5+SAgICAgICAgICAgICCsj0qhAwEFAiAgASBTgCr0AwLnIgMgICAg/wMBBiAgIP///yAgIIHLECAv"
            "4SAg7Ozs7Oz/ICAgICAgICAg")
            .toStdString());
    errno = ENOMEM;
    const PackageSurvey survey = SurveyPackage(Check());
    EXPECT_FALSE(survey.problems.empty());
}

// A damaged zip whose INFO data ends cleanly after none of its 28 bytes: the
// disk writer would install 28 zero bytes, so the package is refused.
TEST_F(PreflightTest, InfoEndingShortOfItsSizeIsRefused)
{
    temp_folder::WriteFile(
        package,
        QByteArray::fromBase64(
            "UEsDBBQAAAAAANQNKSsAAAAAAAAAAAAAAAAJABgAQzJudGVudHMvVVQFAAEAypo7dXgLAAEEAAAAAAQAAAAAUEsDBBQACAAIANQN"
            "KSsAAAAAAAAAAAoAAAAdABgAQ29udGVudHMvTWFjT1MvY2xvdWQtZHJpdmUtdWlVVAUAAQDKmjt1eAsAAQQAAAAABAAAAABTVtRP"
            "yszTL87gAgBQSwcIHZ37BAwAAAAKAAAAUEsDBBQACAAIANQNKSsAAAAAAAAAABwAAAAXABgAQ29udGVudHMvUmVzb3VyY2VzL0lO"
            "Rk9VVAUAAQDKmjt1eAsAAQQAAAAABAAAAACLDkstKs7Mz4vlSirNzEmJL4NwbQ2NDLkAUEsHCIO46sQZAAAAHAAAAFBLAQIUAxQA"
            "AAAAANQNKSsAAAAAAAAAAAAAAAAJABgAAAAAAAAAAADtQQAAAABDb250ZW50cy9VVAUAAQDKmjt1eAsAAQQAAAAABAAAAABQSwEC"
            "FAMUAAgACADUDRcAGAAAAAAAAAAKAAAAHQAYAAAAAAAAAAAA7YE/AAAAQ29udGVudHMvTWFjT1Mvp2xvdWQtZHJpdmUtdWlVVAUA"
            "AQDKmjt1eAsAAQQAAAAABAAAAABQSwECFAMUO3V4CwABBAAAAAAEAAAAAAAcAAAAFwAYAAAAAAAAAAAApIGuAAAAQ29udGVudHMv"
            "UmVzb3VyY2VzL0lORk9VVAUAAQDKmjt1eAsAAQQAZABkaQAAAABQSwUGAAAAAAMAAwAPAQAAJAEAAAAA")
            .toStdString());
    const PackageSurvey survey = SurveyPackage(Check());
    ASSERT_EQ(survey.problems.size(), 1u);
    EXPECT_NE(survey.problems[0].find("ends after 0 of its 28 bytes"), std::string::npos) << survey.problems[0];
}

// The wrong digest is stated with the file's real one, as sha256sum gives it.
TEST_F(PreflightTest, WrongDigestNamesBothDigests)
{
    Write(package, GoodEntries(), "tar.gz");
    PackageCheck check = Check();
    check.expected_sha256 = std::string(64, 'a');
    const PackageSurvey survey = SurveyPackage(check);
    ASSERT_EQ(1u, survey.problems.size());
    EXPECT_EQ("the package's SHA-256 digest is " + Sha256Of(package) + ", not the expected " + std::string(64, 'a'),
              survey.problems[0]);
}

// A good package in every format, with and without the digest: nothing to
// refuse, and the survey's figures are the package's.
TEST_F(PreflightTest, GoodPackagesAreAcceptedWithTheirFigures)
{
    for (const char* kind : {"tar", "tar.gz", "tar.xz", "zip", "7z", "cpio"}) {
        SCOPED_TRACE(kind);
        Write(package, GoodEntries(), kind);
        for (bool digest : {false, true}) {
            PackageCheck check = Check();
            check.space_folder = Path("missing/VelmoraDrive.app").c_str();
            // A folder that takes no copy of the INFO: it is read through the temporary folder.
            check.info_copy_folder = Path("missing").c_str();
            if (digest)
                check.expected_sha256 = QByteArray::fromStdString(Sha256Of(package)).toUpper().toStdString();
            const PackageSurvey survey = SurveyPackage(check);
            EXPECT_TRUE(survey.problems.empty()) << survey.problems[0];
            EXPECT_EQ(4, survey.entries);
            EXPECT_EQ(static_cast<long long>(13 + Info("121").size() + 3000), survey.unpacked_bytes);
            EXPECT_TRUE(survey.client_present);
            EXPECT_TRUE(survey.client_executable);
            EXPECT_TRUE(survey.info_present);
            EXPECT_STREQ("121", survey.info_build.c_str());
            EXPECT_EQ(digest ? Sha256Of(package) : "", survey.sha256);
            EXPECT_GT(survey.available_bytes, survey.needed_bytes);
        }
    }
}

// Counting reads the headers only where the format allows (plain tar, zip);
// the digest reads each byte of the file once more at most.
TEST_F(PreflightTest, SurveyReadsHeadersOnlyUnlessADigestIsExpected)
{
    std::mt19937 random(7);
    std::string noise(8 << 20, '\0');
    for (char& c : noise)
        c = static_cast<char>(random());
    for (const char* kind : {"tar", "zip"}) {
        SCOPED_TRACE(kind);
        Write(package, With(GoodEntries(), FileEntry("Contents/noise", noise)), kind);
        struct stat st;
        ASSERT_EQ(0, stat(package.c_str(), &st));
        ASSERT_GT(st.st_size, 8 << 20);
        for (bool digest : {false, true}) {
            PackageCheck check = Check();
            check.expected_sha256 = digest ? Sha256Of(package) : "";
            const long long before = BytesRead();
            const PackageSurvey survey = SurveyPackage(check);
            const long long read = BytesRead() - before;
            ASSERT_GE(before, 0);
            EXPECT_TRUE(survey.problems.empty()) << survey.problems[0];
            EXPECT_EQ(static_cast<long long>(noise.size()) + 3000 + 13 + static_cast<long long>(Info("121").size()),
                      survey.unpacked_bytes);
            if (digest) {
                EXPECT_GE(read, st.st_size);
                EXPECT_LT(read, st.st_size + (1 << 20));
            } else {
                EXPECT_LT(read, 1 << 20);
            }
        }
    }
}

// The room is measured on the volume the bundle will go to, through the
// folders that do not exist yet.
TEST_F(PreflightTest, TooLittleRoomIsRefusedWithTheSizes)
{
    const std::string volume = Path("small");
    ASSERT_EQ(0, mkdir(volume.c_str(), 0755));
    if (mount("tmpfs", volume.c_str(), "tmpfs", 0, "size=256k") != 0)
        GTEST_SKIP() << "tmpfs cannot be mounted here: " << strerror(errno);
    Write(package, With(GoodEntries(), FileEntry("Contents/big", std::string(300000, 'b'))), "tar.gz");
    PackageCheck check = Check();
    check.space_folder = (volume + "/.VelmoraDrive/VelmoraDrive.app").c_str();
    struct statvfs vfs;
    const int statted = statvfs(volume.c_str(), &vfs);
    const PackageSurvey survey = SurveyPackage(check);
    umount(volume.c_str());

    ASSERT_EQ(0, statted);
    ASSERT_EQ(262144, static_cast<long long>(vfs.f_bavail) * vfs.f_frsize);
    ASSERT_EQ(4096u, vfs.f_frsize);
    // 300000 + 13 + 60 + 3000 unpacked; five entries of a block each and a
    // mebibyte for metadata.
    EXPECT_EQ(303073 + 1069056, survey.needed_bytes);
    EXPECT_EQ(262144, survey.available_bytes);
    ASSERT_EQ(1u, survey.problems.size());
    EXPECT_EQ("the volume of '" + volume +
                  "/.VelmoraDrive/VelmoraDrive.app' has 262144 bytes (0.2 MiB) "
                  "free, less than the 1372129 bytes (1.3 MiB) the package needs: 303073 bytes (0.3 MiB) "
                  "unpacked and 1069056 bytes (1.0 MiB) for metadata",
              survey.problems[0]);
}

}  // namespace
