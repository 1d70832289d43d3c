#include "entry-checks.h"

#include <QByteArray>

#include "package/bundle-layout.h"
#include "package/extract-path-guard.h"
#include "package/path-round-trip.h"

namespace {

const std::string kRoot = "Contents";

std::vector<std::string> Components(const std::string& path)
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

// False when target, read from the folder of the link `name`, climbs above
// the bundle's folder on the way.
bool StaysInside(const std::string& name, const std::string& target)
{
    const size_t parts = Components(name).size();
    if (parts == 0)
        return false;
    size_t depth = parts - 1;
    for (const std::string& part : Components(target)) {
        if (part != "..")
            ++depth;
        else if (depth-- == 0)
            return false;
    }
    return true;
}

std::string NameProblem(const std::string& name)
{
    if (!SurvivesPathRoundTrip(QByteArray::fromStdString(name)))
        return "'" + name + "' is not valid UTF-8";
    const std::string clean = CleanEntryName(name.c_str());
    if (clean != kRoot && clean.compare(0, kRoot.size() + 1, kRoot + "/") != 0)
        return "'" + name + "' lies outside Contents/ (the package holds the bundle's Contents folder)";
    return std::string();
}

std::string LinkProblem(const PackEntry& entry)
{
    if (entry.link.empty())
        return "link '" + entry.name + "' has no target";
    if (entry.link[0] == '/')
        return "link '" + entry.name + "' -> '" + entry.link + "' leads out of the bundle (absolute target)";
    if (!StaysInside(entry.name, entry.link))
        return "link '" + entry.name + "' -> '" + entry.link + "' climbs out of the bundle";
    return std::string();
}

std::string BaseName(const std::string& name)
{
    const std::vector<std::string> parts = Components(name);
    return parts.empty() ? std::string() : parts.back();
}

// An INFO elsewhere than where the launcher reads it is named, with the
// place it must go: without it the launcher installs at every start.
void CheckInfoPlace(const PackEntries& entries, Problems& problems)
{
    for (const PackEntry& entry : entries) {
        if (entry.kind == PackEntry::File && CleanEntryName(entry.name.c_str()) == kBundleInfo)
            return;
    }
    for (const PackEntry& entry : entries) {
        if (entry.kind == PackEntry::File && BaseName(entry.name) == "INFO")
            problems.push_back("'" + entry.name + "' looks like the client's INFO, which the launcher reads only at '" +
                               kBundleInfo + "'");
    }
}

}  // namespace

void CheckEntries(const PackEntries& entries, Problems& problems)
{
    for (const PackEntry& entry : entries) {
        std::string problem = NameProblem(entry.name);
        if (!problem.empty())
            problems.push_back(problem);
        problem = entry.kind == PackEntry::Symlink ? LinkProblem(entry) : std::string();
        if (!problem.empty())
            problems.push_back(problem);
    }
    CheckInfoPlace(entries, problems);
}
