#include "startup/launcher-status.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <string>

#include "install/last-run.h"
#include "service/service-registry.h"
#include "startup/startup-paths.h"
#include "startup/version-probe.h"

namespace {

const char* OrNone(const std::string& text)
{
    return text.empty() ? "none" : text.c_str();
}

// What settling does with an unfinished installation, as the start's own
// WARNING line will say it.
std::string SettlingText(const Service::StartForecast& forecast)
{
    const std::string build = OrNone(forecast.installed.build_version.c_str());
    if (forecast.state == InstallState::kBackupGone)
        return "keeps build " + build + " in place";
    if (forecast.state == InstallState::kNoCompleteBundle)
        return "removes what an installation without a complete bundle left";
    return "puts back build " + build + " from '" + forecast.backup.c_str() + "'";
}

const char* MigrationText(Service::MigrationStep step)
{
    if (step == Service::kMoveData)
        return "yes (a start stops the client and moves the older product's data)";
    return step == Service::kFinishMigration ? "yes (a start removes what is left of the older product)" : "no";
}

void PrintPaths()
{
    const struct {
        const char* label;
        RegistryKey key;
    } rows[] = {
        {"per-user folder:    ", kUserDrivePath},  {"client bundle:      ", kUserAppPath},
        {"client executable:  ", kUserUiPath},     {"data folder:        ", kUserDataPath},
        {"older product:      ", kOldProductPath}, {"launcher resources: ", kRootResourcePath},
    };
    for (const auto& row : rows)
        printf("%s %s\n", row.label, PathOf(row.key).c_str());
    printf("log file:            %s\n", LogFilePath().c_str());
    printf("level file:          %s\n", LevelFilePath().c_str());
}

void PrintLastRun()
{
    LastRun last;
    if (!ReadLastRun(InstallLayoutFromRegistry().LastRun(), last)) {
        printf("last run:             none\n");
        return;
    }
    printf("last run:             %s, %s\n", last.result.c_str(), last.time.c_str());
    printf("last run builds:      %s -> %s\n", OrNone(last.from_build), OrNone(last.to_build));
    printf("last run reason:      %s\n", last.reason.c_str());
}

QJsonValue Build(const ustring& build)
{
    return build.empty() ? QJsonValue() : QJsonValue(BuildNumber(build));
}

QJsonValue Text(const std::string& text)
{
    return QJsonValue(QString::fromStdString(text));
}

QJsonValue LastRunJson()
{
    LastRun last;
    if (!ReadLastRun(InstallLayoutFromRegistry().LastRun(), last))
        return QJsonValue();
    QJsonObject record;
    record["time"] = Text(last.time);
    record["result"] = Text(last.result);
    record["from_build"] = Text(last.from_build);
    record["to_build"] = Text(last.to_build);
    record["reason"] = Text(last.reason);
    return record;
}

}  // namespace

void PrintStatus(VersionProbe& probe)
{
    const Service::StartForecast& forecast = probe.Forecast();
    const bool unfinished = forecast.state != InstallState::kSettled;
    printf("packaged build:      %s\n", OrNone(probe.Packaged().build_version.c_str()));
    printf("installed build:     %s\n", OrNone(forecast.installed.build_version.c_str()));
    PrintPaths();
    printf("unfinished install:   %s\n", unfinished ? "yes (a start settles it first)" : "no");
    if (unfinished)
        printf("settling:             %s\n", SettlingText(forecast).c_str());
    printf("start would install:  %s\n", forecast.would_install ? "yes" : "no");
    printf("pending data move:    %s\n", MigrationText(forecast.migration));
    PrintLastRun();
}

void PrintStatusJson(VersionProbe& probe)
{
    const Service::StartForecast& forecast = probe.Forecast();
    QJsonObject status;
    status["packaged_build"] = Build(probe.Packaged().build_version);
    status["installed_build"] = Build(forecast.installed.build_version);
    status["would_install"] = forecast.would_install;
    status["unfinished_install"] = forecast.state != InstallState::kSettled;
    status["last_run"] = LastRunJson();
    printf("%s\n", QJsonDocument(status).toJson(QJsonDocument::Compact).constData());
}
