#ifndef VELMORA_LAUNCHER_STARTUP_PATHS_H
#define VELMORA_LAUNCHER_STARTUP_PATHS_H

#include <string>

// Where things lie inside a client bundle; the registry's per-user paths
// and the packaging tool's checks are built from the same names.
extern const char kBundleClientExecutable[];  // "Contents/MacOS/cloud-drive-ui"
extern const char kBundleInfo[];              // "Contents/Resources/INFO"
// Inside the launcher bundle's resources folder.
extern const char kResourcePackage[];     // "package/larkspan.vpk"
extern const char kResourceLevelFile[];   // "log/launcher.debug"

// Fills the path registry from the home folder and the folder of the
// running executable. Needs the application object.
void RegisterPaths();

// The registered path of key as UTF-8 bytes, as the file layer takes it.
std::string PathOf(const char *key);

std::string LogFolderPath();
std::string LogFilePath();
std::string LevelFilePath();

#endif  // VELMORA_LAUNCHER_STARTUP_PATHS_H
