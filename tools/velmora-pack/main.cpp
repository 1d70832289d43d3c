// velmora-pack: makes and checks launcher bundles, with the launcher's own
// rules, so that what it accepts is what the launcher installs and starts.
#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bundle-command.h"
#include "command-line.h"
#include "ctype-locale.h"
#include "verify-command.h"

namespace {

const char kUsage[] =
    "Usage: velmora-pack bundle --client PATH/VelmoraDrive.app --build N [--major M] [--minor m]\n"
    "                           [--overlay K] --launcher PATH/velmora-launcher --out PATH/Name.app\n"
    "       velmora-pack verify PATH/Name.app\n"
    "       velmora-pack COMMAND --help\n"
    "\n"
    "bundle  writes a launcher bundle around a client bundle folder\n"
    "verify  checks that the launcher would install and start a launcher bundle\n"
    "\n"
    "Exit status: 0 done; 1 refused or not installable (every problem listed);\n"
    "2 usage; 3 could not write.\n";

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // Entry names are UTF-8 whatever the locale, as the launcher reads them.
    UseUtf8CharacterType();
    const std::vector<std::string> args(argv + (argc > 1 ? 2 : 1), argv + argc);
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "bundle")
        return RunBundle(args);
    if (command == "verify")
        return RunVerify(args);
    if (command == "--help" || command == "-h") {
        fputs(kUsage, stdout);
        return kExitOk;
    }
    fprintf(stderr, "velmora-pack: %s\n\n%s", command.empty() ? "a command is needed" : ("unknown command '" + command + "'").c_str(), kUsage);
    return kExitUsage;
}
