#include "verify-command.h"

#include <cstdio>

#include "bundle-check.h"
#include "command-line.h"

const char kVerifyUsage[] =
    "Usage: velmora-pack verify PATH/Name.app\n"
    "\n"
    "Checks a launcher bundle as the launcher does before installing it (its own\n"
    "pre-flight of the package), and what the launcher needs to start the client\n"
    "afterwards. Lists every problem, one line each.\n"
    "\n"
    "Exit status: 0 the launcher would install and start it; 1 it would not (problems\n"
    "listed); 2 usage.\n";

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
    const std::string bundle = line.operands[0];
    const BundleCheck check = CheckLauncherBundle(bundle);
    for (const std::string &problem : check.problems)
        printf("%s\n", problem.c_str());
    if (!check.problems.empty())
        return kExitRefused;
    printf("%s: the launcher would install build %s and start it (%d entries, %lld bytes unpacked)\n",
           bundle.c_str(), check.version.build_version.c_str(), check.survey.entries, check.survey.unpacked_bytes);
    return kExitOk;
}
