#include "client-tree.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "file-op.h"

namespace {

// The names in folder, sorted; false when it cannot be listed to the end.
bool ListFolder(const std::string& folder, std::vector<std::string>& names)
{
    DIR_HANDLE handle;
    if (FSOpenDir(folder, 0, handle) != 0)
        return false;
    DIR_ENTRY item;
    int r;
    while ((r = FSReadDir(handle, item)) == 1) {
        const std::string name = item.name.c_str();
        if (name != "." && name != "..")
            names.push_back(name);
    }
    FSCloseDir(handle);
    std::sort(names.begin(), names.end());
    return r == 0;
}

// A package holds folders, files and links only: a zip cannot even store
// anything else, and the launcher refuses it in any format.
const char* SpecialKind(mode_t mode)
{
    if (S_ISFIFO(mode))
        return "a named pipe";
    if (S_ISSOCK(mode))
        return "a socket";
    return "a device";
}

bool Describe(const std::string& path, const std::string& name, PackEntry& entry, Problems& problems)
{
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) {
        problems.push_back("cannot read '" + path + "': " + strerror(errno));
        return false;
    }
    entry.name = name;
    entry.source = path;
    entry.mode = st.st_mode & 07777;
    if (S_ISDIR(st.st_mode)) {
        entry.kind = PackEntry::Folder;
    } else if (S_ISREG(st.st_mode)) {
        entry.kind = PackEntry::File;
        entry.size = st.st_size;
    } else if (S_ISLNK(st.st_mode)) {
        entry.kind = PackEntry::Symlink;
        ustring target;
        if (FSReadSymbolicLink(path, target) != 0) {
            problems.push_back("cannot read link '" + path + "': " + strerror(errno));
            return false;
        }
        entry.link = target.c_str();
    } else {
        problems.push_back("'" + name + "' is " + SpecialKind(st.st_mode) +
                           "; a package holds only folders, files and links");
        return false;
    }
    return true;
}

void Walk(const std::string& folder, const std::string& prefix, PackEntries& entries, Problems& problems)
{
    std::vector<std::string> names;
    if (!ListFolder(folder, names)) {
        problems.push_back("cannot list '" + folder + "': " + strerror(errno));
        return;
    }
    for (const std::string& name : names) {
        PackEntry entry;
        if (!Describe(folder + "/" + name, prefix + name, entry, problems))
            continue;
        entries.push_back(entry);
        // Only Contents goes into the package; what lies beside it is
        // reported by name, not listed.
        if (entry.kind == PackEntry::Folder && (!prefix.empty() || name == "Contents"))
            Walk(entry.source, entry.name + "/", entries, problems);
    }
}

bool IsFolder(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The bundle a folder without Contents most likely stands for: the one it
// lies in (it is Contents, or inside it), or the first one it holds.
// Empty when there is none.
std::string MeantBundle(const std::string& folder)
{
    char* real = realpath(folder.c_str(), nullptr);
    const std::string path = real != nullptr ? std::string(real) + "/" : std::string();
    free(real);
    const size_t contents = path.rfind("/Contents/");
    if (contents != std::string::npos && contents > 0)
        return path.substr(0, contents);
    std::vector<std::string> names;
    ListFolder(folder, names);
    for (const std::string& name : names) {
        if (IsFolder(folder + "/" + name + "/Contents"))
            return folder + "/" + name;
    }
    return std::string();
}

}  // namespace

bool ReadClientTree(const std::string& bundle, PackEntries& entries, Problems& problems)
{
    if (!IsFolder(bundle)) {
        problems.push_back("client bundle '" + bundle + "' is not a folder");
        return false;
    }
    if (!IsFolder(bundle + "/Contents")) {
        const std::string meant = MeantBundle(bundle);
        if (!meant.empty())
            problems.push_back("client bundle '" + bundle + "' has no Contents folder: did you mean " + meant + "?");
    }
    Walk(bundle, "", entries, problems);
    return true;
}
