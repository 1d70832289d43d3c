#ifndef VELMORA_LAUNCHER_LAUNCHER_OPTIONS_H
#define VELMORA_LAUNCHER_LAUNCHER_OPTIONS_H

// The launcher's own options. Each prints to standard output and ends the
// process with status 0 before anything is started, locked or created.
// Every other argument is left alone: the system may pass its own.
// "--json" beside "--status" asks for StatusJson.
enum class LauncherOption { None, Help, Version, Status, StatusJson };

// The first of the launcher's options on the command line, or None.
LauncherOption FindLauncherOption(int argc, char** argv);

// Prints what option asks for; returns the exit status.
int RunLauncherOption(LauncherOption option, int argc, char** argv);

// Exit statuses of the launcher.
const int kExitDone = 0;  // a run ended (an upgrade may have failed), or an option printed
// No usable home folder, or a per-user folder that is a link or another
// user's: nothing created or started.
const int kExitHomeUnusable = 1;

#endif  // VELMORA_LAUNCHER_LAUNCHER_OPTIONS_H
