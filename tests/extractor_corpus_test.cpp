// Runs the extractor over the archive corpus (real archives of every format
// and filter, damaged and hostile ones among them). archives.tsv says what
// the library does reading each one; from that the expectation follows:
// an archive read cleanly, with entries and no ".." name, is extracted
// completely; every other one fails (kExceptions lists where that rule does
// not hold, with the reason; the listing does not tell entries that name the
// destination itself, other than folders, or special files, which are refused). Absolute names are not escapes: they
// are rewritten below the destination. No archive of the corpus writes through a link it stored; the links it holds
// extract like any entry. Whatever happens, nothing appears outside the destination or in the working folder.

#include <gtest/gtest.h>

#include <archive.h>
#include <archive_entry.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "extract/extractor.h"
#include "extractor_test_util.h"
#include "named_rows.h"
#include "texts/strtable.h"

namespace {

using named_rows::operator<<;

const long long kMaxBytes = 20 * 1000 * 1000;

struct CorpusRow {
    std::string name;
    std::string status;  // OK, ERR or OPENFAIL
    std::string error;
    int entries = 0;
    int dotdot = 0;
    long long bytes = 0;
};

// Archives whose outcome the listing in archives.tsv does not tell: the
// result Extract() gives, and why.
struct Exception {
    int result;
    const char* why;
};
const std::map<std::string, Exception> kExceptions = {
    {"test_pax_filename_encoding.tar",
     {-1, "its names do not convert to the locale, which ends the counting pass at once"}},
    {"test_read_format_ar.ar",
     {-1,
      "its string table entry \"//\" names the destination folder itself, which the "
      "writer does not replace by a file"}},
    {"test_read_format_mtree.mtree",
     {-1, "an mtree manifest takes the file data from beside it, which the corpus lacks"}},
    {"test_read_format_zip.zip", {-1, "file2 has a bad CRC, seen only when its data is read"}},
    {"test_read_format_lha_filename_cp932.lzh", {0, "its names convert in a UTF-8 locale"}},
    {"test_read_format_lha_filename_utf16.lzh", {0, "its names convert in a UTF-8 locale"}},
    {"test_read_format_rar5_fileattr.rar",
     {0, "the error comes from asking for the data of a folder, which extraction never does"}},
    {"test_read_format_rar5_symlink.rar",
     {0, "the error comes from asking for the data of a folder, which extraction never does"}},
    {"test_read_format_rar5_win32.rar",
     {0, "the error comes from asking for the data of a folder, which extraction never does"}},
};

int Field(const std::string& contents, const std::string& key)
{
    const size_t at = contents.find(key + "=");
    return at == std::string::npos ? 0 : atoi(contents.c_str() + at + key.size() + 1);
}

long long BigField(const std::string& contents, const std::string& key)
{
    const size_t at = contents.find(key + "=");
    return at == std::string::npos ? 0 : atoll(contents.c_str() + at + key.size() + 1);
}

std::vector<CorpusRow> LoadCorpus()
{
    std::vector<CorpusRow> rows;
    std::ifstream in(std::string(VELMORA_CORPUS_DIR) + "/archives.tsv");
    std::string line;
    std::getline(in, line);  // header
    while (std::getline(in, line)) {
        std::vector<std::string> cols;
        std::stringstream ss(line);
        for (std::string col; std::getline(ss, col, '\t');)
            cols.push_back(col);
        cols.resize(5);
        CorpusRow row;
        row.name = cols[0];
        row.status = cols[1];
        row.entries = Field(cols[3], "entries");
        row.dotdot = Field(cols[3], "dotdot");
        row.bytes = BigField(cols[3], "bytes");
        row.error = row.status == "OPENFAIL" ? cols[2] : cols[4];
        rows.push_back(row);
    }
    return rows;
}

std::string TestName(const ::testing::TestParamInfo<CorpusRow>& info)
{
    std::string name;
    for (char c : info.param.name)
        name += isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

// The entry names as this process's library reads them, cleaned the way the
// writer cleans them ("./a//b/" is a/b).
std::vector<std::string> EntryNames(const std::string& path)
{
    std::vector<std::string> names;
    struct archive* a = archive_read_new();
    archive_read_support_filter_all(a);
    archive_read_support_format_all(a);
    struct archive_entry* e = nullptr;
    if (archive_read_open_filename(a, path.c_str(), 10240) == ARCHIVE_OK) {
        while (archive_read_next_header(a, &e) == ARCHIVE_OK) {
            const char* name = archive_entry_pathname(e);
            std::string clean;
            std::stringstream ss(name ? name : "");
            for (std::string part; std::getline(ss, part, '/');)
                if (!part.empty() && part != ".")
                    clean += (clean.empty() ? "" : "/") + part;
            names.push_back(clean);
        }
    }
    archive_read_free(a);
    return names;
}

class ExtractorCorpusTest : public ::testing::TestWithParam<CorpusRow> {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(PrepareExtraction(tmp, sentinel, dest));
        ASSERT_EQ(0, mkdir(cwd.c_str(), 0755));
        ASSERT_NE(nullptr, getcwd(saved_cwd, sizeof saved_cwd));
        // Anything resolved against the working folder would show up here.
        ASSERT_EQ(0, chdir(cwd.c_str()));
    }
    void TearDown() override { EXPECT_EQ(0, chdir(saved_cwd)); }

    static int ExpectedResult(const CorpusRow& row)
    {
        const auto exception = kExceptions.find(row.name);
        if (exception != kExceptions.end())
            return exception->second.result;
        return row.status == "OK" && row.entries > 0 && row.dotdot == 0 ? 0 : -1;
    }

    TempDir tmp;
    const std::string sentinel = tmp / "sentinel";
    const std::string dest = sentinel + "/bundle";
    const std::string cwd = tmp / "cwd";
    char saved_cwd[4096] = {};
    RelayRecorder relay;
};

TEST_P(ExtractorCorpusTest, ExtractsCleanArchivesAndNothingOutside)
{
    const CorpusRow& row = GetParam();
    if (row.bytes > kMaxBytes)
        GTEST_SKIP() << row.name << " decompresses to " << row.bytes << " bytes; left out to keep the run short";
    if (row.error.find("unable to run program") != std::string::npos)
        GTEST_SKIP() << row.name << " needs an external decompressor: " << row.error;

    const std::string path = std::string(VELMORA_CORPUS_DIR) + "/archives/" + row.name;
    Extractor ex;
    ex.archive_path = path.c_str();
    ex.dest_dir = dest.c_str();
    const int r = ex.Extract();
    const std::string log = ReadFile(tmp / "test.log");

    const auto exception = kExceptions.find(row.name);
    const std::string why = exception == kExceptions.end() ? "" : exception->second.why;
    if (ExpectedResult(row) == 0) {
        ASSERT_EQ(0, r) << why << "\n" << log;
        const std::vector<std::string> names = EntryNames(path);
        EXPECT_EQ(static_cast<int>(names.size()), ex.Count());
        if (exception == kExceptions.end()) {
            EXPECT_EQ(row.entries, ex.Count());
        }
        ASSERT_FALSE(relay.progress.empty());
        EXPECT_EQ(relay.progress.back().first, relay.progress.back().second);
        for (const std::string& name : names) {
            struct stat st;
            EXPECT_EQ(0, lstat((dest + "/" + name).c_str(), &st)) << "missing: " << name;
        }
    } else {
        EXPECT_EQ(-1, r) << "status " << row.status << ", " << row.entries << " entries; " << why;
    }

    for (const std::string& found : TreeBelow(sentinel))
        EXPECT_TRUE(found == "bundle" || found.rfind("bundle/", 0) == 0) << "written outside the bundle: " << found;
    EXPECT_TRUE(TreeBelow(cwd).empty()) << "written into the working folder";
}

INSTANTIATE_TEST_SUITE_P(Corpus, ExtractorCorpusTest, ::testing::ValuesIn(LoadCorpus()), TestName);

}  // namespace
