// The pre-flight of an installation: the package is surveyed before the
// client is stopped or any file is moved. Log lines carry the tag of the
// service class, "cloud-service".
#include <QDir>

#include "log.h"
#include "package/bundle-layout.h"
#include "package/package-preflight.h"
#include "package/package-room.h"
#include "package/package-source.h"
#include "service/cloud-service.h"
#include "service/service-registry.h"

#define LOG_TAG "cloud-service"
#define LOG_COMPONENT "service_debug"

namespace {

// A registered path as the package names it: relative to the bundle.
ustring InsideBundle(const ustring& bundle, const ustring& path)
{
    const QDir folder(QString::fromUtf8(bundle.c_str()));
    return ToUstring(folder.relativeFilePath(QString::fromUtf8(path.c_str())));
}

// The first problem, and how many follow.
std::string FirstProblem(const std::vector<std::string>& problems)
{
    const std::string more = problems.size() > 1 ? " (and " + std::to_string(problems.size() - 1) + " more)" : "";
    return problems[0] + more;
}

// One line for an operator: the builds at stake and the first problem.
void LogRefusal(const PackageCheck& check, const std::string& installed, const std::string& problem)
{
    VLOG_ERROR(__LINE__,
               "package '%s' (build %d; installed build %s) refused before anything is stopped or moved: %s\n",
               check.archive_path.c_str(), BuildNumber(check.expected_build), installed.c_str(), problem.c_str());
}

}  // namespace

ustring Service::PackageArchivePath() const
{
    return layout.launcher_resources + "/" + kResourcePackage;
}

// The fields of a check that the service's state decides.
PackageCheck Service::PackageCheckFor(bool complete_client)
{
    PackageCheck check;
    check.archive_path = PackageArchivePath();
    check.client_path = InsideBundle(user_app_path, layout.client);
    check.info_path = InsideBundle(user_app_path, layout.resources + "/" + kResourceInfo);
    // The build the decision compared; a launcher INFO without one has
    // nothing to compare.
    check.expected_build = target_version.build_version;
    check.build_must_match = complete_client;
    check.expected_sha256 = target_package_sha256.c_str();
    check.space_folder = user_app_path;
    check.info_copy_folder = layout.drive;
    // A first installation moves the older product's data first.
    if (!complete_client) {
        check.moved_data = DataToMigrate();
    }
    return check;
}

int Service::PreflightPackage()
{
    const bool complete_client = layout.HoldsClient();
    const PackageCheck check = PackageCheckFor(complete_client);
    if (!target_info_readable) {
        VLOG_WARNING(__LINE__,
                     "the launcher's INFO cannot be read; with no "
                     "complete client in place the package is installed without a build or digest to "
                     "check it against\n");
    }
    package_source = std::make_unique<PackageSource>();
    const PackageSurvey survey = SurveyPackage(check, *package_source);
    const size_t problems = survey.problems.size();
    // Without a digest, a package that only cannot be read goes the
    // ordinary way: its extraction fails and the old bundle is put back.
    const bool only_unreadable =
        problems > 0 && survey.unreadable == static_cast<int>(problems) && check.expected_sha256.empty();
    package_entries = survey.entries;
    if (problems > 0 && !only_unreadable) {
        package_entries = 0;
        package_source.reset();
        const std::string installed =
            complete_client ? std::to_string(BuildNumber(source_version.build_version)) : "none";
        const std::string problem = FirstProblem(survey.problems);
        LogRefusal(check, installed, problem);
        NoteProblem(problem);
        RecordFailure(kRunRefused);
        return -1;
    }
    for (const std::string& warning : survey.warnings) {
        VLOG_WARNING(__LINE__,
                     "package '%s' is installed although %s: no "
                     "complete client is in place, and a client is better than none\n",
                     check.archive_path.c_str(), warning.c_str());
    }
    if (only_unreadable) {
        VLOG_WARNING(__LINE__,
                     "package '%s' cannot be read whole (%s); its "
                     "extraction is tried as it is\n",
                     check.archive_path.c_str(), survey.problems[0].c_str());
        if (!package_source->IsOpen()) {
            package_source.reset();
        }
        return 0;
    }
    VLOG_INFO(__LINE__, "package '%s' checked: %d entries, %s unpacked\n", check.archive_path.c_str(), survey.entries,
              SizeFigure(survey.unpacked_bytes).c_str());
    // What the extraction reads must hash as it did for the digest.
    package_source->VerifyReads();
    return 0;
}
