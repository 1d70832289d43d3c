#ifndef VELMORA_LAUNCHER_VERSION_PROBE_H
#define VELMORA_LAUNCHER_VERSION_PROBE_H

#include "mac-service.h"

// The service's own version loaders and upgrade decision, asked without
// acting on the answer: for the launcher's options and the packaging tool.
// Reads the paths the registry holds; stops, moves and creates nothing.
class VersionProbe : public MacService {
public:
    // The launcher bundle's INFO (root_resource_path).
    const VerInfo& Packaged();
    // The per-user bundle's INFO (user_velmora_drive_resource_path); empty
    // fields when there is none.
    const VerInfo& Installed();
    // What a start would decide.
    bool WouldInstall();

private:
    bool packaged_loaded = false;
    bool installed_loaded = false;
};

#endif  // VELMORA_LAUNCHER_VERSION_PROBE_H
