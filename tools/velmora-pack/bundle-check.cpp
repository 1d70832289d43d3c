#include "bundle-check.h"

#include <sys/stat.h>
#include <unistd.h>

#include "bundle-info.h"
#include "entry-checks.h"
#include "launcher-check.h"
#include "package-reader.h"
#include "package/bundle-layout.h"
#include "package/package-source.h"

std::string LauncherProblem(const std::string& path, const std::string& shown)
{
    struct stat st;
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return "no launcher at '" + shown + "'";
    if ((st.st_mode & S_IXUSR) == 0)
        return "the launcher '" + shown + "' is not executable";
    return std::string();
}

PackageSurvey CheckPackage(const std::string& package, const ustring& expected_build,
                           const std::string& expected_sha256, Problems& problems, PackageSource* source)
{
    PackageCheck check;
    check.archive_path = package;
    check.client_path = kBundleClientExecutable;
    check.info_path = kBundleInfo;
    check.expected_build = expected_build;
    check.expected_sha256 = expected_sha256;
    const PackageSurvey survey = source ? SurveyPackage(check, *source) : SurveyPackage(check);
    problems.insert(problems.end(), survey.problems.begin(), survey.problems.end());
    if (survey.info_present && !survey.info_build.empty()) {
        VerInfo inner;
        inner.build_version = survey.info_build;
        CheckBuild(inner, std::string("the package's INFO '") + kBundleInfo + "'", problems);
    }
    return survey;
}

BundleCheck CheckLauncherBundle(const std::string& bundle)
{
    BundleCheck result;
    const std::string launcher = LauncherProblem(bundle + "/" + kBundleLauncherExecutable, kBundleLauncherExecutable);
    if (!launcher.empty())
        result.problems.push_back(launcher);
    const std::string info = bundle + "/" + kBundleInfo;
    if (access(info.c_str(), F_OK) != 0) {
        result.problems.push_back(std::string("no launcher bundle INFO at '") + kBundleInfo + "'");
    } else {
        ReadVersionFile(info, result.version);
        CheckBuild(result.version, "the launcher bundle's INFO", result.problems);
    }
    if (launcher.empty())
        CheckLauncherAnswers(bundle + "/" + kBundleLauncherExecutable, kBundleLauncherExecutable,
                             result.version.build_version, result.problems);
    const std::string package = bundle + "/" + kBundlePackage;
    if (access(package.c_str(), F_OK) != 0) {
        result.problems.push_back(std::string("no package at '") + kBundlePackage + "'");
        return result;
    }
    const std::string digest = access(info.c_str(), F_OK) == 0 ? ReadVersionKey(info, kPackageSha256Key).c_str() : "";
    // One descriptor for the survey and the entries: what is read is what
    // was checked, and a pipe in the package's place is never opened.
    PackageSource source;
    result.survey = CheckPackage(package, result.version.build_version, digest, result.problems, &source);
    if (source.IsOpen()) {
        source.VerifyReads();
        CheckEntries(ReadPackageEntries(source, result.problems), result.problems);
    }
    return result;
}
