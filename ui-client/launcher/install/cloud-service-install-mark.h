// The marker of an unsettled installation, "VelmoraDrive.app_installing"
// beside the bundle. It holds one line, "backup=<name>", naming the backup
// folder that keeps the last complete bundle while the bundle path may hold
// a partial one, or "backup=" when there is no complete bundle (a first
// installation). It is replaced as a whole (written beside, synced, renamed
// over), so a run cut short leaves the old content or the new, never a torn
// one. What the install code does with each state is tabled in
// install-state.h.
#ifndef VELMORA_LAUNCHER_CLOUD_SERVICE_INSTALL_MARK_H
#define VELMORA_LAUNCHER_CLOUD_SERVICE_INSTALL_MARK_H

#include "ustring.h"

enum InstallMarkKind {
    kNoInstallMark,    // no installation is unsettled
    kMarkNamesBackup,  // the named backup keeps the last complete bundle
    kMarkNoBackup,     // there is no complete bundle
    kMarkOldFormat,    // empty (earlier launchers) or unreadable: the backup is unknown
};

ustring InstallMarkPath(const ustring& app);

// Names the backup (a path beside app; empty for none) in the marker.
// 0, or -1 after an ERROR line; the marker is then as it was.
int WriteInstallMark(const ustring& app, const ustring& backup);

// What the marker says; name receives the base name of the backup it names.
InstallMarkKind ReadInstallMark(const ustring& app, ustring& name);

// Removes the marker and any half-written copy of it; 0 (also when there
// was none), or -1 after an ERROR line.
int ClearInstallMark(const ustring& app);

#endif  // VELMORA_LAUNCHER_CLOUD_SERVICE_INSTALL_MARK_H
