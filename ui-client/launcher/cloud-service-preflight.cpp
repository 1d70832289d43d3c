// The pre-flight of an installation: the package is surveyed before the
// client is stopped or any file is moved. Log lines carry the tag of the
// service class, "cloud-service".
#include <QDir>

#include "cloud-service.h"
#include "log.h"
#include "package-preflight.h"
#include "package-room.h"
#include "package-source.h"
#include "service-registry.h"

namespace {

const char kComponent[] = "service_debug";

// A registered path as the package names it: relative to the bundle.
ustring InsideBundle(const ustring& bundle, const ustring& path)
{
    const QDir folder(QString::fromUtf8(bundle.c_str()));
    return ToUstring(folder.relativeFilePath(QString::fromUtf8(path.c_str())));
}

}  // namespace

ustring Service::PackageArchivePath()
{
    return RegistryPath("root_resource_path") + "/package/larkspan.vpk";
}

int Service::PreflightPackage()
{
    PackageCheck check;
    check.archive_path = PackageArchivePath();
    check.client_path = InsideBundle(user_app_path, RegistryPath("user_velmora_drive_ui_path"));
    check.info_path =
        InsideBundle(user_app_path, RegistryPath("user_velmora_drive_resource_path") + "/INFO");
    // The build the decision compared; a launcher INFO without one has
    // nothing to compare.
    check.expected_build = target_version.build_version;
    check.expected_sha256 =
        ReadVersionKey(RegistryPath("root_resource_path") + "/INFO", kPackageSha256Key).c_str();
    check.space_folder = user_app_path;
    package_source = std::make_unique<PackageSource>();
    const PackageSurvey survey = SurveyPackage(check, *package_source);
    if (!survey.problems.empty()) {
        package_entries = 0;
        package_source.reset();
        const std::string more = survey.problems.size() > 1
                                     ? " (and " + std::to_string(survey.problems.size() - 1) + " more)"
                                     : "";
        VLOG(3, kComponent, __LINE__,
             "(%5d:%5d) [ERROR] cloud-service(%d): package '%s' refused before anything is stopped "
             "or moved: %s%s\n",
             check.archive_path.c_str(), survey.problems[0].c_str(), more.c_str());
        return -1;
    }
    package_entries = survey.entries;
    // What the extraction reads must hash as it did for the digest.
    package_source->VerifyReads();
    VLOG(6, kComponent, __LINE__,
         "(%5d:%5d) [INFO] cloud-service(%d): package '%s' checked: %d entries, %s unpacked\n",
         check.archive_path.c_str(), survey.entries, SizeFigure(survey.unpacked_bytes).c_str());
    return 0;
}
