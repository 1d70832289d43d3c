// The mark of a move of the older product's data that began and has not
// finished, "data_migrating" in the per-user folder, key=value lines
// replaced as a whole (FSWriteFileAtomic):
//
//   state=copying   the old data is whole where it was; a copy of it may be
//                   on its way ("state=arrived" not yet written)
//   state=arrived   the data is whole at the new place, or at its staging
//                   name beside it; the old data may be partly removed
//   failed=<time>   the last move failed then (seconds since the epoch),
//   room=<bytes>    with that much room free on the new folder's volume
//   tree=<shape>    and the old data of that shape (TreeShape::Text)
//
// An empty mark (earlier launchers) reads as "state=copying". What the
// migration does with each state is tabled in install-state.h.
#ifndef VELMORA_LAUNCHER_CLOUD_SERVICE_MIGRATE_MARK_H
#define VELMORA_LAUNCHER_CLOUD_SERVICE_MIGRATE_MARK_H

#include <ctime>
#include <string>

#include "ustring.h"

// What a change of the old data shows in: its entries, their bytes and the
// latest change of any of them (a write, a chmod, a rename inside).
struct TreeShape {
    long long entries = 0;
    long long bytes = 0;
    long long changed = 0;

    std::string Text() const;
};

struct MigrationMark {
    bool arrived = false;
    time_t failed = 0;  // 0: no failed move recorded
    long long room = 0;
    std::string tree;
};

// False when there is no mark; a mark that does not parse reads as
// "state=copying".
bool ReadMigrationMark(const ustring& path, MigrationMark& mark);

// 0, or -1 after a WARNING line.
int WriteMigrationMark(const ustring& path, const MigrationMark& mark);

// The shape of the tree at folder, without following links.
TreeShape ShapeOf(const ustring& folder);

// Bytes free to us on the volume of folder; 0 when unknown.
long long FreeRoom(const ustring& folder);

// A failed move is tried again only when it may now succeed: why it may
// (the reason for the log), or nullptr to wait for a change.
const char* ReasonToRetry(const MigrationMark& mark, const ustring& old_data, const ustring& new_folder, time_t now);

// When a move that failed at failed is tried again even without a change.
time_t RetryAnyway(time_t failed);

// A time as UTC in ISO 8601, e.g. "2024-03-01T09:15:02Z".
std::string UtcText(time_t when);

#endif  // VELMORA_LAUNCHER_CLOUD_SERVICE_MIGRATE_MARK_H
