// velmora-pack: makes and checks launcher bundles, with the launcher's own
// rules, so that what it accepts is what the launcher installs and starts.
#include <archive.h>

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <cstring>
#include <string>
#include <vector>

#include "bundle-command.h"
#include "command-line.h"
#include "package/ctype-locale.h"
#include "verify-command.h"

namespace {

const char kVersion[] = "1.1";

const char kUsage[] =
    "Usage: velmora-pack bundle --client PATH/VelmoraDrive.app --build N [--major M] [--minor m]\n"
    "                           [--overlay K] --launcher PATH/velmora-launcher --out PATH/Name.app\n"
    "                           [--json]\n"
    "       velmora-pack verify [--json] PATH/Name.app\n"
    "       velmora-pack COMMAND --help\n"
    "       velmora-pack --version\n"
    "\n"
    "bundle  writes a launcher bundle around a client bundle folder\n"
    "verify  checks that the launcher would install and start a launcher bundle\n"
    "\n"
    "Exit status: 0 done; 1 refused or not installable (every problem listed);\n"
    "2 usage; 3 could not write.\n";

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // Entry names are UTF-8 whatever the locale, as the launcher reads them.
    UseUtf8CharacterType();
    // A zip entry's time is stored as local time: in UTC the same folder
    // gives the same bytes in every time zone.
    setenv("TZ", "UTC0", 1);
    tzset();
    const std::vector<std::string> args(argv + (argc > 1 ? 2 : 1), argv + argc);
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "bundle")
        return RunBundle(args);
    if (command == "verify")
        return RunVerify(args);
    // Packages are the same bytes only where the archive library and its
    // compressor are the same versions too.
    if (command == "--version") {
        printf("velmora-pack %s (%s)\n", kVersion, archive_version_details());
        return kExitOk;
    }
    if (command == "--help" || command == "-h") {
        fputs(kUsage, stdout);
        return kExitOk;
    }
    fprintf(stderr, "velmora-pack: %s\n\n%s",
            command.empty() ? "a command is needed" : ("unknown command '" + command + "'").c_str(), kUsage);
    return kExitUsage;
}
