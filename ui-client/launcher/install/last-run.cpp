#include "install/last-run.h"

#include <sys/stat.h>

#include <algorithm>
#include <ctime>

#include "file-op.h"
#include "install/cloud-service-migrate-mark.h"
#include "install/install-layout.h"

const char kRunInstalled[] = "installed";
const char kRunUpToDate[] = "up-to-date";
const char kRunRefused[] = "refused";
const char kRunFailed[] = "failed";
const char kRunNoClient[] = "no-client";

namespace {

// Far more than five lines with a path or two in the reason need.
const size_t kMaxRecordSize = 64 * 1024;

struct Field {
    const char* key;
    std::string LastRun::*value;
};

const Field kFields[] = {
    {"time", &LastRun::time},         {"result", &LastRun::result}, {"from_build", &LastRun::from_build},
    {"to_build", &LastRun::to_build}, {"reason", &LastRun::reason},
};

std::string OneLine(std::string text)
{
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}

bool IsFolder(const ustring& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

int WriteLastRun(const ustring& path, LastRun record)
{
    if (path.empty() || !IsFolder(FSParentPath(path))) {
        return -1;
    }
    record.time = UtcText(time(nullptr));
    std::string text;
    for (const Field& field : kFields) {
        text += std::string(field.key) + "=" + OneLine(record.*field.value) + "\n";
    }
    return FSWriteFileAtomic(path, text);
}

bool ReadLastRun(const ustring& path, LastRun& record)
{
    record = LastRun();
    std::string text;
    if (path.empty() || FSReadSmallFile(path, kMaxRecordSize, text) != 0) {
        return false;
    }
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end;
        const std::string line = text.substr(start, end - start);
        const size_t equals = line.find('=');
        for (const Field& field : kFields) {
            if (equals != std::string::npos && line.compare(0, equals, field.key) == 0) {
                record.*field.value = line.substr(equals + 1);
            }
        }
        start = end + 1;
    }
    return !record.result.empty();
}
