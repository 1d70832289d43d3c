#include "startup/startup-paths.h"

#include <QCoreApplication>
#include <QDir>

#include "service/cloud-service.h"
#include "service/service-registry.h"
#include "uipathmanager.h"

void RegisterPaths()
{
    const QString user = Service::GetUserInstallPath();
    const QString bundle = QCoreApplication::applicationDirPath();
    const QString drive = user + "/.VelmoraDrive";
    const QString app = drive + "/VelmoraDrive.app";
    const struct {
        RegistryKey key;
        QString value;
    } rows[] = {
        {kUserDrivePath, drive},
        {kUserAppPath, app},
        {kUserResourcePath, app + "/" + kBundleResources},
        {kUserDataPath, drive + "/data"},
        {kUserWorkingDirPath, app + "/Contents/MacOS"},
        {kUserUiPath, app + "/" + kBundleClientExecutable},
        {kOldProductPath, user + "/.Larkspan"},
        {kOldResourcePath, user + "/.Larkspan/Larkspan.app/Contents/Resources"},
        {kRootResourcePath, bundle + "/../Resources"},
    };
    UIPathManager* registry = UIPathManager::getInstance();
    for (const auto& row : rows)
        registry->setPath(row.key.name, QDir::cleanPath(row.value));
}

std::string PathOf(RegistryKey key)
{
    return RegistryPath(key).c_str();
}

std::string LogFolderPath()
{
    return PathOf(kUserDrivePath) + "/log";
}

std::string LogFilePath()
{
    return LogFolderPath() + "/launcher.log";
}

std::string LevelFilePath()
{
    return PathOf(kRootResourcePath) + "/" + kResourceLevelFile;
}
