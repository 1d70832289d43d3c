// Moving the older product's data into the new per-user folder, and the
// clean-up of its aged application folder. Log lines carry the tag of the
// service class, "cloud-service".
//
// The data arrives whole or not at all (FSRename across volumes copies
// beside the target and renames into place). A move that failed (no room
// on the new folder's volume) leaves the old data whole where it was, and
// the older product's folder is removed only once its data has arrived; a
// later run sees the migration pending and tries again.
//
// Pending means a migration began and its data has not arrived: the mark
// "data_migrating" in the per-user folder says it began. Old data beside an
// installed client without the mark belongs to an older product the user
// still runs, and is left alone.
#include <fcntl.h>
#include <unistd.h>

#include <QDir>

#include "cloud-service.h"
#include "file-op.h"
#include "log.h"
#include "service-registry.h"

namespace {

const char kComponent[] = "service_debug";

struct MigrationPaths {
    ustring old_folder;
    ustring new_folder;
    ustring old_data;
    ustring new_data;
    ustring mark;
};

// False when the per-user folders are not registered: empty values would
// turn the paths into "/data".
bool GetMigrationPaths(MigrationPaths& paths)
{
    QString old_folder = NativeRegistryPath("user_larkspan_path");
    QString new_folder = NativeRegistryPath("user_velmora_drive_path");
    if (old_folder.isEmpty() || new_folder.isEmpty()) {
        return false;
    }
    paths.old_folder = ToUstring(old_folder);
    paths.new_folder = ToUstring(new_folder);
    paths.old_data = ToUstring(QDir::toNativeSeparators(old_folder + QStringLiteral("/data")));
    paths.new_data = ToUstring(QDir::toNativeSeparators(new_folder + QStringLiteral("/data")));
    paths.mark = ToUstring(QDir::toNativeSeparators(new_folder + QStringLiteral("/data_migrating")));
    return true;
}

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

// The old data may move only onto nothing or an empty folder: anything
// else would mix it with data already there.
bool HasRoomForOldData(const ustring& new_data)
{
    return !IsFileExist(new_data, false) || IsEmptyFolder(new_data);
}

void MoveData(const ustring& old_data, const ustring& new_data)
{
    if (!HasRoomForOldData(new_data)) {
        VLOG(3, kComponent, __LINE__,
             "(%5d:%5d) [ERROR] cloud-service(%d): '%s' already exists, keeping the old data at "
             "'%s'\n",
             new_data.c_str(), old_data.c_str());
        return;
    }
    if (FSRename(old_data, new_data, true) < 0) {
        VLOG(3, kComponent, __LINE__,
             "(%5d:%5d) [ERROR] cloud-service(%d): Failed to move data to Velmora Drive folder\n");
        return;
    }
    VLOG(6, kComponent, __LINE__,
         "(%5d:%5d) [INFO] cloud-service(%d): moved the older product's data '%s' -> '%s'\n",
         old_data.c_str(), new_data.c_str());
}

// Written before the move starts, so that a run cut short mid-move also
// leaves it; removed once the data has arrived.
void MarkMigrationStarted(const ustring& mark)
{
    int fd = open(mark.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        VLOG(4, kComponent, __LINE__,
             "(%5d:%5d) [WARNING] cloud-service(%d): cannot create '%s', a failed move will not be "
             "tried again\n",
             mark.c_str());
        return;
    }
    close(fd);
}

}  // namespace

void Service::MigrateService()
{
    MigrationPaths paths;
    if (!GetMigrationPaths(paths)) {
        VLOG(3, kComponent, __LINE__,
             "(%5d:%5d) [ERROR] cloud-service(%d): per-user folders are not registered, no "
             "migration\n");
        return;
    }
    if (!IsFileExist(paths.new_folder, true) && FSMKDir(paths.new_folder, true) < 0) {
        VLOG(3, kComponent, __LINE__,
             "(%5d:%5d) [ERROR] cloud-service(%d): Failed to create Velmora Drive folder\n");
        return;
    }
    if (IsFileExist(paths.old_data, true)) {
        MarkMigrationStarted(paths.mark);
        MoveData(paths.old_data, paths.new_data);
    }
    if (IsFileExist(paths.old_data, false)) {
        return;
    }
    FSRemove(paths.mark, false);
    if (!IsFileExist(paths.old_folder, true)) {
        return;
    }
    if (FSRemove(paths.old_folder, false) < 0) {
        VLOG(3, kComponent, __LINE__,
             "(%5d:%5d) [ERROR] cloud-service(%d): Failed to remove old .Larkspan folder\n");
        return;
    }
    VLOG(6, kComponent, __LINE__,
         "(%5d:%5d) [INFO] cloud-service(%d): removed the older product's folder '%s'\n",
         paths.old_folder.c_str());
}

ustring Service::DataToMigrate()
{
    MigrationPaths paths;
    if (!GetMigrationPaths(paths) || !IsFileExist(paths.old_folder, true) ||
        !IsFileExist(paths.old_data, true) || !HasRoomForOldData(paths.new_data)) {
        return ustring();
    }
    return paths.old_data;
}

bool Service::IsMigrationPending()
{
    MigrationPaths paths;
    if (!GetMigrationPaths(paths) || !IsFileExist(paths.mark, false) ||
        !IsFileExist(paths.old_data, true) || !HasRoomForOldData(paths.new_data)) {
        return false;
    }
    VLOG(5, kComponent, __LINE__,
         "(%5d:%5d) [NOTE] cloud-service(%d): the older product's data '%s' has not been moved "
         "to '%s' yet, moving it again\n",
         paths.old_data.c_str(), paths.new_data.c_str());
    return true;
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
