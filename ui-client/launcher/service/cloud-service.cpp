#include "service/cloud-service.h"

#include <QDir>

#include "file-op.h"
#include "log.h"
#include "package/bundle-layout.h"
#include "package/package-source.h"
#include "package/path-round-trip.h"
#include "service/service-registry.h"

#define LOG_TAG "cloud-service"
#define LOG_COMPONENT "service_debug"

Service::Service() : Service(InstallLayoutFromRegistry()) {}

// timeout is read by no step; it starts at 0 so that it is never read
// uninitialised.
Service::Service(const InstallLayout& installation) : timeout(0), layout(installation) {}

Service::~Service() = default;

void Service::SetTimeout(int value)
{
    timeout = value;
}

// A home folder reached through a link (a linked /home or /Users) is taken
// by the path the link leads to: the exact name tests below it refuse a
// link planted under the home folder, and must not take the home folder's
// own link for one. Either spelling of HOME then gives the same paths. A
// home folder that does not exist yet, or whose real path would not
// survive the registry, is taken as spelled.
QString Service::GetUserInstallPath()
{
    const QString home = QDir::cleanPath(QDir::homePath());
    ustring real = ToUstring(home);
    if (FSGetRealPath(real) != 0 || !SurvivesPathRoundTrip(QByteArray(real.c_str()))) {
        return home;
    }
    return QString::fromUtf8(real.c_str());
}

void Service::LoadTargetVersion()
{
    target_info_readable =
        ReadVersionFile(layout.launcher_resources + "/" + kResourceInfo, target_version, &target_package_sha256) == 0;
    VLOG_INFO(__LINE__, "target_version = (%s, %s, %s, %s)\n", target_version.major_version.c_str(),
              target_version.minor_version.c_str(), target_version.build_version.c_str(),
              target_version.icon_overlay_version.c_str());
}

void Service::LoadSourceVersion()
{
    ustring path = layout.resources + "/" + kResourceInfo;
    if (!IsFileExist(path, false)) {
        VLOG_INFO(__LINE__, "source does not exist\n");
        return;
    }
    ReadVersionFile(path, source_version);
    VLOG_INFO(__LINE__, "source_version = (%s, %s, %s, %s)\n", source_version.major_version.c_str(),
              source_version.minor_version.c_str(), source_version.build_version.c_str(),
              source_version.icon_overlay_version.c_str());
}

Service::Decision Service::Decide(bool client_present, int source, int target) const
{
    if (!client_present) {
        return {true, "no complete client was in place"};
    }
    if (target <= source) {
        return {false, "the installed build is as new as the packaged one"};
    }
    if (!target_info_readable) {
        return {false, "the launcher's INFO cannot be read"};
    }
    return {true, "the packaged build is newer"};
}

void Service::NoteProblem(const std::string& what)
{
    if (problem.empty()) {
        problem = what;
    }
}

void Service::RecordNothingInstalled(const std::string& why)
{
    record.result = kRunFailed;
    record.reason = why;
}

void Service::RecordDecision(const char* why, bool install)
{
    record.decided = why;
    record.from_build = source_version.build_version.c_str();
    if (install) {
        record.to_build = target_version.build_version.c_str();
        RecordFailure(kRunFailed);
        return;
    }
    record.to_build = record.from_build;
    // Nothing is installed over an installation that could not be settled,
    // whatever the builds say; its complete bundle may still be started.
    if (IsInstallUnfinished()) {
        RecordNothingInstalled(problem);
    } else {
        record.result = kRunUpToDate;
        record.reason = why;
    }
}

void Service::RecordFailure(const char* result)
{
    record.result = result;
    record.reason = problem.empty() ? "the installation failed" : problem;
}

int Service::RecordInstall(int result)
{
    if (result != 0) {
        RecordFailure(kRunFailed);
    } else {
        record.result = kRunInstalled;
        record.reason = record.decided;
    }
    return result;
}

RunRecord Service::Record() const
{
    RunRecord run = record;
    if (run.client_started) {
        return run;
    }
    if (run.result == kRunInstalled || run.result == kRunUpToDate) {
        run.reason = problem.empty() ? "no client was started" : problem;
    }
    run.result = kRunNoClient;
    return run;
}
