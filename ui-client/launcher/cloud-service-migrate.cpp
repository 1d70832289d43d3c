// Moving the older product's data into the new per-user folder, and the
// clean-up of its aged application folder. Log lines carry the tag of the
// service class, "cloud-service".
#include <QDir>

#include "cloud-service.h"
#include "file-op.h"
#include "log.h"
#include "service-registry.h"

namespace {

const char kComponent[] = "service_debug";

bool IsEmptyFolder(const ustring& path)
{
    _FILE_INFO_tag info;
    if (GetFileInfo(path, info) != 0 || !info.exists || info.type != FS_TYPE_DIR) {
        return false;
    }
    DIR_HANDLE handle;
    if (FSOpenDir(path, 0, handle) != 0) {
        return false;
    }
    // Empty when the listing ends, without a read error, before any name
    // but "." and "..".
    int read = 0;
    DIR_ENTRY entry;
    while ((read = FSReadDir(handle, entry)) > 0 &&
           (entry.name == ustring(".") || entry.name == ustring(".."))) {
    }
    FSCloseDir(handle);
    return read == 0;
}

// Moves old data to new data unless that would mix it with data already
// there: a move across volumes merges folders and overwrites files, so
// anything at the target other than an empty folder keeps both in place.
void MoveData(const ustring& old_data, const ustring& new_data)
{
    if (IsFileExist(new_data, false) && !IsEmptyFolder(new_data)) {
        VLOG(3, kComponent, __LINE__,
             "(%5d:%5d) [ERROR] cloud-service(%d): '%s' already exists, keeping the old data at "
             "'%s'\n",
             new_data.c_str(), old_data.c_str());
        return;
    }
    if (FSRename(old_data, new_data, true) < 0) {
        VLOG(3, kComponent, __LINE__,
             "(%5d:%5d) [ERROR] cloud-service(%d): Failed to move data to Velmora Drive folder\n");
    }
}

}  // namespace

void Service::MigrateService()
{
    QString old_folder = NativeRegistryPath("user_larkspan_path");
    QString new_folder = NativeRegistryPath("user_velmora_drive_path");
    // Empty registry values would turn the paths below into "/data".
    if (old_folder.isEmpty() || new_folder.isEmpty()) {
        VLOG(3, kComponent, __LINE__,
             "(%5d:%5d) [ERROR] cloud-service(%d): per-user folders are not registered, no "
             "migration\n");
        return;
    }
    ustring new_path = ToUstring(new_folder);
    if (!IsFileExist(new_path, true) && FSMKDir(new_path, true) < 0) {
        VLOG(3, kComponent, __LINE__,
             "(%5d:%5d) [ERROR] cloud-service(%d): Failed to create Velmora Drive folder\n");
        return;
    }
    ustring old_data = ToUstring(QDir::toNativeSeparators(old_folder + QStringLiteral("/data")));
    ustring new_data = ToUstring(QDir::toNativeSeparators(new_folder + QStringLiteral("/data")));
    if (IsFileExist(old_data, true)) {
        MoveData(old_data, new_data);
    }
    // Whatever of the data could not be moved keeps the whole old folder.
    ustring old_path = ToUstring(old_folder);
    if (IsFileExist(old_path, true) && !IsFileExist(old_data, false) &&
        FSRemove(old_path, false) < 0) {
        VLOG(3, kComponent, __LINE__,
             "(%5d:%5d) [ERROR] cloud-service(%d): Failed to remove old .Larkspan folder\n");
    }
}

void Service::RemoveAgedFolders()
{
    ustring larkspan = RegistryPath("user_larkspan_path");
    if (larkspan.empty()) {
        VLOG(3, kComponent, __LINE__,
             "(%5d:%5d) [ERROR] cloud-service(%d): user_larkspan_path is not registered, no "
             "aged folder removed\n");
        return;
    }
    ustring path = larkspan + "/app";
    VLOG(6, kComponent, __LINE__, "(%5d:%5d) [INFO] cloud-service(%d): removing aged app folder %s\n",
         path.c_str());
    FSRemove(path, false);
}
