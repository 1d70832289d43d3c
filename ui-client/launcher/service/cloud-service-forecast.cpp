// What a start would do, for the launcher's status: the same reading of the
// per-user folder (install-state.h) and the same decision as a start, with
// nothing settled, stopped or moved.
#include "service/cloud-service.h"

Service::StartForecast Service::ForecastStart()
{
    LoadTargetVersion();
    StartForecast forecast;
    const ustring app = user_app_path;
    if (!app.empty()) {
        const InstallFound found = ClassifyInstall(app);
        forecast.state = found.state;
        forecast.backup = found.backup == kNoBackup ? ustring() : GetAppBackupDir(app, found.backup);
        const ustring settled = SettledBundle(app, found);
        if (!settled.empty()) {
            forecast.installed = VersionOf(settled);
            forecast.client_present = HoldsClientExecutable(settled);
        }
    }
    forecast.would_install = Decide(forecast.client_present, BuildNumber(forecast.installed.build_version),
                                    BuildNumber(target_version.build_version))
                                 .install;
    // A start goes on with a data move only beside a complete client.
    forecast.migration = forecast.client_present ? PendingMigration() : kNoMigration;
    return forecast;
}
