// Moving the older product's data into the new per-user folder, and the
// clean-up of its aged application folder. Log lines carry the tag of the
// service class, "cloud-service".
//
// The data arrives whole or not at all. On one volume the move is a
// rename. Across volumes it is copied whole to a staging name beside the
// new data ("data_migrated"), the mark says it has arrived, it is renamed
// into place, and only then is the old data removed: a run cut short in
// any step leaves the mark telling the next run whether to copy again or
// to finish (cloud-service-migrate-mark.h). A move that failed (no room)
// leaves the old data whole where it was, and the older product's folder is
// removed only once its data has arrived.
//
// Pending means a migration began and has not finished: the mark
// "data_migrating" in the per-user folder says it began. Old data beside an
// installed client without the mark belongs to an older product the user
// still runs, and is left alone.
#include <ctime>

#include "file-op.h"
#include "install/cloud-service-migrate-mark.h"
#include "log.h"
#include "service/cloud-service.h"

#define LOG_TAG "cloud-service"
#define LOG_COMPONENT "service_debug"

namespace {

// The source must be reached by its own name, not through a link.
const bool kExactName = true;

struct MigrationPaths {
    ustring old_folder;
    ustring new_folder;
    ustring old_data;
    ustring new_data;
    ustring mark;
    ustring staged;
};

// False when the per-user folders are not registered: empty values would
// turn the paths into "/data".
bool GetMigrationPaths(const InstallLayout& layout, MigrationPaths& paths)
{
    if (layout.old_product.empty() || layout.drive.empty()) {
        return false;
    }
    paths.old_folder = layout.old_product;
    paths.new_folder = layout.drive;
    paths.old_data = layout.OldData();
    paths.new_data = layout.Data();
    paths.mark = layout.MigrationMark();
    paths.staged = layout.StagedData();
    return true;
}

// The old data may move only onto nothing or an empty folder: anything
// else would mix it with data already there.
bool HasRoomForOldData(const ustring& new_data)
{
    return !IsFileExist(new_data, false) || FSIsEmptyFolder(new_data);
}

void LogMoveFailed()
{
    VLOG_ERROR(__LINE__, "Failed to move data to Velmora Drive folder\n");
}

// Across volumes: whole at the staging name and marked as arrived, or
// nothing.
int CopyAcrossVolumes(const MigrationPaths& paths)
{
    MigrationMark arrived;
    arrived.arrived = true;
    if (FSCopyWhole(paths.old_data, paths.staged) != 0) {
        return -1;
    }
    if (WriteMigrationMark(paths.mark, arrived) != 0) {
        FSRemove(paths.staged, false);
        return -1;
    }
    return 0;
}

// Remembers what the failed move met, so that later runs try again only
// once something changed (ReasonToRetry).
void RecordFailure(const MigrationPaths& paths)
{
    MigrationMark failed;
    failed.failed = time(nullptr);
    failed.room = FreeRoom(paths.new_folder);
    failed.tree = ShapeOf(paths.old_data).Text();
    WriteMigrationMark(paths.mark, failed);
}

// 0 when the data has arrived (maybe still at the staging name), -1 after
// an ERROR line with the old data whole where it was.
int MoveData(const MigrationPaths& paths)
{
    if (!HasRoomForOldData(paths.new_data)) {
        LogMoveFailed();
        VLOG_ERROR(__LINE__, "'%s' already exists, keeping the old data at '%s'\n", paths.new_data.c_str(),
                   paths.old_data.c_str());
        return -1;
    }
    // Written before the move starts, so that a run cut short mid-move also
    // leaves it. A staged copy not marked as arrived may be partial.
    WriteMigrationMark(paths.mark, MigrationMark());
    FSRemove(paths.staged, false);
    const int moved = FSMovesByRename(paths.old_data, paths.new_folder)
                          ? FSRename(paths.old_data, paths.new_data, kExactName)
                          : CopyAcrossVolumes(paths);
    if (moved != 0) {
        LogMoveFailed();
        RecordFailure(paths);
        return -1;
    }
    VLOG_INFO(__LINE__, "moved the older product's data '%s' -> '%s'\n", paths.old_data.c_str(),
              paths.new_data.c_str());
    return 0;
}

// The data has arrived: the staged copy goes into place, what is left of
// the old data goes, then the mark. -1 when a step failed; the mark stays
// and a later run goes on from there.
int FinishMove(const MigrationPaths& paths)
{
    if (IsFileExist(paths.staged, false) && FSRename(paths.staged, paths.new_data, false) != 0) {
        LogMoveFailed();
        return -1;
    }
    if (IsFileExist(paths.old_data, false) && FSRemoveMoved(paths.old_data) != 0) {
        VLOG_ERROR(__LINE__, "the data has arrived at '%s', but '%s' could not be removed\n", paths.new_data.c_str(),
                   paths.old_data.c_str());
        return -1;
    }
    return FSRemoveFileAtomic(paths.mark) == 0 ? 0 : -1;
}

void RemoveOldFolder(const MigrationPaths& paths)
{
    if (!IsFileExist(paths.old_folder, true)) {
        return;
    }
    if (FSRemove(paths.old_folder, false) < 0) {
        VLOG_ERROR(__LINE__, "Failed to remove old .Larkspan folder\n");
        return;
    }
    VLOG_INFO(__LINE__, "removed the older product's folder '%s'\n", paths.old_folder.c_str());
}

}  // namespace

void Service::MigrateService()
{
    MigrationPaths paths;
    if (!GetMigrationPaths(layout, paths)) {
        VLOG_ERROR(__LINE__, "per-user folders are not registered, no migration\n");
        return;
    }
    if (!IsFileExist(paths.new_folder, true) && FSMKDir(paths.new_folder, true) < 0) {
        VLOG_ERROR(__LINE__, "Failed to create Velmora Drive folder\n");
        return;
    }
    MigrationMark mark;
    ReadMigrationMark(paths.mark, mark);
    if (!mark.arrived && IsFileExist(paths.old_data, kExactName) && MoveData(paths) != 0) {
        return;
    }
    if (IsFileExist(paths.mark, false) && FinishMove(paths) != 0) {
        return;
    }
    RemoveOldFolder(paths);
}

ustring Service::DataToMigrate()
{
    MigrationPaths paths;
    if (!GetMigrationPaths(layout, paths) || !IsFileExist(paths.old_folder, kExactName) ||
        !IsFileExist(paths.old_data, kExactName) || !HasRoomForOldData(paths.new_data)) {
        return ustring();
    }
    return paths.old_data;
}

Service::MigrationStep Service::PendingMigration()
{
    MigrationPaths paths;
    MigrationMark mark;
    if (!GetMigrationPaths(layout, paths) || !ReadMigrationMark(paths.mark, mark)) {
        return kNoMigration;
    }
    // Nothing is moved onto data that is already there: the old data, or
    // its arrived copy, then stays where it is.
    const bool staged = mark.arrived && IsFileExist(paths.staged, false);
    const bool waiting = !mark.arrived && IsFileExist(paths.old_data, kExactName);
    if ((staged || waiting) && !HasRoomForOldData(paths.new_data)) {
        return kNoMigration;
    }
    if (!waiting) {
        VLOG_NOTE(__LINE__, "the older product's data has arrived at '%s'; finishing its move\n",
                  paths.new_data.c_str());
        return staged ? kMoveData : kFinishMigration;
    }
    const time_t now = time(nullptr);
    const char* reason = ReasonToRetry(mark, paths.old_data, paths.new_folder, now);
    if (reason == nullptr) {
        VLOG_NOTE(__LINE__,
                  "the older product's data '%s' has not been moved "
                  "to '%s' yet; nothing changed since the move failed, it is tried again once the "
                  "data or the room changes, or after %s\n",
                  paths.old_data.c_str(), paths.new_data.c_str(), UtcText(RetryAnyway(mark.failed)).c_str());
        return kNoMigration;
    }
    VLOG_NOTE(__LINE__, "the older product's data '%s' has not been moved to '%s' yet, moving it again: %s\n",
              paths.old_data.c_str(), paths.new_data.c_str(), reason);
    return kMoveData;
}

void Service::RemoveAgedFolders()
{
    const ustring larkspan = layout.old_product;
    if (larkspan.empty()) {
        VLOG_ERROR(__LINE__, "user_larkspan_path is not registered, no aged folder removed\n");
        return;
    }
    ustring path = larkspan + "/app";
    VLOG_INFO(__LINE__, "removing aged app folder %s\n", path.c_str());
    FSRemove(path, false);
}
