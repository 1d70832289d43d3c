#include "startup/launcher-options.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

#include "startup/home-folder.h"
#include "startup/launcher-status.h"
#include "startup/startup-paths.h"
#include "startup/version-probe.h"

namespace {

const char kHelp[] =
    "Usage: velmora-launcher [--help | --version | --status]\n"
    "\n"
    "Without an option, installs or upgrades the per-user client\n"
    "(~/.VelmoraDrive/VelmoraDrive.app) from the package this bundle carries, then\n"
    "starts it. Other arguments are ignored.\n"
    "\n"
    "  -h, --help       print this help\n"
    "  --version        print the version this bundle carries (major.minor.build, overlay)\n"
    "  --status         print the packaged build, the build a start would find once it\n"
    "                   has settled an unfinished installation, whether a start would\n"
    "                   install, the per-user paths, the log file and the last run's\n"
    "                   record (~/.VelmoraDrive/last-run)\n"
    "  --status --json  the same as one JSON object on one line\n"
    "\n"
    "The options change nothing on disk and start nothing.\n"
    "Log: ~/.VelmoraDrive/log/launcher.log\n"
    "Exit status: 0 after a run (also when an upgrade failed and the old client was\n"
    "kept, or another launcher is running) and after an option; 1 when there is no\n"
    "usable home folder (unset, or a path that is not UTF-8) or the per-user folder\n"
    "is a link or another user's: nothing is done.\n";

const char* OrUnknown(const ustring& field)
{
    return field.empty() ? "?" : field.c_str();
}

void PrintVersion(VersionProbe& probe)
{
    const VerInfo& version = probe.Packaged();
    printf("velmora-launcher %s.%s.%s (overlay %s)\n", OrUnknown(version.major_version),
           OrUnknown(version.minor_version), OrUnknown(version.build_version), OrUnknown(version.icon_overlay_version));
}

}  // namespace

LauncherOption FindLauncherOption(int argc, char** argv)
{
    const struct {
        const char* name;
        LauncherOption option;
    } rows[] = {
        {"--help", LauncherOption::Help},
        {"-h", LauncherOption::Help},
        {"--version", LauncherOption::Version},
        {"--status", LauncherOption::Status},
    };
    LauncherOption found = LauncherOption::None;
    for (int i = 1; i < argc && found == LauncherOption::None; ++i) {
        for (const auto& row : rows) {
            if (strcmp(argv[i], row.name) == 0)
                found = row.option;
        }
    }
    for (int i = 1; i < argc && found == LauncherOption::Status; ++i) {
        if (strcmp(argv[i], "--json") == 0)
            found = LauncherOption::StatusJson;
    }
    return found;
}

// Only a core application object: no display, no instance lock. The
// registry is filled as a start fills it, so the answers are a start's.
int RunLauncherOption(LauncherOption option, int argc, char** argv)
{
    if (option == LauncherOption::Help) {
        fputs(kHelp, stdout);
        return kExitDone;
    }
    if (option != LauncherOption::Version && !EnsureHome())
        return kExitHomeUnusable;
    QCoreApplication app(argc, argv);
    RegisterPaths();
    VersionProbe probe;
    if (option == LauncherOption::Version)
        PrintVersion(probe);
    else if (option == LauncherOption::StatusJson)
        PrintStatusJson(probe);
    else
        PrintStatus(probe);
    return kExitDone;
}
