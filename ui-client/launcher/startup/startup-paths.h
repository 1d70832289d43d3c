#ifndef VELMORA_LAUNCHER_STARTUP_PATHS_H
#define VELMORA_LAUNCHER_STARTUP_PATHS_H

#include <string>

#include "package/bundle-layout.h"
#include "service/service-registry.h"

// Fills the path registry from the home folder and the folder of the
// running executable. Needs the application object.
void RegisterPaths();

// The registered path of key as UTF-8 bytes, as the file layer takes it.
std::string PathOf(RegistryKey key);

std::string LogFolderPath();
std::string LogFilePath();
std::string LevelFilePath();

#endif  // VELMORA_LAUNCHER_STARTUP_PATHS_H
