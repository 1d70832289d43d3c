#ifndef VELMORA_LAUNCHER_INSTALL_LAYOUT_H
#define VELMORA_LAUNCHER_INSTALL_LAYOUT_H

#include "ustring.h"

// Where the per-user installation and what carries over between runs lie,
// read from the path registry once (InstallLayoutFromRegistry) and handed to
// what needs it, so that no step asks the registry for a path another step
// already holds. A field is empty when its key was never registered.
struct InstallLayout {
    ustring drive;               // ~/.VelmoraDrive: the install lock, the log, last-run
    ustring bundle;              // the per-user client bundle
    ustring resources;           // its resources folder, holding its INFO
    ustring client;              // its client UI executable
    ustring working_dir;         // the client's working folder
    ustring old_product;         // ~/.Larkspan, the older product's folder
    ustring launcher_resources;  // the running launcher bundle's resources

    // The record of the last run (last-run.h); empty without a drive.
    ustring LastRun() const;

    // The first installation's move of the older product's data (tabled in
    // install-state.h): from the old data to the data, across volumes
    // through the staged copy, under the migration mark. Each is empty
    // without the folder it lies in.
    ustring Data() const;
    ustring OldData() const;
    ustring StagedData() const;
    ustring MigrationMark() const;

    // The client executable is in place: the bundle counts as complete.
    bool HoldsClient() const;
};

#endif  // VELMORA_LAUNCHER_INSTALL_LAYOUT_H
