#include "extract-path-guard.h"

#include <archive_entry.h>
#include <errno.h>
#include <string.h>
#include <sys/stat.h>

#include <vector>

namespace {

// Components of an archive name, without empty and "." ones.
std::vector<std::string> SplitName(const char* name)
{
    std::vector<std::string> parts;
    const char* p = name;
    while (*p) {
        const char* end = strchr(p, '/');
        std::string part = end ? std::string(p, end - p) : std::string(p);
        if (!part.empty() && part != ".")
            parts.push_back(part);
        if (!end)
            break;
        p = end + 1;
    }
    return parts;
}

// What an entry of this type is called in a refusal; null for the kinds a
// bundle holds.
const char* RefusedKind(unsigned int type)
{
    switch (type) {
    case AE_IFREG:
    case AE_IFDIR:
    case AE_IFLNK:
        return nullptr;
    case AE_IFIFO:
        return "a named pipe";
    case AE_IFCHR:
        return "a character device";
    case AE_IFBLK:
        return "a block device";
    case AE_IFSOCK:
        return "a socket";
    default:
        return "of an unknown file type";
    }
}

std::string NameRefusal(const char* name, bool strict)
{
    if (!name)
        return "has no readable name";
    const std::vector<std::string> parts = SplitName(name);
    if (parts.empty())
        return "names the destination folder itself";
    for (size_t i = 0; strict && i < parts.size(); ++i) {
        if (parts[i] == "..")
            return "has a '..' component";
    }
    return "";
}

} // namespace

std::string CleanEntryName(const char* name)
{
    std::string clean;
    for (const std::string& part : SplitName(name))
        clean += (clean.empty() ? "" : "/") + part;
    return clean;
}

std::string EntryRefusal(archive_entry* entry, bool strict)
{
    const char* target = archive_entry_hardlink(entry);
    // A hard link is made with link(2) whatever type its header states.
    const char* kind = target ? nullptr : RefusedKind(archive_entry_filetype(entry));
    if (kind)
        return std::string("is ") + kind
               + "; a package holds only folders, regular files, symbolic links and hard links";
    if (target && archive_entry_size_is_set(entry) && archive_entry_size(entry) > 0)
        return "is a hard link to '" + std::string(target) + "' that carries "
               + std::to_string(archive_entry_size(entry)) + " bytes of its own";
    if (IsDestinationFolder(entry))
        return "";
    std::string why = NameRefusal(archive_entry_pathname(entry), strict);
    if (why.empty() && target) {
        why = NameRefusal(target, strict);
        if (!why.empty())
            why = "links to '" + std::string(target) + "', which " + why;
    }
    return why;
}

bool IsDestinationFolder(archive_entry* entry)
{
    const char* name = archive_entry_pathname(entry);
    return name && !archive_entry_hardlink(entry) && archive_entry_filetype(entry) == AE_IFDIR
           && SplitName(name).empty();
}

int CheckNoLinkOnPath(const ustring& dest_dir, const char* name, bool include_last,
                      std::string& reason)
{
    std::vector<std::string> parts = SplitName(name);
    // Nothing from the first ".." on: the writer refuses such a name itself.
    for (size_t i = 0; i < parts.size(); ++i) {
        if (parts[i] == "..") {
            parts.resize(i);
            break;
        }
    }
    const size_t checked = include_last ? parts.size() : (parts.empty() ? 0 : parts.size() - 1);
    std::string path = dest_dir.c_str();
    std::string shown;
    for (size_t i = 0; i < checked; ++i) {
        path += "/" + parts[i];
        shown += (i ? "/" : "") + parts[i];
        struct stat st;
        if (lstat(path.c_str(), &st) != 0) {
            // Nothing exists below a missing component or below a file.
            if (errno == ENOENT || errno == ENOTDIR)
                return 0;
            reason = "Cannot check '" + shown + "': " + strerror(errno);
            return -1;
        }
        if (S_ISLNK(st.st_mode)) {
            reason = "Cannot extract through symbolic link '" + shown + "'";
            return -1;
        }
    }
    return 0;
}
