#include "service/service-registry.h"

#include <QByteArray>
#include <QDir>

#include "uipathmanager.h"

ustring ToUstring(const QString& text)
{
    QByteArray utf8 = text.toUtf8();
    return ustring(std::string(utf8.constData(), static_cast<size_t>(utf8.size())));
}

QString ToQString(const ustring& path)
{
    return QDir::toNativeSeparators(QString::fromUtf8(path.c_str()));
}

ustring RegistryPath(RegistryKey key)
{
    return ToUstring(UIPathManager::getInstance()->getPath(QString::fromLatin1(key.name)));
}

QString NativeRegistryPath(RegistryKey key)
{
    return QDir::toNativeSeparators(UIPathManager::getInstance()->getPath(QString::fromLatin1(key.name)));
}

InstallLayout InstallLayoutFromRegistry()
{
    InstallLayout layout;
    layout.drive = RegistryPath(kUserDrivePath);
    layout.bundle = RegistryPath(kUserAppPath);
    layout.resources = RegistryPath(kUserResourcePath);
    layout.client = RegistryPath(kUserUiPath);
    layout.working_dir = RegistryPath(kUserWorkingDirPath);
    layout.old_product = RegistryPath(kOldProductPath);
    layout.launcher_resources = RegistryPath(kRootResourcePath);
    return layout;
}
