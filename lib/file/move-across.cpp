// Moving to another volume, where rename(2) cannot, all or nothing: the
// object is copied to a temporary name beside the destination, every file
// synced as it is written, then renamed into place in one step, and only
// then is the source removed. A copy cut short (a full volume, an entry
// that cannot be carried) is removed again: the destination keeps what it
// held and the source stays whole. The copy of a move killed part-way
// (".<name>.<8 random characters>.partial") is removed by the next move to
// the same destination, so it cannot fill the volume for good.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "file-op-internal.h"
#include "tmp_name_gen.h"

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
    return entry.size() == prefix.size() + kRandomPartSize + suffixSize && entry.compare(0, prefix.size(), prefix) == 0 &&
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

// Syncs a folder, so the entries made in it are on the device with their
// files. With from, it first gets the mode and times of from: the copy of a
// folder gets them once it is filled, so that neither a read-only mode nor
// the entries copied in get in the way.
int SyncFolder(const ustring& folder, const struct stat* from)
{
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return -3;
    if (from != nullptr)
        KeepAttributes(fd, *from, folder);
    const int result = fsync(fd) == 0 ? 0 : -3;
    close(fd);
    return result;
}

int CopyObject(const ustring& src, const ustring& dst, int type);

// Copies the folder src to the new name dst, the whole tree or nothing
// that counts: on failure the caller removes dst.
int CopyFolder(const ustring& src, const ustring& dst)
{
    struct stat st;
    if (lstat(src.c_str(), &st) != 0 || mkdir(dst.c_str(), 0700) != 0)
        return -3;
    DIR_HANDLE handle;
    if (FSOpenDir(src, 0, handle) != 0)
        return -3;
    int result = 0;
    int read = 0;
    DIR_ENTRY entry;
    while (result == 0 && (read = FSReadDir(handle, entry)) == 1) {
        if (!IsDotOrDotDot(entry.name.c_str()))
            result = CopyObject(src + "/" + entry.name, dst + "/" + entry.name, entry.type);
    }
    FSCloseDir(handle);
    if (result != 0 || read != 0)
        return -3;
    return SyncFolder(dst, &st);
}

int CopyObject(const ustring& src, const ustring& dst, int type)
{
    if (type == FS_TYPE_DIR)
        return CopyFolder(src, dst);
    if (type == FS_TYPE_FILE)
        return CopyFileBytes(src, dst, false, true) == 0 ? 0 : -3;
    // A symbolic link, device, pipe or socket cannot be carried.
    return -3;
}

}  // namespace

int MoveAcrossVolumes(const ustring& src, const ustring& dst, int type)
{
    ustring folder;
    ustring name;
    SplitDestination(dst, folder, name);
    RemoveLeftoverCopies(folder, name);
    const ustring temp = folder + "." + name + "." + TmpNameGen::getInstance()->getTmpName() + kPartialSuffix;
    int result = CopyObject(src, temp, type);
    if (result == 0 && rename(temp.c_str(), dst.c_str()) != 0)
        result = -3;
    if (result != 0) {
        FSRemove(temp, false);
        return -3;
    }
    // The rename is on the device before the source goes. Once dst is
    // complete, a source that cannot be removed leaves two copies, never none.
    if (SyncFolder(folder, nullptr) != 0 || FSRemove(src, false) != 0)
        return -3;
    return 0;
}
