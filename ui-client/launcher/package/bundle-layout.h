#ifndef VELMORA_LAUNCHER_BUNDLE_LAYOUT_H
#define VELMORA_LAUNCHER_BUNDLE_LAYOUT_H

// Where things lie inside a bundle, the launcher's and the client's alike:
// the path registry, the service and the packaging tool build their paths
// from these names, written here once.
inline constexpr char kBundleClientExecutable[] = "Contents/MacOS/cloud-drive-ui";
inline constexpr char kBundleResources[] = "Contents/Resources";
inline constexpr char kBundleLauncherExecutable[] = "Contents/MacOS/velmora-launcher";
inline constexpr char kBundleInfo[] = "Contents/Resources/INFO";
inline constexpr char kBundlePackage[] = "Contents/Resources/package/larkspan.vpk";

// The same, inside a bundle's resources folder.
inline constexpr char kResourceInfo[] = "INFO";
inline constexpr char kResourcePackage[] = "package/larkspan.vpk";
inline constexpr char kResourceLevelFile[] = "log/launcher.debug";

#endif  // VELMORA_LAUNCHER_BUNDLE_LAYOUT_H
