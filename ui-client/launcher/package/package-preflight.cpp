#include "package/package-preflight.h"

#include <sys/stat.h>

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <climits>
#include <cstdio>

#include <QByteArray>

#include "package/extract-path-guard.h"
#include "package/info-copy.h"
#include "package/package-room.h"
#include "package/package-source.h"
#include "package/stored-names.h"
#include "package/version-file.h"

namespace {

// Refused entries listed one by one; a hostile package may hold thousands.
const int kListedRefusals = 10;
// An INFO is a few lines; more is not read into memory.
const size_t kMaxInfoBytes = 64 * 1024;

// What one pass over the entry list keeps besides the survey itself.
struct Pass {
    Pass(const PackageCheck& check, PackageSurvey& survey)
        : check(check),
          survey(survey),
          client(CleanEntryName(check.client_path.c_str())),
          info(CleanEntryName(check.info_path.c_str()))
    {
    }

    const PackageCheck& check;
    PackageSurvey& survey;
    const std::string client;  // the two paths, cleaned as entry names are
    const std::string info;
    bool client_seen = false;
    bool client_regular = false;
    unsigned int client_perm = 0;
    bool info_seen = false;
    unsigned int info_perm = 0;
    int refused = 0;
    bool names_outside_ascii = false;
    // The entry's name and hard-link target, cleaned; their room is kept
    // from one entry to the next.
    std::string name;
    std::string target;
};

std::string Quoted(const char* text)
{
    return std::string("'") + (text ? text : "") + "'";
}

std::string ErrorText(archive* a)
{
    const char* text = archive_error_string(a);
    return text ? text : "unknown error";
}

// Reads the current entry's data; into, when given, keeps up to `keep`
// bytes of it. The size read, or -1.
long long ReadEntryData(archive* reader, std::string* into, size_t keep)
{
    char buffer[8192];
    long long total = 0;
    for (;;) {
        const la_ssize_t got = archive_read_data(reader, buffer, sizeof buffer);
        if (got <= 0)
            return got < 0 ? -1 : total;
        if (into && into->size() < keep)
            into->append(buffer, std::min(static_cast<size_t>(got), keep - into->size()));
        total += got;
    }
}

std::string RefusalLine(const char* name, const std::string& why)
{
    return "entry " + Quoted(name) + " " + why;
}

void Refuse(Pass& p, const char* name, const std::string& why)
{
    if (++p.refused <= kListedRefusals)
        p.survey.problems.push_back(RefusalLine(name, why));
}

void Unreadable(PackageSurvey& survey, const std::string& problem)
{
    survey.problems.push_back(problem);
    ++survey.unreadable;
}

// Where the entry goes in the tree it leaves; empty, or why it is refused.
// Leaves the cleaned name in p.name.
std::string TreeRefusal(archive_entry* entry, Pass& p)
{
    CleanEntryName(archive_entry_pathname(entry), p.name);
    p.names_outside_ascii = p.names_outside_ascii || !IsAsciiName(p.name);
    const char* target = archive_entry_hardlink(entry);
    if (target) {
        CleanEntryName(target, p.target);
        const std::string why = p.survey.tree.LinkRefusal(p.name, p.target);
        if (!why.empty())
            return why;
    }
    const unsigned int type = archive_entry_filetype(entry);
    return p.survey.tree.Add(p.name, target || type == AE_IFREG ? PackageTree::kFile
                                     : type == AE_IFDIR         ? PackageTree::kFolder
                                                                : PackageTree::kLink);
}

// A total past the largest figure stays there: no package has that much
// room, and a sum that wrapped would pass for a small one.
void AddSize(long long& total, long long size)
{
    if (__builtin_add_overflow(total, size, &total))
        total = LLONG_MAX;
}

// Notes one entry; -1 when its data cannot be read, which ends the pass.
int NoteEntry(archive* reader, archive_entry* entry, Pass& p)
{
    const char* name = archive_entry_pathname(entry);
    if (IsDestinationFolder(entry))
        return 0;
    std::string refusal = EntryRefusal(entry, true);
    if (refusal.empty())
        refusal = TreeRefusal(entry, p);
    if (!refusal.empty()) {
        Refuse(p, name, refusal);
        return 0;
    }
    // A hard link carries no bytes of its own; what the survey reads must.
    const bool regular = archive_entry_filetype(entry) == AE_IFREG && !archive_entry_hardlink(entry);
    // A later entry of the same name replaces an earlier one on disk.
    if (p.name == p.client) {
        p.client_seen = true;
        p.client_regular = regular;
        p.client_perm = archive_entry_perm(entry);
    }
    const bool is_info = p.name == p.info;
    if (is_info) {
        p.info_seen = true;
        p.info_perm = archive_entry_perm(entry);
        p.survey.info_bytes.clear();
        p.survey.info_present = regular;
    }
    if (!regular)
        return 0;
    long long size = archive_entry_size_is_set(entry) ? archive_entry_size(entry) : -1;
    // The INFO's bytes are read; so is the data of a file whose header
    // does not state its size.
    if (is_info || size < 0) {
        const long long declared = size;
        size = ReadEntryData(reader, is_info ? &p.survey.info_bytes : nullptr, kMaxInfoBytes + 1);
        if (size < 0) {
            Unreadable(p.survey, "the data of entry " + Quoted(name) + " cannot be read: " + ErrorText(reader));
            return -1;
        }
        // A damaged entry may end cleanly short of its stated size; the disk
        // writer would fill the rest with zeros, so the INFO installed would
        // not be the one read here.
        if (declared > size) {
            Unreadable(p.survey, "the data of entry " + Quoted(name) + " ends after " + std::to_string(size) +
                                     " of its " + std::to_string(declared) + " bytes");
            return -1;
        }
    }
    AddSize(p.survey.unpacked_bytes, size);
    return 0;
}

// 0 when the whole entry list was read.
int ReadEntryList(archive* reader, Pass& p)
{
    for (;;) {
        archive_entry* entry = nullptr;
        const int r = ReadNextHeader(reader, &entry);
        if (r == ARCHIVE_EOF)
            return 0;
        if (r != ARCHIVE_OK) {
            Unreadable(p.survey, "the package's entry list cannot be read after " + std::to_string(p.survey.entries) +
                                     " entries: " + ErrorText(reader));
            return -1;
        }
        ++p.survey.entries;
        if (NoteEntry(reader, entry, p) != 0)
            return -1;
    }
}

void CheckClient(Pass& p)
{
    const std::string path = Quoted(p.check.client_path.c_str());
    p.survey.client_present = p.client_seen && p.client_regular;
    p.survey.client_executable = p.survey.client_present && (p.client_perm & S_IXUSR) != 0;
    if (!p.client_seen) {
        p.survey.problems.push_back("the package holds no client executable " + path);
    } else if (!p.survey.client_present) {
        p.survey.problems.push_back("the client executable " + path + " is not stored as a regular file");
    } else if (!p.survey.client_executable) {
        char mode[8];
        snprintf(mode, sizeof mode, "0%o", p.client_perm & 07777);
        p.survey.problems.push_back("the client executable " + path + " has no execute permission (mode " + mode + ")");
    }
}

// The INFO states a build other than the expected one.
std::string OtherBuild(const Pass& p, const std::string& path)
{
    return "the INFO " + path + " states build " + std::to_string(BuildNumber(p.survey.info_build)) +
           ", not the expected build " + std::to_string(BuildNumber(p.check.expected_build));
}

void CheckInfo(Pass& p)
{
    const std::string path = Quoted(p.check.info_path.c_str());
    std::string error;
    char mode[8];
    snprintf(mode, sizeof mode, "0%o", p.info_perm & 07777);
    if (!p.info_seen) {
        p.survey.problems.push_back("the package holds no INFO " + path);
    } else if (!p.survey.info_present) {
        p.survey.problems.push_back("the INFO " + path + " is not stored as a regular file");
    } else if ((p.info_perm & S_IRUSR) == 0) {
        // Installed so, it would read as no build at every later start,
        // and every start would install again.
        p.survey.problems.push_back("the INFO " + path + " has no read permission for its owner (mode " + mode + ")");
    } else if (p.survey.info_bytes.size() > kMaxInfoBytes) {
        p.survey.problems.push_back("the INFO " + path + " is larger than " + std::to_string(kMaxInfoBytes) + " bytes");
    } else if (ReadInfoBuild(p.survey.info_bytes, p.check.info_copy_folder, p.survey.info_build, error) != 0) {
        p.survey.problems.push_back("the INFO " + path + " cannot be read: " + error);
    } else if (!p.check.expected_build.empty() &&
               BuildNumber(p.survey.info_build) != BuildNumber(p.check.expected_build)) {
        (p.check.build_must_match ? p.survey.problems : p.survey.warnings).push_back(OtherBuild(p, path));
    }
}

void CheckDigest(PackageSource& source, const PackageCheck& check, PackageSurvey& survey)
{
    std::string error;
    survey.sha256 = source.Digest(error);
    if (survey.sha256.empty()) {
        survey.problems.push_back("the package's SHA-256 digest cannot be computed: " + error);
        return;
    }
    const QByteArray expected = QByteArray::fromStdString(check.expected_sha256).trimmed().toLower();
    if (survey.sha256 != expected.toStdString())
        survey.problems.push_back("the package's SHA-256 digest is " + survey.sha256 + ", not the expected " +
                                  check.expected_sha256);
}

// Two spellings of one name reach the tree as one (package-tree.h); the
// names as stored tell them apart. Only a name outside ASCII has two, so
// only a package holding one is read for them.
void CheckStoredSpellings(PackageSource& source, int format, Pass& p)
{
    std::vector<std::string> names;
    if (ReadStoredNames(source, format, names) != 0)
        return;
    StoredSpellings spellings;
    for (const std::string& name : names) {
        CleanEntryName(name.c_str(), p.name);
        const std::string why = spellings.Add(p.name);
        // Names the library kept as stored (a GNU tar's) reached the tree
        // apart, and it refused them in the same words.
        if (!why.empty() && std::find(p.survey.problems.begin(), p.survey.problems.end(),
                                      RefusalLine(name.c_str(), why)) == p.survey.problems.end())
            Refuse(p, name.c_str(), why);
    }
}

// Opens the package and reads its entry list; 0 when the whole list was read.
int ReadPackage(PackageSource& source, Pass& p)
{
    const PackageCheck& check = p.check;
    std::string error;
    bool not_regular = false;
    if (source.Open(check.archive_path, !check.expected_sha256.empty(), error, &not_regular) != 0) {
        const std::string problem = "the package " + Quoted(check.archive_path.c_str()) + " cannot be opened: " + error;
        // What is not a regular file would not be read by the extraction
        // either: it is refused, not merely unreadable.
        if (not_regular)
            p.survey.problems.push_back(problem);
        else
            Unreadable(p.survey, problem);
        return -1;
    }
    archive* reader = archive_read_new();
    if (!reader) {
        p.survey.problems.push_back("no memory to read the package");
        return -1;
    }
    archive_read_support_filter_all(reader);
    archive_read_support_format_all(reader);
    int r = source.Attach(reader);
    if (r != ARCHIVE_OK) {
        Unreadable(p.survey, "the package " + Quoted(check.archive_path.c_str()) +
                                 " cannot be read as an archive: " + ErrorText(reader));
    } else {
        r = ReadEntryList(reader, p);
    }
    const int format = archive_format(reader);
    archive_read_free(reader);
    if (r == ARCHIVE_OK && p.names_outside_ascii)
        CheckStoredSpellings(source, format, p);
    return r == ARCHIVE_OK ? 0 : -1;
}

}  // namespace

PackageSurvey SurveyPackage(const PackageCheck& check)
{
    PackageSource source;
    return SurveyPackage(check, source);
}

PackageSurvey SurveyPackage(const PackageCheck& check, PackageSource& source)
{
    PackageSurvey survey;
    Pass pass(check, survey);
    const bool whole_list = ReadPackage(source, pass) == 0;
    if (pass.refused > kListedRefusals)
        survey.problems.push_back(std::to_string(pass.refused - kListedRefusals) + " more entries are refused");
    if (whole_list) {
        CheckClient(pass);
        CheckInfo(pass);
    }
    if (!check.expected_sha256.empty() && source.IsOpen())
        CheckDigest(source, check, survey);
    if (whole_list && !check.space_folder.empty())
        CheckRoom(check.space_folder, check.moved_data, survey);
    return survey;
}
