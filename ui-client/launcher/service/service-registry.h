#ifndef VELMORA_LAUNCHER_SERVICE_REGISTRY_H
#define VELMORA_LAUNCHER_SERVICE_REGISTRY_H

#include <QString>

#include "install/install-layout.h"
#include "ustring.h"

// A key of the path registry. The keys are the constants below and nothing
// else: a misspelt key does not compile, where a string would quietly give
// an empty path.
struct RegistryKey {
    const char* name;
};

// Registered at start-up (RegisterPaths). The start-up log also prints a
// few keys that are never registered (main.cpp).
inline constexpr RegistryKey kUserDrivePath{"user_velmora_drive_path"};
inline constexpr RegistryKey kUserAppPath{"user_velmora_drive_app_path"};
inline constexpr RegistryKey kUserResourcePath{"user_velmora_drive_resource_path"};
inline constexpr RegistryKey kUserDataPath{"user_velmora_drive_data_path"};
inline constexpr RegistryKey kUserWorkingDirPath{"user_velmora_drive_working_dir_path"};
inline constexpr RegistryKey kUserUiPath{"user_velmora_drive_ui_path"};
inline constexpr RegistryKey kOldProductPath{"user_larkspan_path"};
inline constexpr RegistryKey kOldResourcePath{"user_larkspan_resource_path"};
inline constexpr RegistryKey kRootResourcePath{"root_resource_path"};

// UTF-8 form of a Qt text, as the file layer takes paths.
ustring ToUstring(const QString& text);
// The Qt text of a path the file layer holds, with the platform's separators.
QString ToQString(const ustring& path);

// The path registered under key, as UTF-8; empty when the key was never
// registered.
ustring RegistryPath(RegistryKey key);

// The path registered under key, with the platform's separators; empty when
// the key was never registered.
QString NativeRegistryPath(RegistryKey key);

// The installation's layout as the registry names it.
InstallLayout InstallLayoutFromRegistry();

#endif  // VELMORA_LAUNCHER_SERVICE_REGISTRY_H
