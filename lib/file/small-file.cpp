// Small files that carry state from one run to the next (markers, records),
// and the folder sync that makes a rename or a removal stick. A small file
// is replaced as a saved document is: written beside, synced, renamed over,
// and its folder synced, so that after a crash or a power loss it holds the
// old text or the new one, never a torn mix.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "file-op-internal.h"
#include "regular_file.h"

#define LOG_TAG "file-op"

namespace {

const char kDraftSuffix[] = ".new";

int CloseKeepingErrno(int fd, int result)
{
    const int saved = errno;
    close(fd);
    errno = saved;
    return result;
}

int WriteAll(int fd, const std::string& content)
{
    size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return -1;
        done += static_cast<size_t>(n);
    }
    return 0;
}

// The whole text is on the device before the draft takes the real name.
// Whatever a run cut short or anyone else left at the draft's name goes
// first: the draft is made anew, so a link there cannot send the text
// elsewhere nor a named pipe block the write.
int WriteDraft(const ustring& draft, const std::string& content)
{
    FSRemove(draft, false);
    const int fd = OpenRegularFile(draft.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0644);
    if (fd < 0)
        return -1;
    if (WriteAll(fd, content) != 0 || fsync(fd) != 0)
        return CloseKeepingErrno(fd, -1);
    return close(fd) == 0 ? 0 : -1;
}

}  // namespace

int SyncFolder(const ustring& folder, const struct stat* from)
{
    // Only a folder whose mode changes must be the one named, not a link's target.
    const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (from != nullptr ? O_NOFOLLOW : 0);
    const int fd = open(folder.empty() ? "." : folder.c_str(), flags);
    if (fd < 0)
        return -1;
    if (from != nullptr)
        KeepAttributes(fd, *from, folder);
    return CloseKeepingErrno(fd, fsync(fd) == 0 ? 0 : -1);
}

int FSSyncFolder(const ustring& folder)
{
    return SyncFolder(folder, nullptr);
}

int FSWriteFileAtomic(const ustring& path, const std::string& content)
{
    const ustring draft = path + kDraftSuffix;
    const char* failed = nullptr;
    if (WriteDraft(draft, content) != 0)
        failed = "write";
    else if (rename(draft.c_str(), path.c_str()) != 0)
        failed = "rename";
    else if (FSSyncFolder(FSParentPath(path)) != 0)
        failed = "sync the folder of";
    if (failed == nullptr)
        return 0;
    const int saved = errno;
    unlink(draft.c_str());
    VLOG_ERROR(__LINE__, "FSWriteFileAtomic: cannot %s '%s': %s\n", failed, path.c_str(), strerror(saved));
    errno = saved;
    return -1;
}

int FSRemoveFileAtomic(const ustring& path)
{
    FSRemove(path + kDraftSuffix, false);
    // Nothing at path, or not even its folder: nothing to remove.
    if (!IsFileExist(path, false))
        return 0;
    return FSRemove(path, false) == 0 ? 0 : -1;
}

int FSReadSmallFile(const ustring& path, size_t limit, std::string& content)
{
    content.clear();
    const int fd = OpenRegularFile(path.c_str(), O_RDONLY | O_NOFOLLOW);
    if (fd < 0)
        return -1;
    char buffer[4096];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof(buffer));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return CloseKeepingErrno(fd, n == 0 ? 0 : -1);
        content.append(buffer, std::min(static_cast<size_t>(n), limit + 1 - content.size()));
        if (content.size() > limit) {
            content.resize(limit);
            return CloseKeepingErrno(fd, -2);
        }
    }
}
