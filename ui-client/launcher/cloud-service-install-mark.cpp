// The marker of an unsettled installation: written beside, synced and
// renamed over, as a saved file is. Log lines carry the tag of the service
// class, "cloud-service".
#include "cloud-service-install-mark.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "file-op.h"
#include "log.h"

namespace {

const char kComponent[] = "service_debug";
const char kKey[] = "backup=";
// Far more than "backup=" and a backup's base name need.
const size_t kMaxMarkSize = 4096;

ustring DraftPath(const ustring& app) { return InstallMarkPath(app) + ".new"; }

int WriteAll(int fd, const std::string& text)
{
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return -1;
        }
        done += static_cast<size_t>(n);
    }
    return 0;
}

// The draft holds the whole text on the disk before it takes the marker's name.
int WriteDraft(const ustring& draft, const std::string& text)
{
    int fd = open(draft.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) {
        return -1;
    }
    int result = WriteAll(fd, text) == 0 && fsync(fd) == 0 ? 0 : -1;
    int saved = errno;
    if (close(fd) != 0 && result == 0) {
        return -1;
    }
    errno = saved;
    return result;
}

std::string ReadSmallFile(const ustring& path, bool& readable)
{
    std::string text;
    int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    readable = fd >= 0;
    if (!readable) {
        return text;
    }
    char buffer[kMaxMarkSize];
    ssize_t n = 0;
    while (text.size() <= kMaxMarkSize && (n = read(fd, buffer, sizeof(buffer))) != 0) {
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            readable = false;
            break;
        }
        text.append(buffer, static_cast<size_t>(n));
    }
    close(fd);
    return text;
}

}  // namespace

ustring InstallMarkPath(const ustring& app) { return app + "_installing"; }

int WriteInstallMark(const ustring& app, const ustring& backup)
{
    const ustring mark = InstallMarkPath(app);
    const ustring draft = DraftPath(app);
    std::string text = std::string(kKey) + (backup.empty() ? "" : FSBaseName(backup).c_str()) + "\n";
    if (WriteDraft(draft, text) != 0 || rename(draft.c_str(), mark.c_str()) != 0 ||
        SyncFolder(FSParentPath(app)) != 0) {
        int saved = errno;
        unlink(draft.c_str());
        VLOG(3, kComponent, __LINE__,
             "(%5d:%5d) [ERROR] cloud-service(%d): cannot write the installation marker '%s': %s\n",
             mark.c_str(), strerror(saved));
        return -1;
    }
    return 0;
}

InstallMarkKind ReadInstallMark(const ustring& app, ustring& name)
{
    const ustring mark = InstallMarkPath(app);
    if (!IsFileExist(mark, false)) {
        return kNoInstallMark;
    }
    bool readable = false;
    std::string text = ReadSmallFile(mark, readable);
    const size_t key = strlen(kKey);
    if (!readable || text.size() > kMaxMarkSize || text.compare(0, key, kKey) != 0) {
        return kMarkOldFormat;
    }
    std::string value = text.substr(key);
    if (!value.empty() && value.back() == '\n') {
        value.pop_back();
    }
    name = value.c_str();
    return value.empty() ? kMarkNoBackup : kMarkNamesBackup;
}

int ClearInstallMark(const ustring& app)
{
    const ustring mark = InstallMarkPath(app);
    RemoveInstallMarkDraft(app);
    if (FSRemove(mark, false) != 0) {
        VLOG(3, kComponent, __LINE__,
             "(%5d:%5d) [ERROR] cloud-service(%d): cannot remove the installation marker '%s': %s\n",
             mark.c_str(), strerror(errno));
        return -1;
    }
    return 0;
}

void RemoveInstallMarkDraft(const ustring& app) { unlink(DraftPath(app).c_str()); }

int SyncFolder(const ustring& folder)
{
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    int result = fsync(fd);
    int saved = errno;
    close(fd);
    errno = saved;
    return result == 0 ? 0 : -1;
}
