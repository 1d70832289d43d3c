#include "package/extract-path-guard.h"

#include <archive_entry.h>
#include <errno.h>
#include <string.h>
#include <sys/stat.h>

#include <string_view>

namespace {

// The components of an archive name, without empty and "." ones, read in
// place: a package holds tens of thousands of names, each checked as it
// comes.
class NameParts {
public:
    explicit NameParts(const char* name) : next_(name) {}
    // The next component; empty at the end.
    std::string_view Next()
    {
        for (;;) {
            while (*next_ == '/')
                ++next_;
            const char* start = next_;
            while (*next_ && *next_ != '/')
                ++next_;
            const std::string_view part(start, next_ - start);
            if (part != ".")
                return part;
        }
    }

private:
    const char* next_;
};

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
    NameParts parts(name);
    std::string_view part = parts.Next();
    if (part.empty())
        return "names the destination folder itself";
    for (; strict && !part.empty(); part = parts.Next()) {
        if (part == "..")
            return "has a '..' component";
    }
    return "";
}

}  // namespace

void CleanEntryName(const char* name, std::string& into)
{
    into.clear();
    NameParts parts(name);
    // Most names are clean already: their components are copied at once.
    const char* run = nullptr;
    const char* run_end = nullptr;
    for (std::string_view part = parts.Next(); !part.empty(); part = parts.Next()) {
        if (run && part.data() == run_end + 1) {
            run_end = part.data() + part.size();
            continue;
        }
        if (run)
            into.append(run, run_end).append(1, '/');
        run = part.data();
        run_end = part.data() + part.size();
    }
    if (run)
        into.append(run, run_end);
}

std::string CleanEntryName(const char* name)
{
    std::string clean;
    CleanEntryName(name, clean);
    return clean;
}

std::string EntryRefusal(archive_entry* entry, bool strict)
{
    const char* target = archive_entry_hardlink(entry);
    // A hard link is made with link(2) whatever type its header states.
    const char* kind = target ? nullptr : RefusedKind(archive_entry_filetype(entry));
    if (kind)
        return std::string("is ") + kind +
               "; a package holds only folders, regular files, symbolic links and hard links";
    if (target && archive_entry_size_is_set(entry) && archive_entry_size(entry) > 0)
        return "is a hard link to '" + std::string(target) + "' that carries " +
               std::to_string(archive_entry_size(entry)) + " bytes of its own";
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
    return name && !archive_entry_hardlink(entry) && archive_entry_filetype(entry) == AE_IFDIR &&
           NameParts(name).Next().empty();
}

int CheckNoLinkOnPath(const ustring& dest_dir, const char* name, bool include_last, std::string& reason)
{
    std::string path = dest_dir.c_str();
    const size_t below = path.size() + 1;
    NameParts parts(name);
    // Nothing from the first ".." on: the writer refuses such a name itself.
    for (std::string_view part = parts.Next(); !part.empty() && part != "..";) {
        const std::string_view next = parts.Next();
        if (!include_last && (next.empty() || next == ".."))
            return 0;
        path += '/';
        path.append(part);
        struct stat st;
        if (lstat(path.c_str(), &st) != 0) {
            // Nothing exists below a missing component or below a file.
            if (errno == ENOENT || errno == ENOTDIR)
                return 0;
            reason = "Cannot check '" + path.substr(below) + "': " + strerror(errno);
            return -1;
        }
        if (S_ISLNK(st.st_mode)) {
            reason = "Cannot extract through symbolic link '" + path.substr(below) + "'";
            return -1;
        }
        part = next;
    }
    return 0;
}
