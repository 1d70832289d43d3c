// The mark of an unfinished data move, and the rule for trying a failed
// move again. Log lines carry the tag of the service class, "cloud-service".
#include "install/cloud-service-migrate-mark.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "config.h"
#include "file-op.h"
#include "log.h"

#define LOG_TAG "cloud-service"
#define LOG_COMPONENT "service_debug"

namespace {

// Without a change a failed move would fail again, and each try stops the
// client for it; once a day it is tried all the same, in case the cause
// was one that leaves no trace here (a volume that answered badly).
const time_t kRetryDelay = 24 * 60 * 60;

long long NumberOf(Config& config, const char* key)
{
    return strtoll(config.entries[key].c_str(), nullptr, 10);
}

void AddShape(const ustring& path, TreeShape& shape)
{
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) {
        return;
    }
    ++shape.entries;
    shape.bytes += S_ISREG(st.st_mode) ? static_cast<long long>(st.st_size) : 0;
    shape.changed = std::max<long long>(shape.changed, st.st_ctime);
    DIR_HANDLE handle;
    if (!S_ISDIR(st.st_mode) || FSOpenDir(path, 0, handle) != 0) {
        return;
    }
    DIR_ENTRY entry;
    while (FSReadDir(handle, entry) > 0) {
        if (entry.name != ustring(".") && entry.name != ustring("..")) {
            AddShape(path + "/" + entry.name, shape);
        }
    }
    FSCloseDir(handle);
}

}  // namespace

std::string TreeShape::Text() const
{
    return std::to_string(entries) + ":" + std::to_string(bytes) + ":" + std::to_string(changed);
}

bool ReadMigrationMark(const ustring& path, MigrationMark& mark)
{
    mark = MigrationMark();
    if (!IsFileExist(path, false)) {
        return false;
    }
    Config config;
    if (config.read(path.c_str()) == 0) {
        mark.arrived = config.entries["state"] == "arrived";
        mark.failed = static_cast<time_t>(NumberOf(config, "failed"));
        mark.room = NumberOf(config, "room");
        mark.tree = config.entries["tree"];
    }
    return true;
}

int WriteMigrationMark(const ustring& path, const MigrationMark& mark)
{
    std::string text = mark.arrived ? "state=arrived\n" : "state=copying\n";
    if (mark.failed != 0) {
        text += "failed=" + std::to_string(static_cast<long long>(mark.failed)) +
                "\nroom=" + std::to_string(mark.room) + "\ntree=" + mark.tree + "\n";
    }
    if (FSWriteFileAtomic(path, text) == 0) {
        return 0;
    }
    VLOG_WARNING(__LINE__, "cannot write '%s': %s\n", path.c_str(), strerror(errno));
    return -1;
}

TreeShape ShapeOf(const ustring& folder)
{
    TreeShape shape;
    AddShape(folder, shape);
    return shape;
}

long long FreeRoom(const ustring& folder)
{
    struct statvfs volume;
    if (statvfs(folder.c_str(), &volume) != 0) {
        return 0;
    }
    return static_cast<long long>(volume.f_bavail) * static_cast<long long>(volume.f_frsize);
}

const char* ReasonToRetry(const MigrationMark& mark, const ustring& old_data, const ustring& new_folder, time_t now)
{
    if (mark.failed == 0) {
        return "the last move was cut short";
    }
    // A clock set back as far counts too, or the move would wait for it.
    if (now >= RetryAnyway(mark.failed) || now <= mark.failed - kRetryDelay) {
        return "a day has passed since it failed";
    }
    const TreeShape shape = ShapeOf(old_data);
    if (shape.Text() != mark.tree) {
        return "the data changed since it failed";
    }
    const long long room = FreeRoom(new_folder);
    if (room > mark.room && room >= shape.bytes) {
        return "there is more room for it now";
    }
    return nullptr;
}

time_t RetryAnyway(time_t failed)
{
    return failed + kRetryDelay;
}

std::string UtcText(time_t when)
{
    struct tm utc;
    char text[32] = "";
    if (gmtime_r(&when, &utc) != nullptr) {
        strftime(text, sizeof(text), "%Y-%m-%dT%H:%M:%SZ", &utc);
    }
    return text;
}
