#include "service/mac/mac-service.h"

#include <unistd.h>

#include "file-op.h"
#include "log.h"
#include "service/mac/client-process.h"
#include "service/service-registry.h"

#define LOG_TAG "mac/mac-service"
#define LOG_COMPONENT "service_debug"

MacService::MacService(ClientProcess& process) : MacService(process, InstallLayoutFromRegistry()) {}

MacService::MacService(ClientProcess& process, const InstallLayout& installation)
    : Service(installation), client_process(process)
{
    timeout = 10000;
    user_app_path = layout.bundle;
}

MacService::~MacService() = default;

MacService* MacService::GetInstace()
{
    static MacService instance(ClientProcess::System());
    return &instance;
}

void MacService::LoadSourceVerInfo()
{
    Service::LoadSourceVersion();
}

void MacService::LoadTargetVerInfo()
{
    Service::LoadTargetVersion();
}

void MacService::PreUpgrade()
{
    SettleUnfinishedInstall();
    LoadTargetVersion();
    LoadSourceVersion();
    VLOG_DEBUG(__LINE__, "Source version: ('%s', '%s')\n", source_version.build_version.c_str(),
               source_version.icon_overlay_version.c_str());
    VLOG_DEBUG(__LINE__, "Target version: ('%s', '%s')\n", target_version.build_version.c_str(),
               target_version.icon_overlay_version.c_str());
    RetryPendingMigration();
}

// A first install whose data move stopped (no room on the new volume) left
// the older product's data where it was; later runs try again once the move
// may succeed, so the data arrives as soon as there is room. The client then
// runs without its data, so it is stopped for the move; PostUpgrade starts
// it again. What is left of the older product goes without the new client
// being stopped.
void MacService::RetryPendingMigration()
{
    if (!PerUserBinPathExist()) {
        return;
    }
    const MigrationStep step = PendingMigration();
    if (step == kNoMigration) {
        return;
    }
    if (step == kMoveData) {
        StopService();
    }
    StopServiceByPath(ToQString(layout.old_product));
    MigrateService();
}

bool MacService::IsNeedUpgrade()
{
    int source = BuildNumber(source_version.build_version);
    int target = BuildNumber(target_version.build_version);
    VLOG_DEBUG(__LINE__, "source version = %d, target version = %d\n", source, target);
    const Decision decision = Decide(PerUserBinPathExist(), source, target);
    // An installation that could not be settled is not built upon.
    const bool install = decision.install && !IsInstallUnfinished();
    RecordDecision(decision.why, install);
    return install;
}

int MacService::HandlePackageUpgrade()
{
    // A package that cannot be installed stops no client and moves nothing;
    // the run goes on as after a failed installation.
    if (PreflightPackage() != 0) {
        return -1;
    }
    if (PerUserBinPathExist()) {
        VLOG_DEBUG(__LINE__, "local appdata exist\n");
        StopService();
    } else {
        const ustring& larkspan = layout.old_product;
        if (!larkspan.empty() && IsFileExist(larkspan, true)) {
            StopServiceByPath(ToQString(larkspan));
            MigrateService();
        }
    }
    return RecordInstall(PrepareUserEnv());
}

void MacService::PostUpgrade()
{
    // A bundle that may be partial is never started.
    if (MayBundleBePartial()) {
        NoteProblem("an installation did not finish and could not be settled");
        return;
    }
    if (LaunchPerUserBin() != 0) {
        VLOG_ERROR(__LINE__, "Failed to launch Larkspan UI\n");
        NoteProblem("the client could not be started");
        return;
    }
    RecordClientStarted();
}

bool MacService::PerUserBinPathExist()
{
    return layout.HoldsClient();
}
