// The canonical path of an existing object, portable to every POSIX
// system: the parent folder with its symbolic links resolved (realpath),
// joined with the name as that folder lists it. On a case-insensitive or
// normalizing volume the listed name is the stored one, whatever spelling
// the caller used.
#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "file-op-internal.h"

#define LOG_TAG "file-op"

namespace {

int RealPath(const std::string& path, std::string& out)
{
    char* resolved = realpath(path.c_str(), nullptr);
    if (resolved == nullptr)
        return errno;
    out = resolved;
    free(resolved);
    return 0;
}

std::string JoinPath(const std::string& folder, const std::string& name)
{
    return folder == "/" ? folder + name : folder + "/" + name;
}

// The entry spelled exactly as name wins (a hard link may share the inode);
// else the entry holding the object's inode, which is how a volume that
// folds case or normalization stores it; else name itself. A folder that
// cannot be listed keeps name; one whose listing fails part-way is an error
// (its errno), since the stored spelling may lie in the part not read.
int ListedName(const std::string& folder, const std::string& name, ino_t ino, std::string& listed)
{
    listed = name;
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr)
        return 0;
    std::string byInode;
    int read = 0;
    const dirent* entry = nullptr;
    while ((read = ReadNextEntry(dir, entry)) > 0 && name != entry->d_name) {
        if (byInode.empty() && entry->d_ino == ino && !IsDotOrDotDot(entry->d_name))
            byInode = entry->d_name;
    }
    const int err = read < 0 ? errno : 0;
    closedir(dir);
    if (read == 0 && !byInode.empty())
        listed = byInode;
    return err;
}

// Joins a symlink-free folder with name as the folder lists it.
int JoinListed(const std::string& folder, const std::string& name, std::string& out)
{
    struct stat st;
    if (lstat(JoinPath(folder, name).c_str(), &st) != 0)
        return errno;
    std::string listed;
    const int status = ListedName(folder, name, st.st_ino, listed);
    if (status == 0)
        out = JoinPath(folder, listed);
    return status;
}

// path at its last "/": the folder ("." when there is none, "/" for a
// top-level name) and the name after it.
void SplitAtLastSlash(const std::string& path, std::string& folder, std::string& name)
{
    size_t slash = path.rfind('/');
    folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    name = slash == std::string::npos ? path : path.substr(slash + 1);
}

// A symlink-free absolute path with its last component as its folder lists it.
int JoinResolvedListed(const std::string& resolved, std::string& out)
{
    if (resolved == "/") {
        out = resolved;
        return 0;
    }
    std::string folder;
    std::string name;
    SplitAtLastSlash(resolved, folder, name);
    return JoinListed(folder, name, out);
}

int ResolveUnbounded(const std::string& path, bool followFinal, std::string& out)
{
    std::string folder;
    std::string name;
    SplitAtLastSlash(path, folder, name);
    std::string resolved;
    // A trailing "/", "." or ".." names a folder reached through the last
    // component, so there is no final link to keep.
    if (followFinal || name.empty() || name == "." || name == "..") {
        int status = RealPath(path, resolved);
        return status != 0 ? status : JoinResolvedListed(resolved, out);
    }
    int status = RealPath(folder, resolved);
    return status != 0 ? status : JoinListed(resolved, name, out);
}

}  // namespace

int ResolveCanonicalPath(const char* path, bool followFinal, std::string& out)
{
    std::string resolved;
    int status = ResolveUnbounded(path, followFinal, resolved);
    if (status != 0)
        return status;
    if (resolved.size() >= kFsPathBound)
        return ENAMETOOLONG;
    out.swap(resolved);
    return 0;
}

int FSGetRealPath(ustring& path)
{
    VLOG_DEBUG(__LINE__, " org path [%s]\n", path.c_str());
    std::string resolved;
    if (ResolveCanonicalPath(path.c_str(), true, resolved) != 0)
        return -1;
    path = resolved;
    VLOG_DEBUG(__LINE__, " get full path [%s]\n", path.c_str());
    return 0;
}
