#include "entry-checks.h"

#include <sys/stat.h>

#include <QByteArray>

#include <cstdio>
#include <map>

#include "home-folder.h"
#include "startup-paths.h"

namespace {

const char kRoot[] = "Contents";
// Links followed to find the client executable and INFO; more is a loop.
const int kMaxLinks = 16;

std::vector<std::string> Components(const std::string &path)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        const std::string part = path.substr(start, end - start);
        if (!part.empty() && part != ".")
            parts.push_back(part);
        start = end + 1;
    }
    return parts;
}

std::string Join(const std::vector<std::string> &parts)
{
    std::string joined;
    for (const std::string &part : parts)
        joined += (joined.empty() ? "" : "/") + part;
    return joined;
}

// Where target leads from the folder of name, within the bundle; false when
// it climbs above the bundle's folder on the way.
bool Resolve(const std::string &name, const std::string &target, std::string &resolved)
{
    std::vector<std::string> parts = Components(name);
    if (!parts.empty())
        parts.pop_back();
    for (const std::string &part : Components(target)) {
        if (part != "..")
            parts.push_back(part);
        else if (parts.empty())
            return false;
        else
            parts.pop_back();
    }
    resolved = Join(parts);
    return true;
}

// A problem with the name itself, or empty.
std::string NameProblem(const std::string &name)
{
    const std::vector<std::string> parts = Components(name);
    if (!name.empty() && name[0] == '/')
        return "'" + name + "' has an absolute name";
    if (parts.empty())
        return "'" + name + "' names the bundle folder itself";
    for (const std::string &part : parts) {
        if (part == "..")
            return "'" + name + "' climbs out of the bundle";
    }
    if (!SurvivesPathRoundTrip(QByteArray::fromStdString(name)))
        return "'" + name + "' is not valid UTF-8";
    if (parts[0] != kRoot)
        return "'" + name + "' lies outside Contents/ (the package holds the bundle's Contents folder)";
    return std::string();
}

std::string LinkProblem(const PackEntry &entry)
{
    std::string resolved;
    if (entry.link.empty())
        return "link '" + entry.name + "' has no target";
    if (entry.kind == PackEntry::Hardlink) {
        const std::string problem = NameProblem(entry.link);
        return problem.empty() ? problem : "hard link '" + entry.name + "': " + problem;
    }
    if (entry.link[0] == '/')
        return "link '" + entry.name + "' -> '" + entry.link + "' leads out of the bundle (absolute target)";
    if (!Resolve(entry.name, entry.link, resolved))
        return "link '" + entry.name + "' -> '" + entry.link + "' climbs out of the bundle";
    return std::string();
}

void CheckEntry(const PackEntry &entry, Problems &problems)
{
    const std::string name = NameProblem(entry.name);
    if (!name.empty())
        problems.push_back(name);
    if (entry.kind == PackEntry::Special)
        problems.push_back("'" + entry.name + "' is a " + entry.what +
                           "; a package holds only folders, files and links");
    if (entry.kind == PackEntry::Symlink || entry.kind == PackEntry::Hardlink) {
        const std::string link = LinkProblem(entry);
        if (!link.empty())
            problems.push_back(link);
    }
}

using EntryIndex = std::map<std::string, const PackEntry *>;

// The entry that path names once links are followed; null when there is
// none inside the bundle.
const PackEntry *Find(const EntryIndex &index, std::string path)
{
    for (int i = 0; i <= kMaxLinks; ++i) {
        const auto found = index.find(path);
        if (found == index.end())
            return nullptr;
        const PackEntry *entry = found->second;
        if (entry->kind != PackEntry::Symlink && entry->kind != PackEntry::Hardlink)
            return entry;
        std::string next;
        if (entry->kind == PackEntry::Hardlink)
            next = NormalEntryName(entry->link);
        else if (entry->link.empty() || entry->link[0] == '/' || !Resolve(path, entry->link, next))
            return nullptr;
        path = next;
    }
    return nullptr;
}

void CheckRequiredFile(const EntryIndex &index, const char *path, const char *what, bool executable,
                       Problems &problems)
{
    const PackEntry *entry = Find(index, path);
    if (entry == nullptr) {
        problems.push_back(std::string("no ") + what + " at '" + path + "'");
        return;
    }
    if (entry->kind != PackEntry::File) {
        problems.push_back(std::string(what) + " '" + path + "' is not a file");
        return;
    }
    if (executable && (entry->mode & S_IXUSR) == 0) {
        char mode[8];
        snprintf(mode, sizeof(mode), "%04o", entry->mode & 07777);
        problems.push_back(std::string(what) + " '" + path + "' is not executable (mode " + mode + ")");
    }
}

}  // namespace

void CheckEntries(const PackEntries &entries, Problems &problems)
{
    EntryIndex index;
    for (const PackEntry &entry : entries) {
        CheckEntry(entry, problems);
        index[NormalEntryName(entry.name)] = &entry;
    }
    CheckRequiredFile(index, kBundleClientExecutable, "client executable", true, problems);
    CheckRequiredFile(index, kBundleInfo, "client INFO", false, problems);
}

std::string NormalEntryName(const std::string &name)
{
    return Join(Components(name));
}
