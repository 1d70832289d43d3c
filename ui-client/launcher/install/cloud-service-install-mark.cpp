// The marker of an unsettled installation, replaced as a whole and read
// through the regular-file opener (FSWriteFileAtomic, FSReadSmallFile). Log
// lines carry the tag of the service class, "cloud-service".
#include "install/cloud-service-install-mark.h"

#include <cerrno>
#include <cstring>
#include <string>

#include "file-op.h"
#include "log.h"

#define LOG_TAG "cloud-service"
#define LOG_COMPONENT "service_debug"

namespace {

const char kKey[] = "backup=";
// Far more than "backup=" and a backup's base name need.
const size_t kMaxMarkSize = 4096;

}  // namespace

ustring InstallMarkPath(const ustring& app)
{
    return app + "_installing";
}

int WriteInstallMark(const ustring& app, const ustring& backup)
{
    const ustring mark = InstallMarkPath(app);
    std::string text = std::string(kKey) + (backup.empty() ? "" : FSBaseName(backup).c_str()) + "\n";
    if (FSWriteFileAtomic(mark, text) != 0) {
        VLOG_ERROR(__LINE__, "cannot write the installation marker '%s': %s\n", mark.c_str(), strerror(errno));
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
    // A named pipe at its name must not hang the run that holds the lock.
    std::string text;
    const size_t key = strlen(kKey);
    if (FSReadSmallFile(mark, kMaxMarkSize, text) != 0 || text.compare(0, key, kKey) != 0) {
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
    if (FSRemoveFileAtomic(mark) != 0) {
        VLOG_ERROR(__LINE__, "cannot remove the installation marker '%s': %s\n", mark.c_str(), strerror(errno));
        return -1;
    }
    return 0;
}
