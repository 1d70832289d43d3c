#include "version-probe.h"

const VerInfo& VersionProbe::Packaged()
{
    if (!packaged_loaded)
        LoadTargetVersion();
    packaged_loaded = true;
    return target_version;
}

const VerInfo& VersionProbe::Installed()
{
    if (!installed_loaded)
        LoadSourceVersion();
    installed_loaded = true;
    return source_version;
}

bool VersionProbe::WouldInstall()
{
    Packaged();
    Installed();
    return IsNeedUpgrade();
}
