#include "bundle-command.h"

#include <sys/stat.h>

#include <QByteArray>

#include <algorithm>
#include <cstdio>

#include "bundle-check.h"
#include "bundle-info.h"
#include "bundle-stage.h"
#include "client-tree.h"
#include "command-line.h"
#include "entry-checks.h"
#include "launcher-check.h"
#include "package-writer.h"
#include "package/bundle-layout.h"
#include "package/path-round-trip.h"
#include "report.h"

const char kBundleUsage[] =
    "Usage: velmora-pack bundle --client PATH/VelmoraDrive.app --build N [--major M] [--minor m]\n"
    "                           [--overlay K] --launcher PATH/velmora-launcher --out PATH/Name.app\n"
    "                           [--json]\n"
    "\n"
    "Writes a launcher bundle: Contents/MacOS/velmora-launcher, Contents/Resources/INFO and\n"
    "the package Contents/Resources/package/larkspan.vpk (zip, deflate) holding the client\n"
    "bundle's Contents unchanged. The INFO takes the version from the options; each one\n"
    "left out is taken from the client's own INFO, which must agree with the options given.\n"
    "Refuses, listing every problem, a client the launcher would not install or start.\n"
    "--out must not exist yet; nothing is left behind on failure. The launcher is run\n"
    "once, from the new bundle, with --version and a scratch home folder.\n"
    "\n"
    "The same client folder gives the same package on every machine: entries in name\n"
    "order, times in UTC, and with SOURCE_DATE_EPOCH set, that time for every entry.\n"
    "\n"
    "Problems go to standard error. --json prints one JSON object on standard output:\n"
    "bundle, status, build, package_sha256 (null unless written), entries,\n"
    "unpacked_bytes, packed_bytes and problems (a list).\n"
    "\n"
    "Exit status: 0 written; 1 refused (problems listed); 2 usage; 3 could not write.\n";

namespace {

struct VersionOption {
    const char* option;
    ustring VerInfo::*field;
};

const VersionOption kVersionOptions[] = {
    {"--major", &VerInfo::major_version},
    {"--minor", &VerInfo::minor_version},
    {"--build", &VerInfo::build_version},
    {"--overlay", &VerInfo::icon_overlay_version},
};

struct Request {
    std::string client, launcher, out;
    VerInfo version;  // from the options; empty where left out
    int64_t time = kOwnTimes;
    bool json = false;
};

// "A.app/" names A.app; the stage beside it is "A.app.partial-...".
std::string WithoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

int Usage(const std::string& error)
{
    fprintf(stderr, "velmora-pack bundle: %s\n\n%s", error.c_str(), kBundleUsage);
    return kExitUsage;
}

bool ParseRequest(const std::vector<std::string>& args, Request& request, std::string& error, bool& help)
{
    CommandLine line;
    if (!ParseCommandLine(args, {"--client", "--build", "--major", "--minor", "--overlay", "--launcher", "--out"}, line,
                          error))
        return false;
    help = line.help;
    request.json = line.json;
    request.client = WithoutTrailingSlashes(ValueOf(line, "--client"));
    request.launcher = ValueOf(line, "--launcher");
    request.out = WithoutTrailingSlashes(ValueOf(line, "--out"));
    for (const VersionOption& row : kVersionOptions)
        request.version.*row.field = ValueOf(line, row.option);
    if (!line.operands.empty())
        error = "unexpected '" + line.operands[0] + "'";
    else if (request.client.empty() || request.launcher.empty() || request.out.empty())
        error = "--client, --build, --launcher and --out are needed";
    else if (!IsWholeBuildNumber(request.version.build_version.c_str()))
        error = "--build '" + std::string(request.version.build_version.c_str()) + "' is not a whole number from 1";
    for (const VersionOption& row : kVersionOptions) {
        const std::string value = (request.version.*row.field).c_str();
        if (error.empty() && value.find_first_not_of("0123456789") != std::string::npos)
            error = std::string(row.option) + " '" + value + "' is not a number";
    }
    return error.empty() && ReadSourceDateEpoch(request.time, error);
}

// The client's own INFO must carry the version the launcher bundle will:
// the launcher compares the two builds at every start, and reinstalls
// when the installed one is lower. Fields left out are taken from it. The
// builds are compared by the launcher's own check of the package.
VerInfo MergeVersions(const Request& request, Problems& problems)
{
    VerInfo merged = request.version;
    VerInfo inner;
    ReadVersionFile(request.client + "/" + kBundleInfo, inner);
    for (const VersionOption& row : kVersionOptions) {
        const ustring& given = request.version.*row.field;
        const ustring& own = inner.*row.field;
        if (given.empty())
            merged.*row.field = own;
        else if (row.field != &VerInfo::build_version && !own.empty() && own != given)
            problems.push_back(std::string("the client's INFO says ") + (row.option + 2) + " " + own.c_str() +
                               ", not " + given.c_str() + " (" + row.option + ")");
    }
    return merged;
}

void CheckOut(const std::string& out, Problems& problems)
{
    struct stat st;
    if (lstat(out.c_str(), &st) == 0)
        problems.push_back("'" + out + "' exists; velmora-pack writes a new bundle only");
}

// The client folder and the launcher, as far as they can be judged before
// anything is written. False when the client cannot be read at all.
bool CheckInputs(const Request& request, PackEntries& entries, VerInfo& version, Problems& problems)
{
    const bool readable = ReadClientTree(request.client, entries, problems);
    version = MergeVersions(request, problems);
    const std::string launcher = LauncherProblem(request.launcher, request.launcher);
    if (!launcher.empty())
        problems.push_back(launcher);
    CheckOut(request.out, problems);
    if (!readable)
        return false;
    CheckEntries(entries, problems);
    // A name that is not UTF-8 cannot be stored as the launcher reads
    // names; it is reported above and left out of the trial package.
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [](const PackEntry& entry) {
                                     return !SurvivesPathRoundTrip(QByteArray::fromStdString(entry.name));
                                 }),
                  entries.end());
    return true;
}

// The package is written first and checked as the launcher will check it,
// so that every problem is listed at once, in the launcher's words; then
// the launcher is asked, from inside the bundle, whether it reads it.
void WriteBundle(const Request& request, const PackEntries& entries, const VerInfo& version, Report& report)
{
    Problems& problems = report.problems;
    std::string error;
    Stage stage(request.out);
    if (stage.Create(error) == 0 && WritePackage(stage.Package(), entries, request.time, error) == 0) {
        const PackageSurvey survey = CheckPackage(stage.Package(), version.build_version, "", problems);
        report.entries = survey.entries;
        report.unpacked_bytes = survey.unpacked_bytes;
        if (problems.empty()) {
            DescribePackageFile(stage.Package(), report);
            if (stage.Assemble(request.launcher, version, report.package_sha256, error) == 0)
                CheckLauncherAnswers(stage.Launcher(), request.launcher, version.build_version, problems);
        }
        if (problems.empty() && error.empty())
            stage.Commit(error);
    }
    if (!error.empty())
        problems.push_back(error);
    report.status = !error.empty() ? kExitFailed : problems.empty() ? kExitOk : kExitRefused;
    if (report.status != kExitOk) {
        report.package_sha256.clear();
        report.packed_bytes = 0;
    }
}

}  // namespace

int RunBundle(const std::vector<std::string>& args)
{
    Request request;
    std::string error;
    bool help = false;
    const bool parsed = ParseRequest(args, request, error, help);
    if (help) {
        fputs(kBundleUsage, stdout);
        return kExitOk;
    }
    if (!parsed)
        return Usage(error);

    Report report;
    report.bundle = request.out;
    PackEntries entries;
    VerInfo version;
    if (CheckInputs(request, entries, version, report.problems))
        WriteBundle(request, entries, version, report);
    else
        report.status = kExitRefused;
    report.build = version.build_version;
    const std::string done = request.out + ": " + std::to_string(report.entries) + " entries, " +
                             std::to_string(report.unpacked_bytes) + " bytes unpacked, " +
                             std::to_string(report.packed_bytes) + " bytes packed, build " +
                             version.build_version.c_str() + " (version " + version.major_version.c_str() + "." +
                             version.minor_version.c_str() + "." + version.build_version.c_str() + ", overlay " +
                             version.icon_overlay_version.c_str() + ")";
    return Tell(report, request.json, done,
                report.status == kExitFailed ? "failed, nothing written" : "refused, nothing written");
}
