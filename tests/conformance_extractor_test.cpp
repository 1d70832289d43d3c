// The behaviour cases of the package extractor, each row through the real
// extractor on an archive made for it, into an empty destination (shown as
// <dest>) inside a folder where nothing else may appear.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <ctime>
#include <functional>
#include <map>
#include <string>

#include "conformance_table.h"
#include "extractor_test_util.h"

namespace {

using conformance::InOrder;

class ExtractorCases;
using Row = conformance::Row<std::function<std::string(ExtractorCases&)>>;

class ExtractorCases : public ExtractorFixture, public testing::WithParamInterface<Row> {
public:
    using ExtractorFixture::archive;
    using ExtractorFixture::dest;
    using ExtractorFixture::Extract;
    using ExtractorFixture::relay;
    using ExtractorFixture::Run;
    using ExtractorFixture::WrittenOutside;

    std::string Lines() const
    {
        return conformance::Replaced(conformance::Replaced(conformance::LogLines(Log(), 3), dest, "<dest>"), archive,
                                     "<archive>");
    }
    // The dialog texts and the progress reports sent.
    std::string Reports() const
    {
        std::string seen = std::to_string(relay.texts.size()) + " text" +
                           (relay.texts.empty() ? "" : " '" + relay.texts.front().toStdString() + "'") + ", progress";
        for (const auto& [total, current] : relay.progress)
            seen += " (" + std::to_string(total) + ", " + std::to_string(current) + ")";
        return relay.progress.empty() ? seen + " none" : seen;
    }
    // What the destination holds: "a/" a folder, "f=text" a file.
    std::string Tree() const
    {
        std::string text;
        for (const std::string& name : TreeBelow(dest)) {
            struct stat st;
            lstat((dest + "/" + name).c_str(), &st);
            text += (text.empty() ? "" : " ") + name + (S_ISDIR(st.st_mode) ? "/" : "=" + ReadFile(dest + "/" + name));
        }
        return text.empty() ? "nothing" : text;
    }
    std::string Outside() const { return WrittenOutside().empty() ? "nothing outside" : WrittenOutside(); }
};

TEST_P(ExtractorCases, Holds)
{
    EXPECT_ROW(GetParam(), GetParam().observe(*this));
}

// Each distinct line, in the order first logged, with how often it came.
std::string Tally(const std::string& lines)
{
    std::vector<std::string> order;
    std::map<std::string, int> count;
    for (size_t at = 0, end; at < lines.size(); at = end + 3) {
        end = std::min(lines.find(" | ", at), lines.size());
        const std::string line = lines.substr(at, end - at);
        if (count[line]++ == 0)
            order.push_back(line);
    }
    std::string text;
    for (const std::string& line : order)
        text += (text.empty() ? "" : ", ") + std::to_string(count[line]) + " x " + line;
    return text;
}

// Extraction of a tar holding one file of mode 0777 that the case made
// beforehand at its place, newer than the entry, under the umask 022: the
// result, then what the destination holds, or the file's mode and whether
// its time is the extraction's.
std::string OverANewerFile(ExtractorCases& t, bool mode_and_time)
{
    temp_folder::WriteFile(t.dest + "/top.txt", "newer");
    const struct timeval future[2] = {{4102444800, 0}, {4102444800, 0}};  // year 2100
    utimes((t.dest + "/top.txt").c_str(), future);
    const mode_t old_mask = umask(022);
    const time_t before = time(nullptr);
    const int result = t.Extract("tar", {FileEntry("top.txt", "packaged", 0777)});
    umask(old_mask);
    struct stat st = {};
    stat((t.dest + "/top.txt").c_str(), &st);
    char mode[8];
    snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(st.st_mode & 07777));
    const bool now = st.st_mtime >= before && st.st_mtime < 4102444800;
    if (!mode_and_time)
        return InOrder({std::to_string(result), t.Tree()});
    return InOrder({std::to_string(result), mode, now ? "time of extraction" : "another time"});
}

const Row kExtractorRows[] = {
    {"EmptyArchivePathOrDestinationFailsAndSendsNoDialogText",
     [](auto& t) {
         std::string results;
         const std::string none;
         for (const auto& [path, folder] :
              {std::make_pair(none, t.dest), std::make_pair(t.archive, none), std::make_pair(none, none)}) {
             Extractor ex;
             ex.archive_path = path.c_str();
             ex.dest_dir = folder.c_str();
             const std::string extracted = std::to_string(ex.Extract());
             results += InOrder({extracted, std::to_string(ex.Count()), std::to_string(ex.List())}) + "; ";
         }
         return results + t.Reports() + ", " + Tally(t.Lines());
     },
     "-1, -1, -1; -1, -1, -1; -1, -1, -1; 0 text, progress none, 3 x [ERROR] extractor: Invalid Argument, 6 x "
     "[ERROR] extractor: Invalid argument"},
    {"MissingArchiveFailsWithTheCountAfterTheDialogText",
     [](auto& t) {
         return InOrder({std::to_string(t.Run()), t.Reports(), t.Lines()});
     },
     "-1, 1 text 'Velmora Drive Client is initializing...', progress none, [ERROR] extractor: "
     "archive_read_open_filename failed: 'Failed to open '<archive>'' | [ERROR] extractor: Failed to calculate total "
     "file numbers, ret: -1"},
    {"ThreeEntriesReportThreeStepsAndSucceed",
     [](auto& t) {
         const int result = t.Extract("tar", {FileEntry("a", "1"), FileEntry("b", "2"), FileEntry("c", "3")});
         return InOrder({std::to_string(result), t.Reports(), t.Tree()});
     },
     "0, 1 text 'Velmora Drive Client is initializing...', progress (3, 1) (3, 2) (3, 3), a=1 b=2 c=3"},
    {"NestedEntryIsWrittenWithTheFoldersItNeeds",
     [](auto& t) {
         const int result = t.Extract("tar.gz", {FileEntry("a/b/c.txt", "hello")});
         return InOrder({std::to_string(result), t.Tree()});
     },
     "0, a/ a/b/ a/b/c.txt=hello"},
    {"AbsoluteEntryAndAHardLinkToItLandBelowTheDestination",
     [](auto& t) {
         const int result = t.Extract("tar", {FileEntry("/etc/x", "abs"), HardEntry("/etc/y", "/etc/x")});
         struct stat x = {}, y = {};
         stat((t.dest + "/etc/x").c_str(), &x);
         stat((t.dest + "/etc/y").c_str(), &y);
         return InOrder(
             {std::to_string(result), t.Tree(), x.st_ino == y.st_ino ? "one file" : "two files", t.Outside()});
     },
     "0, etc/ etc/x=abs etc/y=abs, one file, nothing outside"},
    {"DotDotEntryFailsAtItAndTheEntriesBeforeItStay_AndASecondLineNamesTheEntry",
     [](auto& t) {
         const int result = t.Extract("tar", {FileEntry("first.txt", "1"), FileEntry("../../outside/evil", "x")});
         return InOrder({std::to_string(result), t.Reports(), t.Tree(), t.Outside(), t.Lines()});
     },
     "-1, 1 text 'Velmora Drive Client is initializing...', progress (2, 1), first.txt=1, nothing outside, [ERROR] "
     "extractor: archive_read_extract2 failed: 'Path contains '..'' | [ERROR] extractor: Failed to extract "
     "'<archive>' at entry 2 of 2: '../../outside/evil'"},
    {"ExistingFileIsReplacedEvenWhenNewer", [](auto& t) { return OverANewerFile(t, false); }, "0, top.txt=packaged"},
    {"ExtractedFileHasTheTimeOfExtractionAndTheArchivesBitsLessTheUmask",
     [](auto& t) { return OverANewerFile(t, true); }, "0, 0755, time of extraction"},
    // One header block and one data block per entry: the second header
    // starts at byte 1024; its checksum is spoilt.
    {"CountOfAnArchiveWithADamagedSecondHeaderIsOne_AndTheExtractionsSecondLineNamesThePlace",
     [](auto& t) {
         WriteTestArchive(t.archive, "tar",
                          {FileEntry("one.txt", "1"), FileEntry("two.txt", "2"), FileEntry("three.txt", "3")});
         const int fd = open(t.archive.c_str(), O_WRONLY);
         const bool spoilt = pwrite(fd, "zzzzzzzz", 8, 1024 + 148) == 8;
         close(fd);
         Extractor ex;
         ex.archive_path = t.archive.c_str();
         ex.dest_dir = t.dest.c_str();
         const int count = ex.Count();
         return InOrder({spoilt ? "spoilt" : "not spoilt", std::to_string(count), std::to_string(ex.Extract()),
                         t.Reports(), t.Tree(), t.Lines()});
     },
     "spoilt, 1, -1, 1 text 'Velmora Drive Client is initializing...', progress (1, 1), one.txt=1, [ERROR] "
     "extractor: archive_read_next_header failed: 'Damaged tar archive' | [ERROR] extractor: Failed to extract "
     "'<archive>' at entry 2 of 1: '(its header)'"},
};

INSTANTIATE_TEST_SUITE_P(Extraction, ExtractorCases, testing::ValuesIn(kExtractorRows), conformance::RowName());

}  // namespace
