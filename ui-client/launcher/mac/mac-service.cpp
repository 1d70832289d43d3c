#include "mac-service.h"

#include <unistd.h>

#include <cstdlib>

#include "file-op.h"
#include "log.h"
#include "service-registry.h"

namespace {

const char kComponent[] = "service_debug";

// Build numbers are read with atoi's rules; an empty text is build 0.
int BuildNumber(const VerInfo& version)
{
    return version.build_version.empty() ? 0 : atoi(version.build_version.c_str());
}

}  // namespace

MacService::MacService()
{
    timeout = 10000;
    user_app_path = RegistryPath("user_velmora_drive_app_path");
}

MacService::~MacService() = default;

MacService* MacService::GetInstace()
{
    static MacService instance;
    return &instance;
}

void MacService::LoadSourceVerInfo() { Service::LoadSourceVersion(); }

void MacService::LoadTargetVerInfo() { Service::LoadTargetVersion(); }

void MacService::PreUpgrade()
{
    SettleUnfinishedInstall();
    LoadTargetVersion();
    LoadSourceVersion();
    VLOG(7, kComponent, __LINE__, "(%5d:%5d) [DEBUG] mac/mac-service(%d): Source version: ('%s', '%s')\n",
         source_version.build_version.c_str(), source_version.icon_overlay_version.c_str());
    VLOG(7, kComponent, __LINE__, "(%5d:%5d) [DEBUG] mac/mac-service(%d): Target version: ('%s', '%s')\n",
         target_version.build_version.c_str(), target_version.icon_overlay_version.c_str());
}

bool MacService::IsNeedUpgrade()
{
    int source = BuildNumber(source_version);
    int target = BuildNumber(target_version);
    VLOG(7, kComponent, __LINE__,
         "(%5d:%5d) [DEBUG] mac/mac-service(%d): source version = %d, target version = %d\n",
         source, target);
    bool newer = target > source;
    bool present = PerUserBinPathExist();
    // An installation that could not be settled is not built upon.
    return (!present || newer) && !IsInstallUnfinished();
}

int MacService::HandlePackageUpgrade()
{
    if (PerUserBinPathExist()) {
        VLOG(7, kComponent, __LINE__, "(%5d:%5d) [DEBUG] mac/mac-service(%d): local appdata exist\n");
        StopService();
    } else {
        QString larkspan = NativeRegistryPath("user_larkspan_path");
        if (!larkspan.isEmpty() && IsFileExist(ToUstring(larkspan), true)) {
            StopServiceByPath(larkspan);
            MigrateService();
        }
    }
    return PrepareUserEnv();
}

void MacService::PostUpgrade()
{
    // The bundle in place may be partial while the marker stands.
    if (IsInstallUnfinished()) {
        return;
    }
    if (LaunchPerUserBin() < 0) {
        VLOG(3, kComponent, __LINE__, "(%5d:%5d) [ERROR] mac/mac-service(%d): Failed to launch Larkspan UI\n");
    }
}

bool MacService::PerUserBinPathExist()
{
    return ClientExecutableExists();
}
