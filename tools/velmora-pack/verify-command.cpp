#include "verify-command.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

#include "bundle-info.h"
#include "command-line.h"
#include "entry-checks.h"
#include "package-reader.h"
#include "package-writer.h"
#include "startup-paths.h"

const char kVerifyUsage[] =
    "Usage: velmora-pack verify PATH/Name.app\n"
    "\n"
    "Checks a launcher bundle as the launcher would before installing it, and what the\n"
    "launcher needs to start the client afterwards. Lists every problem, one line each.\n"
    "\n"
    "Exit status: 0 the launcher would install and start it; 1 it would not (problems\n"
    "listed); 2 usage.\n";

namespace {

struct Bundle {
    std::string path;
    std::string resources;
    std::string package;
    VerInfo version;
};

void CheckLauncherExecutable(const Bundle &bundle, Problems &problems)
{
    const std::string launcher = bundle.path + "/Contents/MacOS/velmora-launcher";
    struct stat st;
    if (stat(launcher.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        problems.push_back("no launcher at 'Contents/MacOS/velmora-launcher'");
    else if ((st.st_mode & S_IXUSR) == 0)
        problems.push_back("the launcher 'Contents/MacOS/velmora-launcher' is not executable");
}

void CheckDigest(const Bundle &bundle, Problems &problems)
{
    QSettings info(QString::fromStdString(bundle.resources + "/INFO"), QSettings::IniFormat);
    const QString key = QString("Version/") + kPackageSha256Key;
    if (!info.contains(key))
        return;
    const std::string recorded = info.value(key).toString().toStdString();
    const std::string actual = FileSha256(bundle.package);
    if (recorded != actual)
        problems.push_back(std::string("the package's SHA-256 is ") + (actual.empty() ? "unreadable" : actual) +
                           ", INFO records " + recorded + " (" + kPackageSha256Key + ")");
}

// The client's INFO inside the package, read the way the launcher reads
// the installed one, from a file of its own.
VerInfo InnerVersion(const std::string &bytes)
{
    QTemporaryDir folder;
    QFile file(folder.filePath("INFO"));
    if (!folder.isValid() || !file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
        return VerInfo();
    file.close();
    return ReadInfo(folder.path().toStdString());
}

void CheckPackage(const Bundle &bundle, Problems &problems)
{
    PackEntries entries;
    std::string info, error;
    if (ReadPackage(bundle.package, kBundleInfo, entries, info, error) != 0) {
        problems.push_back(error);
        return;
    }
    CheckEntries(entries, problems);
    if (info.empty())
        return;  // reported by the entry checks
    const VerInfo inner = InnerVersion(info);
    CheckBuild(inner, std::string("the package's INFO '") + kBundleInfo + "'", problems);
    if (!bundle.version.build_version.empty() &&
        atoi(inner.build_version.c_str()) != atoi(bundle.version.build_version.c_str()))
        problems.push_back(std::string("the package's INFO says build ") + inner.build_version.c_str() +
                           ", the launcher bundle's INFO " + bundle.version.build_version.c_str() +
                           ": the two must agree, or the launcher reinstalls at every start");
}

}  // namespace

int RunVerify(const std::vector<std::string> &args)
{
    CommandLine line;
    std::string error;
    const bool parsed = ParseCommandLine(args, {}, line, error);
    if (line.help) {
        fputs(kVerifyUsage, stdout);
        return kExitOk;
    }
    if (parsed && line.operands.size() != 1)
        error = "one launcher bundle is needed";
    if (!error.empty()) {
        fprintf(stderr, "velmora-pack verify: %s\n\n%s", error.c_str(), kVerifyUsage);
        return kExitUsage;
    }
    Bundle bundle;
    bundle.path = line.operands[0];
    bundle.resources = bundle.path + "/Contents/Resources";
    bundle.package = bundle.resources + "/" + kResourcePackage;

    Problems problems;
    CheckLauncherExecutable(bundle, problems);
    if (access((bundle.resources + "/INFO").c_str(), F_OK) != 0) {
        problems.push_back("no launcher bundle INFO at 'Contents/Resources/INFO'");
    } else {
        bundle.version = ReadInfo(bundle.resources);
        CheckBuild(bundle.version, "the launcher bundle's INFO", problems);
    }
    if (access(bundle.package.c_str(), F_OK) != 0) {
        problems.push_back(std::string("no package at 'Contents/Resources/") + kResourcePackage + "'");
    } else {
        CheckDigest(bundle, problems);
        CheckPackage(bundle, problems);
    }
    for (const std::string &problem : problems)
        printf("%s\n", problem.c_str());
    if (!problems.empty())
        return kExitRefused;
    printf("%s: the launcher would install build %s and start it\n", bundle.path.c_str(),
           bundle.version.build_version.c_str());
    return kExitOk;
}
