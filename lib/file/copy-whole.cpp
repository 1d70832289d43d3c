// Copying a file, a link or a folder tree whole or not at all, the first
// half of a move to another volume: the object is copied to a temporary
// name beside the destination, every file synced as it is written, then
// renamed into place in one step. A copy cut short (a full volume, an entry
// that cannot be read) is removed again and the destination keeps what it
// held. The copy of a run killed part-way (".<name>.<8 random
// characters>.partial") is removed by the next copy to the same
// destination, so it cannot fill the volume for good.
//
// Links are copied as links, their text unchanged, never followed. A named
// pipe is made again with its mode. Sockets and devices hold no data and
// cannot be made by an ordinary user: inside a tree they are left out, each
// named in a WARNING line; a socket or device that is the object itself
// cannot be copied.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "file-op-internal.h"
#include "tmp_name_gen.h"

#define LOG_TAG "file-op"

namespace {

const char kPartialSuffix[] = ".partial";
const size_t kRandomPartSize = 8;

// dst without a "/" at its end, as its folder part (up to and with the
// last "/", empty for a bare name) and its name.
void SplitDestination(const ustring& dst, ustring& folder, ustring& name)
{
    size_t end = dst.length();
    while (end > 1 && dst[end - 1] == '/')
        --end;
    const size_t slash = dst.rfind('/', end - 1);
    folder = slash == ustring::npos ? ustring() : dst.substr(0, slash + 1);
    name = dst.substr(folder.length(), end - folder.length());
}

bool IsPartialCopyOf(const std::string& entry, const std::string& name)
{
    const std::string prefix = "." + name + ".";
    const size_t suffixSize = sizeof(kPartialSuffix) - 1;
    return entry.size() == prefix.size() + kRandomPartSize + suffixSize &&
           entry.compare(0, prefix.size(), prefix) == 0 &&
           entry.compare(entry.size() - suffixSize, suffixSize, kPartialSuffix) == 0;
}

void RemoveLeftoverCopies(const ustring& folder, const ustring& name)
{
    DIR_HANDLE handle;
    if (FSOpenDir(folder.empty() ? ustring(".") : folder, 0, handle) != 0)
        return;
    DIR_ENTRY entry;
    while (FSReadDir(handle, entry) == 1) {
        if (IsPartialCopyOf(entry.name.c_str(), name.c_str()))
            FSRemove(folder + entry.name, false);
    }
    FSCloseDir(handle);
}

int CopyObject(const ustring& src, const ustring& dst, int type);

// Copies the folder src to the new name dst, the whole tree or nothing
// that counts: on failure the caller removes dst.
int CopyFolder(const ustring& src, const ustring& dst)
{
    struct stat st;
    if (lstat(src.c_str(), &st) != 0 || mkdir(dst.c_str(), 0700) != 0)
        return -3;
    const int copied = VisitEntries(src, [&](const DIR_ENTRY& entry) {
        const ustring from = src + "/" + entry.name;
        if (entry.type != FS_TYPE_SOCKET && entry.type != FS_TYPE_DEVICE)
            return CopyObject(from, dst + "/" + entry.name, entry.type);
        VLOG_WARNING(__LINE__, "FSRename: '%s' is a socket or a device, left out\n", from.c_str());
        return 0;
    });
    return copied == 0 && SyncFolder(dst, &st) == 0 ? 0 : -3;
}

int CopyLink(const ustring& src, const ustring& dst)
{
    ustring target;
    return FSReadSymbolicLink(src, target) == 0 && FSCreateSymbolicLink(target, dst) == 0 ? 0 : -3;
}

int CopyPipe(const ustring& src, const ustring& dst)
{
    struct stat st;
    if (lstat(src.c_str(), &st) != 0 || mkfifo(dst.c_str(), 0600) != 0)
        return -3;
    return chmod(dst.c_str(), st.st_mode & 0777) == 0 ? 0 : -3;
}

int CopyObject(const ustring& src, const ustring& dst, int type)
{
    switch (type) {
        case FS_TYPE_DIR:
            return CopyFolder(src, dst);
        case FS_TYPE_FILE:
            return CopyFileBytes(src, dst, false, true) == 0 ? 0 : -3;
        case FS_TYPE_LINK:
            return CopyLink(src, dst);
        case FS_TYPE_FIFO:
            return CopyPipe(src, dst);
        default:
            return -3;
    }
}

}  // namespace

int FSCopyWhole(const ustring& src, const ustring& dst)
{
    _FILE_INFO_tag info;
    if (LookupFileInfo(src, info) != 0 || !info.exists)
        return -3;
    ustring folder;
    ustring name;
    SplitDestination(dst, folder, name);
    RemoveLeftoverCopies(folder, name);
    const ustring temp = folder + "." + name + "." + TmpNameGen::getInstance()->getTmpName() + kPartialSuffix;
    int result = CopyObject(src, temp, info.type);
    if (result == 0 && rename(temp.c_str(), dst.c_str()) != 0)
        result = -3;
    if (result != 0) {
        FSRemove(temp, false);
        return -3;
    }
    // The copy is at its name on the device before the caller goes on to
    // remove the source.
    return SyncFolder(folder, nullptr) == 0 ? 0 : -3;
}
