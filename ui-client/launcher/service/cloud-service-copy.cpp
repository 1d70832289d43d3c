// Service::FSCopyPath, the recursive copy the service class offers.
// Log lines carry the tag of the service class, "cloud-service".

#include "file-op.h"
#include "log.h"
#include "service/cloud-service.h"

#define LOG_TAG "cloud-service"
#define LOG_COMPONENT "service_debug"

namespace {

bool IsDotEntry(const ustring& name)
{
    return name == ustring(".") || name == ustring("..");
}

}  // namespace

int Service::FSCopyPath(const ustring& src, const ustring& dst)
{
    VLOG_DEBUG(__LINE__, "copy from '%s' to '%s'\n", src.c_str(), dst.c_str());
    _FILE_INFO_tag info;
    if (FSStat(src, info, false) < 0) {
        VLOG_ERROR(__LINE__, "FSCopyPath: failed to stat source '%s'\n", src.c_str());
        return -1;
    }
    if (!info.exists) {
        VLOG_ERROR(__LINE__, "FSCopyPath: source path '%s' does not exist\n", src.c_str());
        return -1;
    }
    if (info.type != FS_TYPE_DIR) {
        return FSCopy(src, dst, false) < 0 ? -1 : 0;
    }
    // A destination inside the source would be listed while it is being
    // filled, and the copy would recurse until the disk is full.
    if (FSIsParentFolder(src, dst)) {
        VLOG_ERROR(__LINE__, "FSCopyPath: dest '%s' lies inside source '%s'\n", dst.c_str(), src.c_str());
        return -1;
    }
    if (FSMKDir(dst, true) < 0) {
        VLOG_ERROR(__LINE__, "FSCopyPath: failed to create dest folder '%s'\n", dst.c_str());
        return -1;
    }
    DIR_HANDLE handle;
    if (FSOpenDir(src, 0, handle) < 0) {
        VLOG_WARNING(__LINE__, "FSCopyPath: failed to create handle  for src '%s' failed\n", src.c_str());
        return 0;
    }
    int result = 0;
    int read = 0;
    DIR_ENTRY entry;
    while (result == 0 && (read = FSReadDir(handle, entry)) > 0) {
        if (IsDotEntry(entry.name)) {
            continue;
        }
        ustring child_src = src + "/" + entry.name;
        ustring child_dst = dst + "/" + entry.name;
        int copied = entry.type == FS_TYPE_DIR ? FSCopyPath(child_src, child_dst) : FSCopy(child_src, child_dst, false);
        if (copied < 0) {
            VLOG_ERROR(__LINE__, "FSCopyPath: failed to copy from '%s' to '%s'\n", child_src.c_str(),
                       child_dst.c_str());
            result = -1;
        }
    }
    // A listing cut short is no complete copy.
    if (read < 0) {
        VLOG_ERROR(__LINE__, "FSCopyPath: failed to list source folder '%s'\n", src.c_str());
        result = -1;
    }
    FSCloseDir(handle);
    return result;
}
