#include "launcher-options.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <string>

#include "home-folder.h"
#include "startup-paths.h"
#include "version-probe.h"

namespace {

const char kHelp[] =
    "Usage: velmora-launcher [--help | --version | --status]\n"
    "\n"
    "Without an option, installs or upgrades the per-user client\n"
    "(~/.VelmoraDrive/VelmoraDrive.app) from the package this bundle carries, then\n"
    "starts it. Other arguments are ignored.\n"
    "\n"
    "  -h, --help   print this help\n"
    "  --version    print the version this bundle carries (major.minor.build, overlay)\n"
    "  --status     print the packaged and installed builds, the per-user paths, the\n"
    "               log file and whether a start would install\n"
    "\n"
    "The options change nothing on disk and start nothing.\n"
    "Log: ~/.VelmoraDrive/log/launcher.log\n"
    "Exit status: 0 after a run (also when an upgrade failed and the old client was\n"
    "kept, or another launcher is running) and after an option; 1 when there is no\n"
    "usable home folder (unset, or a path that is not UTF-8) or the per-user folder\n"
    "is a link or another user's: nothing is done.\n";

const char *OrUnknown(const ustring &field)
{
    return field.empty() ? "?" : field.c_str();
}

void PrintVersion(VersionProbe &probe)
{
    const VerInfo &version = probe.Packaged();
    printf("velmora-launcher %s.%s.%s (overlay %s)\n", OrUnknown(version.major_version),
           OrUnknown(version.minor_version), OrUnknown(version.build_version),
           OrUnknown(version.icon_overlay_version));
}

void PrintStatus(VersionProbe &probe)
{
    const ustring &packaged = probe.Packaged().build_version;
    const ustring &installed = probe.Installed().build_version;
    printf("packaged build:      %s\n", packaged.empty() ? "none" : packaged.c_str());
    printf("installed build:     %s\n", installed.empty() ? "none" : installed.c_str());
    const struct {
        const char *label;
        const char *key;
    } rows[] = {
        {"per-user folder:    ", "user_velmora_drive_path"},
        {"client bundle:      ", "user_velmora_drive_app_path"},
        {"client executable:  ", "user_velmora_drive_ui_path"},
        {"data folder:        ", "user_velmora_drive_data_path"},
        {"older product:      ", "user_larkspan_path"},
        {"launcher resources: ", "root_resource_path"},
    };
    for (const auto &row : rows)
        printf("%s %s\n", row.label, PathOf(row.key).c_str());
    printf("log file:            %s\n", LogFilePath().c_str());
    printf("level file:          %s\n", LevelFilePath().c_str());
    printf("unfinished install:   %s\n", probe.IsInstallUnfinished() ? "yes (a start settles it first)" : "no");
    printf("start would install:  %s\n", probe.WouldInstall() ? "yes" : "no");
}

}  // namespace

LauncherOption FindLauncherOption(int argc, char **argv)
{
    const struct {
        const char *name;
        LauncherOption option;
    } rows[] = {
        {"--help", LauncherOption::Help},
        {"-h", LauncherOption::Help},
        {"--version", LauncherOption::Version},
        {"--status", LauncherOption::Status},
    };
    for (int i = 1; i < argc; ++i) {
        for (const auto &row : rows) {
            if (strcmp(argv[i], row.name) == 0)
                return row.option;
        }
    }
    return LauncherOption::None;
}

// Only a core application object: no display, no instance lock. The
// registry is filled as a start fills it, so the answers are a start's.
int RunLauncherOption(LauncherOption option, int argc, char **argv)
{
    if (option == LauncherOption::Help) {
        fputs(kHelp, stdout);
        return kExitDone;
    }
    if (option == LauncherOption::Status && !EnsureHome())
        return kExitHomeUnusable;
    QCoreApplication app(argc, argv);
    RegisterPaths();
    VersionProbe probe;
    if (option == LauncherOption::Version)
        PrintVersion(probe);
    else
        PrintStatus(probe);
    return kExitDone;
}
