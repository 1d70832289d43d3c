#include "extract-path-guard.h"

#include <errno.h>
#include <string.h>
#include <sys/stat.h>

#include <vector>

namespace {

// Components of an archive name, without empty and "." ones; stops at the
// first "..", which the writer refuses on its own.
std::vector<std::string> SplitName(const char* name)
{
    std::vector<std::string> parts;
    const char* p = name;
    while (*p) {
        const char* end = strchr(p, '/');
        std::string part = end ? std::string(p, end - p) : std::string(p);
        if (part == "..")
            break;
        if (!part.empty() && part != ".")
            parts.push_back(part);
        if (!end)
            break;
        p = end + 1;
    }
    return parts;
}

} // namespace

int CheckNoLinkOnPath(const ustring& dest_dir, const char* name, bool include_last,
                      std::string& reason)
{
    const std::vector<std::string> parts = SplitName(name);
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
