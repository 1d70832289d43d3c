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

namespace {

// An empty folder would make the name relative to the working folder.
ustring Inside(const ustring& folder, const char* name)
{
    return folder.empty() ? ustring() : folder + "/" + name;
}

}  // namespace

ustring InstallLayout::LastRun() const
{
    return Inside(drive, "last-run");
}

ustring InstallLayout::Data() const
{
    return Inside(drive, "data");
}

ustring InstallLayout::OldData() const
{
    return Inside(old_product, "data");
}

ustring InstallLayout::StagedData() const
{
    return Inside(drive, "data_migrated");
}

ustring InstallLayout::MigrationMark() const
{
    return Inside(drive, "data_migrating");
}
