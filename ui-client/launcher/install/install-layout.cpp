#include "install/install-layout.h"

#include <unistd.h>

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
