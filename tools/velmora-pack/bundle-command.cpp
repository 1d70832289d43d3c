#include "bundle-command.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bundle-check.h"
#include "bundle-info.h"
#include "client-tree.h"
#include "command-line.h"
#include "entry-checks.h"
#include "file-op.h"
#include "home-folder.h"
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
// when the installed one is lower. Fields left out are taken from it. The
// builds are compared by the launcher's own check of the package.
VerInfo MergeVersions(const Request &request, Problems &problems)
{
    VerInfo merged = request.version;
    VerInfo inner;
    ReadVersionFile(request.client + "/" + kBundleInfo, inner);
    for (const VersionOption &row : kVersionOptions) {
        const ustring &given = request.version.*row.field;
        const ustring &own = inner.*row.field;
        if (given.empty())
            merged.*row.field = own;
        else if (row.field != &VerInfo::build_version && !own.empty() && own != given)
            problems.push_back(std::string("the client's INFO says ") + (row.option + 2) + " " + own.c_str() +
                               ", not " + given.c_str() + " (" + row.option + ")");
    }
    return merged;
}

void CheckOut(const std::string &out, Problems &problems)
{
    struct stat st;
    if (lstat(out.c_str(), &st) == 0)
        problems.push_back("'" + out + "' exists; velmora-pack writes a new bundle only");
}

// The bundle is written into a folder beside --out and renamed into place
// at the end, so a failure leaves nothing that looks like a bundle.
class Stage {
public:
    explicit Stage(const std::string &out) : out_(out), path_(out + ".partial-" + std::to_string(getpid())) {}
    ~Stage()
    {
        if (!committed_)
            FSRemove(path_);
    }

    // mkdir, not mkdtemp: the bundle's folder gets the modes of every
    // other folder under the umask, as the user expects.
    int Create(std::string &error)
    {
        if (mkdir(path_.c_str(), 0777) != 0 || FSMKDir(FSParentPath(Package()), true) != 0 ||
            FSMKDir(FSParentPath(Launcher()), true) != 0) {
            error = "cannot create '" + path_ + "': " + strerror(errno);
            return -1;
        }
        return 0;
    }

    std::string Package() const { return path_ + "/Contents/Resources/" + kResourcePackage; }
    std::string Launcher() const { return path_ + "/Contents/MacOS/velmora-launcher"; }
    std::string Info() const { return path_ + "/" + kBundleInfo; }

    // The launcher and the INFO beside the package, then the rename.
    int Commit(const std::string &launcher, const VerInfo &version, std::string &error)
    {
        const std::string digest = FileSha256(Package());
        if (FSCopy(launcher, Launcher(), false) != 0 || chmod(Launcher().c_str(), 0755) != 0)
            error = "cannot copy the launcher to '" + Launcher() + "'";
        else if (digest.empty() || WriteInfo(Info(), version, digest) != 0)
            error = "cannot write '" + Info() + "'";
        else if (rename(path_.c_str(), out_.c_str()) != 0)
            error = "cannot rename '" + path_ + "' to '" + out_ + "': " + strerror(errno);
        committed_ = error.empty();
        return committed_ ? 0 : -1;
    }

private:
    const std::string out_;
    const std::string path_;
    bool committed_ = false;
};

int Report(const Problems &problems, const std::string &error)
{
    for (const std::string &problem : problems)
        fprintf(stderr, "velmora-pack: %s\n", problem.c_str());
    if (!error.empty())
        fprintf(stderr, "velmora-pack: %s\n", error.c_str());
    fprintf(stderr, "velmora-pack: %s, nothing written\n", error.empty() ? "refused" : "failed");
    return error.empty() ? kExitRefused : kExitFailed;
}

long long FileSize(const std::string &path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? static_cast<long long>(st.st_size) : 0;
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
    const bool readable = ReadClientTree(request.client, entries, problems);
    const VerInfo version = MergeVersions(request, problems);
    const std::string launcher = LauncherProblem(request.launcher, request.launcher);
    if (!launcher.empty())
        problems.push_back(launcher);
    CheckOut(request.out, problems);
    if (!readable)
        return Report(problems, error);
    CheckEntries(entries, problems);
    // A name that is not UTF-8 cannot be stored as the launcher reads
    // names; it is reported above and left out of the trial package.
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [](const PackEntry &entry) {
                                     return !SurvivesPathRoundTrip(QByteArray::fromStdString(entry.name));
                                 }),
                  entries.end());
    // The package is written first and checked as the launcher will check
    // it, so that every problem is listed at once, in the launcher's words.
    Stage stage(request.out);
    if (stage.Create(error) != 0 || WritePackage(stage.Package(), entries, error) != 0)
        return Report(problems, error);
    const PackageSurvey survey = CheckPackage(stage.Package(), version.build_version, "", problems);
    if (!problems.empty() || stage.Commit(request.launcher, version, error) != 0)
        return Report(problems, error);
    printf("%s: %d entries, %lld bytes unpacked, %lld bytes packed, build %s (version %s.%s.%s, overlay %s)\n",
           request.out.c_str(), survey.entries, survey.unpacked_bytes,
           FileSize(request.out + "/Contents/Resources/" + kResourcePackage), version.build_version.c_str(),
           version.major_version.c_str(), version.minor_version.c_str(), version.build_version.c_str(),
           version.icon_overlay_version.c_str());
    return kExitOk;
}
