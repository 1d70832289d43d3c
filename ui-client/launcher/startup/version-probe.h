#ifndef VELMORA_LAUNCHER_VERSION_PROBE_H
#define VELMORA_LAUNCHER_VERSION_PROBE_H

#include "service/mac/client-process.h"
#include "service/mac/mac-service.h"

// The service's own version loader, settling's reading of the per-user
// folder and the upgrade decision, asked without acting on the answer: for
// the launcher's options and the packaging tool. Reads the paths the
// registry holds; stops, moves and creates nothing.
class VersionProbe {
public:
    // The launcher bundle's INFO (root_resource_path).
    const VerInfo& Packaged();
    // What a start would do (Service::ForecastStart).
    const Service::StartForecast& Forecast();

private:
    MacService service{ClientProcess::System()};
    bool packaged_loaded = false;
    bool forecast_made = false;
    Service::StartForecast forecast;
};

#endif  // VELMORA_LAUNCHER_VERSION_PROBE_H
