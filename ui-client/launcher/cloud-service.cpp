#include "cloud-service.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QVariant>

#include "file-op.h"
#include "log.h"
#include "regular_file.h"
#include "service-registry.h"

namespace {

const char kComponent[] = "service_debug";

// Reads the keys of group "Version" that the file holds; a missing key
// leaves its field as it was, a missing file reads as one without keys.
void ReadVersionFile(const ustring& path, VerInfo& info)
{
    QSettings settings(QString::fromUtf8(path.c_str()), QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Version"));
    struct Field {
        const char* key;
        ustring* value;
    } fields[] = {
        {"major_version", &info.major_version},
        {"minor_version", &info.minor_version},
        {"build_version", &info.build_version},
        {"icon_overlay_version", &info.icon_overlay_version},
    };
    for (const Field& field : fields) {
        QString key = QString::fromLatin1(field.key);
        if (settings.contains(key)) {
            *field.value = ToUstring(settings.value(key, QVariant()).toString());
        }
    }
}

ustring AppFolderPath(const char* suffix)
{
    return ToUstring(QCoreApplication::applicationDirPath() + QString::fromLatin1(suffix));
}

// QSettings opens the file by name and would wait forever on a named pipe
// for a writer: only a regular file is handed to it, anything else reads as
// a file without keys. Whoever could swap it for a pipe in between owns the
// file and could stop the launcher anyway.
void ReadRegularVersionFile(const ustring& path, VerInfo& info)
{
    if (IsRegularFile(path.c_str())) {
        ReadVersionFile(path, info);
    }
}

}  // namespace

PackageInfo::PackageInfo()
    : images_path(AppFolderPath("/images")),
      log_path(ToUstring(QDir::homePath() + QStringLiteral("/.VelmoraDrive_log"))),
      debug_flag_path(AppFolderPath("/log/launcher.debug")),
      package_path(AppFolderPath("/package/larkspan.vpk")),
      conf_path(AppFolderPath("/conf"))
{
}

// timeout is read by no step; it starts at 0 so that it is never read
// uninitialised.
Service::Service() : timeout(0) {}

Service::~Service() = default;

void Service::SetTimeout(int value) { timeout = value; }

QString Service::GetUserInstallPath() { return QDir::homePath(); }

void Service::LoadTargetVersion()
{
    ReadRegularVersionFile(RegistryPath("root_resource_path") + "/INFO", target_version);
    VLOG(6, kComponent, __LINE__,
         "(%5d:%5d) [INFO] cloud-service(%d): target_version = (%s, %s, %s, %s)\n",
         target_version.major_version.c_str(), target_version.minor_version.c_str(),
         target_version.build_version.c_str(), target_version.icon_overlay_version.c_str());
}

void Service::LoadSourceVersion()
{
    ustring path = RegistryPath("user_velmora_drive_resource_path") + "/INFO";
    if (!IsFileExist(path, false)) {
        VLOG(6, kComponent, __LINE__, "(%5d:%5d) [INFO] cloud-service(%d): source does not exist\n");
        return;
    }
    ReadRegularVersionFile(path, source_version);
    VLOG(6, kComponent, __LINE__,
         "(%5d:%5d) [INFO] cloud-service(%d): source_version = (%s, %s, %s, %s)\n",
         source_version.major_version.c_str(), source_version.minor_version.c_str(),
         source_version.build_version.c_str(), source_version.icon_overlay_version.c_str());
}
