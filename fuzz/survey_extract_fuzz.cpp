// The package checked is the package installed: the pre-flight's survey on
// arbitrary archive bytes (with the file's digest expected, as for a
// packaged launcher) and, when it accepts them, the real extraction from
// the same descriptor into a folder of its own. After a successful
// extraction the tree on disk is exactly the one the survey accepted (the
// same names, each of the same kind), the INFO holds the bytes the survey
// read and the client is an executable file with the bytes its entry
// holds. An extraction that fails may fail only on data the survey did not
// read, never on a rule of the extractor's own that the survey let pass.
// As root the target drops to uid/gid 65534 first.
#include <archive.h>
#include <archive_entry.h>
#include <sys/stat.h>

#include <map>
#include <string>

#include "extract/extractor.h"
#include "extract_support.h"
#include "package/extract-path-guard.h"
#include "package/package-preflight.h"
#include "package/package-source.h"
#include "platform/sha256.h"

namespace {

using fuzz::Fail;

const char kClient[] = "Contents/MacOS/cloud-drive-ui";
const char kInfo[] = "Contents/Resources/INFO";
const char kArchiveName[] = "input.archive";

std::string g_scratch;  // the input, and one destination per input
std::string g_log;

std::string ReadFile(const std::string& path)
{
    std::string bytes;
    if (FILE* file = fopen(path.c_str(), "rb")) {
        char buffer[8192];
        size_t got = 0;
        while ((got = fread(buffer, 1, sizeof buffer, file)) > 0)
            bytes.append(buffer, got);
        fclose(file);
    }
    return bytes;
}

// Whether the extractor refused an entry or the package in the log from
// offset on. Only a line's message counts: an entry's name, which other
// lines quote, may hold the same word.
bool LoggedARefusal(const std::string& log, size_t offset)
{
    for (size_t at = log.find("] extractor(", offset); at != std::string::npos; at = log.find("] extractor(", at + 1)) {
        const size_t message = log.find("): ", at);
        if (message != std::string::npos && log.compare(message + 3, 8, "Refused ") == 0)
            return true;
    }
    return false;
}

char KindOf(const std::string& path)
{
    struct stat st;
    if (lstat(path.c_str(), &st) != 0)
        return '?';
    return S_ISDIR(st.st_mode) ? 'd' : S_ISREG(st.st_mode) ? 'f' : S_ISLNK(st.st_mode) ? 'l' : '?';
}

// Every object below root by its name relative to root, with its kind.
// A folder may come without its owner's read or search bit; it is opened
// up first, so that what it holds is seen all the same.
void OnDisk(const std::string& root, const std::string& rel, std::map<std::string, char>& out)
{
    const std::string folder = rel.empty() ? root : root + "/" + rel;
    chmod(folder.c_str(), 0700);
    for (const std::string& name : fuzz::Names(folder)) {
        const std::string child = rel.empty() ? name : rel + "/" + name;
        out[child] = KindOf(root + "/" + child);
        if (out[child] == 'd')
            OnDisk(root, child, out);
    }
}

// The data of the last entry named `name`, as a reader of its own sees it.
// Where the library's data ends short of the size the header declares
// (a damaged zip entry may end cleanly after no bytes), the disk writer
// fills the file up to that size with zeros, and so does this.
std::string EntryData(const std::string& archive_path, const std::string& name)
{
    PackageSource source;
    std::string error;
    std::string data;
    archive* reader = archive_read_new();
    archive_read_support_filter_all(reader);
    archive_read_support_format_all(reader);
    archive_entry* entry = nullptr;
    if (source.Open(archive_path.c_str(), false, error) == 0 && source.Attach(reader) == ARCHIVE_OK) {
        while (ReadNextHeader(reader, &entry) == ARCHIVE_OK) {
            if (CleanEntryName(archive_entry_pathname(entry)) != name)
                continue;
            data.clear();
            char buffer[8192];
            la_ssize_t got = 0;
            while ((got = archive_read_data(reader, buffer, sizeof buffer)) > 0)
                data.append(buffer, got);
            const la_int64_t declared = archive_entry_size_is_set(entry) ? archive_entry_size(entry) : 0;
            if (got == 0 && declared > static_cast<la_int64_t>(data.size()))
                data.resize(static_cast<size_t>(declared), '\0');
        }
    }
    archive_read_free(reader);
    return data;
}

void CheckTree(const std::string& dest, const PackageSurvey& survey, const std::string& archive_path)
{
    std::map<std::string, char> expected;
    for (const auto& node : survey.tree.Nodes())
        expected[node.second.name] = node.second.kind;
    std::map<std::string, char> found;
    OnDisk(dest, "", found);
    for (const auto& [name, kind] : expected) {
        const auto there = found.find(name);
        if (there == found.end() || there->second != kind)
            Fail("surveyed '" + name + "' (" + kind + ") is " +
                 (there == found.end() ? std::string("missing") : std::string("of kind ") + there->second));
    }
    for (const auto& [name, kind] : found) {
        if (!expected.count(name))
            Fail("'" + name + "' on disk was never surveyed");
    }
    if (survey.info_present && ReadFile(dest + "/" + kInfo) != survey.info_bytes)
        Fail("the INFO on disk is not the one surveyed");
    struct stat st;
    const std::string client = dest + "/" + kClient;
    if (!survey.client_executable)
        return;
    // A client may come without its owner's read bit (a binary runs so);
    // the check reads it all the same.
    if (stat(client.c_str(), &st) != 0 || (st.st_mode & S_IXUSR) == 0 ||
        chmod(client.c_str(), st.st_mode | S_IRUSR) != 0 || ReadFile(client) != EntryData(archive_path, kClient))
        Fail("the client on disk is not the executable surveyed");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_scratch = fuzz::StartExtracting("survey-extract-fuzz", "extract.log", &g_log);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string archive_path = g_scratch + "/" + kArchiveName;
    fuzz::WriteInput(archive_path, data, size);
    Sha256 digest;
    digest.Add(data, size);
    PackageCheck check;
    check.archive_path = archive_path.c_str();
    check.client_path = kClient;
    check.info_path = kInfo;
    check.expected_sha256 = digest.Hex();
    PackageSource source;
    const PackageSurvey survey = SurveyPackage(check, source);
    if (!survey.problems.empty())
        return 0;
    source.VerifyReads();
    const std::string dest = g_scratch + "/dest";
    if (mkdir(dest.c_str(), 0755) != 0)
        Fail("cannot create the destination");
    struct stat log;
    const off_t logged = stat(g_log.c_str(), &log) == 0 ? log.st_size : 0;
    Extractor extractor;
    extractor.archive_path = check.archive_path;
    extractor.dest_dir = dest.c_str();
    extractor.source = &source;
    if (extractor.Extract(survey.entries) == 0)
        CheckTree(dest, survey, archive_path);
    else if (LoggedARefusal(ReadFile(g_log), static_cast<size_t>(logged)))
        Fail("the extractor refused what the survey accepted");
    fuzz::RemoveTree(dest);
    return 0;
}
