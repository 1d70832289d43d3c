#include "install-layout.h"

#include <unistd.h>

#include "service-registry.h"

InstallLayout InstallLayout::FromRegistry()
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

bool InstallLayout::HoldsClient() const
{
    return !client.empty() && access(client.c_str(), F_OK) == 0;
}

ustring InstallLayout::LastRun() const
{
    return drive.empty() ? ustring() : drive + "/last-run";
}
