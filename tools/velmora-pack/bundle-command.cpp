#include "bundle-command.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bundle-info.h"
#include "client-tree.h"
#include "command-line.h"
#include "entry-checks.h"
#include "file-op.h"
#include "package-writer.h"
#include "startup-paths.h"

const char kBundleUsage[] =
    "Usage: velmora-pack bundle --client PATH/VelmoraDrive.app --build N [--major M] [--minor m]\n"
    "                           [--overlay K] --launcher PATH/velmora-launcher --out PATH/Name.app\n"
    "\n"
    "Writes a launcher bundle: Contents/MacOS/velmora-launcher, Contents/Resources/INFO and\n"
    "the package Contents/Resources/package/larkspan.vpk (zip, deflate) holding the client\n"
    "bundle's Contents unchanged. The INFO takes the version from the options; each one\n"
    "left out is taken from the client's own INFO, which must agree with the options given.\n"
    "Refuses, listing every problem, a client the launcher would not install or start.\n"
    "--out must not exist yet; nothing is left behind on failure.\n"
    "\n"
    "Exit status: 0 written; 1 refused (problems listed); 2 usage; 3 could not write.\n";

namespace {

struct VersionOption {
    const char *option;
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
};

int Usage(const std::string &error)
{
    fprintf(stderr, "velmora-pack bundle: %s\n\n%s", error.c_str(), kBundleUsage);
    return kExitUsage;
}

bool ParseRequest(const std::vector<std::string> &args, Request &request, std::string &error, bool &help)
{
    CommandLine line;
    if (!ParseCommandLine(args, {"--client", "--build", "--major", "--minor", "--overlay", "--launcher", "--out"},
                          line, error))
        return false;
    help = line.help;
    request.client = ValueOf(line, "--client");
    request.launcher = ValueOf(line, "--launcher");
    request.out = ValueOf(line, "--out");
    for (const VersionOption &row : kVersionOptions)
        request.version.*row.field = ValueOf(line, row.option);
    if (!line.operands.empty())
        error = "unexpected '" + line.operands[0] + "'";
    else if (request.client.empty() || request.launcher.empty() || request.out.empty())
        error = "--client, --build, --launcher and --out are needed";
    else if (!IsWholeBuildNumber(request.version.build_version.c_str()))
        error = "--build '" + std::string(request.version.build_version.c_str()) + "' is not a whole number from 1";
    for (const VersionOption &row : kVersionOptions) {
        const std::string value = (request.version.*row.field).c_str();
        if (error.empty() && value.find_first_not_of("0123456789") != std::string::npos)
            error = std::string(row.option) + " '" + value + "' is not a number";
    }
    return error.empty();
}

// The client's own INFO must carry the version the launcher bundle will:
// the launcher compares the two builds at every start, and reinstalls
// when the installed one is lower. Fields left out are taken from it.
VerInfo MergeVersions(const Request &request, Problems &problems)
{
    const std::string resources = request.client + "/Contents/Resources";
    VerInfo merged = request.version;
    if (access((request.client + "/" + kBundleInfo).c_str(), F_OK) != 0)
        return merged;  // reported by the entry checks
    const VerInfo inner = ReadInfo(resources);
    CheckBuild(inner, std::string("client INFO '") + kBundleInfo + "'", problems);
    for (const VersionOption &row : kVersionOptions) {
        const ustring &given = request.version.*row.field;
        const ustring &own = inner.*row.field;
        if (given.empty())
            merged.*row.field = own;
        else if (!own.empty() && atoi(own.c_str()) != atoi(given.c_str()))
            problems.push_back(std::string("the client's INFO says ") + (row.option + 2) + " " + own.c_str() +
                               ", not " + given.c_str() + " (" + row.option +
                               "): the two must agree, or the launcher reinstalls at every start");
    }
    return merged;
}

void CheckLauncher(const std::string &launcher, Problems &problems)
{
    struct stat st;
    if (stat(launcher.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        problems.push_back("launcher '" + launcher + "' is not a file");
    else if ((st.st_mode & S_IXUSR) == 0)
        problems.push_back("launcher '" + launcher + "' is not executable");
}

void CheckOut(const std::string &out, Problems &problems)
{
    struct stat st;
    if (lstat(out.c_str(), &st) == 0)
        problems.push_back("'" + out + "' exists; velmora-pack writes a new bundle only");
}

// Everything is written into a folder beside --out and renamed into place
// at the end, so a failure leaves nothing that looks like a bundle.
int WriteBundle(const Request &request, const PackEntries &entries, const VerInfo &version,
                PackageSummary &summary, std::string &error)
{
    // mkdir, not mkdtemp: the bundle's folder gets the modes of every
    // other folder under the umask, as the user expects.
    const std::string stage = request.out + ".partial-" + std::to_string(getpid());
    if (mkdir(stage.c_str(), 0777) != 0) {
        error = "cannot create '" + stage + "': " + strerror(errno);
        return -1;
    }
    const std::string contents = stage + "/Contents";
    const std::string package = contents + "/Resources/" + kResourcePackage;
    const std::string launcher = contents + "/MacOS/velmora-launcher";
    int r = FSMKDir(FSParentPath(package), true) == 0 && FSMKDir(FSParentPath(launcher), true) == 0 ? 0 : -1;
    if (r != 0)
        error = "cannot create folders in '" + stage + "'";
    if (r == 0 && (FSCopy(request.launcher, launcher, false) != 0 || chmod(launcher.c_str(), 0755) != 0)) {
        error = "cannot copy the launcher to '" + launcher + "'";
        r = -1;
    }
    if (r == 0)
        r = WritePackage(package, entries, summary, error);
    const std::string digest = r == 0 ? FileSha256(package) : std::string();
    if (r == 0 && (digest.empty() || WriteInfo(stage + "/" + kBundleInfo, version, digest) != 0)) {
        error = "cannot write '" + stage + "/" + kBundleInfo + "'";
        r = -1;
    }
    if (r == 0 && rename(stage.c_str(), request.out.c_str()) != 0) {
        error = "cannot rename '" + stage + "' to '" + request.out + "'";
        r = -1;
    }
    if (r != 0)
        FSRemove(stage);
    return r;
}

void PrintSummary(const Request &request, const PackageSummary &summary, const VerInfo &version)
{
    printf("%s: %d entries, %lld bytes unpacked, %lld bytes packed, build %s (version %s.%s.%s, overlay %s)\n",
           request.out.c_str(), summary.entries, static_cast<long long>(summary.unpacked),
           static_cast<long long>(summary.packed), version.build_version.c_str(), version.major_version.c_str(),
           version.minor_version.c_str(), version.build_version.c_str(), version.icon_overlay_version.c_str());
}

}  // namespace

int RunBundle(const std::vector<std::string> &args)
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

    Problems problems;
    PackEntries entries;
    ReadClientTree(request.client, entries, problems);
    CheckEntries(entries, problems);
    const VerInfo version = MergeVersions(request, problems);
    CheckLauncher(request.launcher, problems);
    CheckOut(request.out, problems);
    if (!problems.empty()) {
        for (const std::string &problem : problems)
            fprintf(stderr, "velmora-pack: %s\n", problem.c_str());
        fprintf(stderr, "velmora-pack: refused, nothing written\n");
        return kExitRefused;
    }
    PackageSummary summary;
    if (WriteBundle(request, entries, version, summary, error) != 0) {
        fprintf(stderr, "velmora-pack: %s\n", error.c_str());
        return kExitFailed;
    }
    PrintSummary(request, summary, version);
    return kExitOk;
}
