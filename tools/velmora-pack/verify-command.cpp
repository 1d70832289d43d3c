#include "verify-command.h"

#include <cstdio>

#include "bundle-check.h"
#include "command-line.h"
#include "package/bundle-layout.h"
#include "report.h"

const char kVerifyUsage[] =
    "Usage: velmora-pack verify [--json] PATH/Name.app\n"
    "\n"
    "Checks a launcher bundle as the launcher does before installing it (its own\n"
    "pre-flight of the package), and what the launcher needs to start the client\n"
    "afterwards; runs its launcher with --version and a scratch home folder, which\n"
    "must name the build of the bundle's INFO. Lists every problem on standard\n"
    "error, one line each. --json prints one JSON object on standard output: bundle,\n"
    "status, build, package_sha256, entries, unpacked_bytes, packed_bytes and\n"
    "problems (a list).\n"
    "\n"
    "Exit status: 0 the launcher would install and start it; 1 it would not (problems\n"
    "listed); 2 usage.\n";

int RunVerify(const std::vector<std::string>& args)
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
    const std::string bundle = line.operands[0];
    const BundleCheck check = CheckLauncherBundle(bundle);
    Report report;
    report.bundle = bundle;
    report.status = check.problems.empty() ? kExitOk : kExitRefused;
    report.build = check.version.build_version;
    report.package_sha256 = check.survey.sha256;
    report.entries = check.survey.entries;
    report.unpacked_bytes = check.survey.unpacked_bytes;
    report.problems = check.problems;
    // Only a script asks for the digest of a package whose INFO records none.
    if (line.json)
        DescribePackageFile(bundle + "/" + kBundlePackage, report);
    return Tell(report, line.json,
                bundle + ": the launcher would install build " + check.version.build_version.c_str() +
                    " and start it (" + std::to_string(check.survey.entries) + " entries, " +
                    std::to_string(check.survey.unpacked_bytes) + " bytes unpacked)",
                "the launcher would not install '" + bundle + "'");
}
