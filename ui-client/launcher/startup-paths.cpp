#include "startup-paths.h"

#include <QCoreApplication>
#include <QDir>

#include "cloud-service.h"
#include "service-registry.h"
#include "uipathmanager.h"

void RegisterPaths()
{
    const QString user = Service::GetUserInstallPath();
    const QString bundle = QCoreApplication::applicationDirPath();
    const QString drive = user + "/.VelmoraDrive";
    const QString app = drive + "/VelmoraDrive.app";
    const struct {
        const char *key;
        QString value;
    } rows[] = {
        {"user_velmora_drive_path", drive},
        {"user_velmora_drive_app_path", app},
        {"user_velmora_drive_resource_path", app + "/Contents/Resources"},
        {"user_velmora_drive_data_path", drive + "/data"},
        {"user_velmora_drive_working_dir_path", app + "/Contents/MacOS"},
        {"user_velmora_drive_ui_path", app + "/" + kBundleClientExecutable},
        {"user_larkspan_path", user + "/.Larkspan"},
        {"user_larkspan_resource_path", user + "/.Larkspan/Larkspan.app/Contents/Resources"},
        {"root_resource_path", bundle + "/../Resources"},
    };
    UIPathManager *registry = UIPathManager::getInstance();
    for (const auto &row : rows)
        registry->setPath(row.key, QDir::cleanPath(row.value));
}

std::string PathOf(const char *key)
{
    return RegistryPath(key).c_str();
}

std::string LogFolderPath()
{
    return PathOf("user_velmora_drive_path") + "/log";
}

std::string LogFilePath()
{
    return LogFolderPath() + "/launcher.log";
}

std::string LevelFilePath()
{
    return PathOf("root_resource_path") + "/" + kResourceLevelFile;
}
