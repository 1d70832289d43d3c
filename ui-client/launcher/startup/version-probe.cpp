#include "startup/version-probe.h"

const VerInfo& VersionProbe::Packaged()
{
    if (!packaged_loaded)
        service.LoadTargetVersion();
    packaged_loaded = true;
    return service.TargetVersion();
}

const Service::StartForecast& VersionProbe::Forecast()
{
    if (!forecast_made)
        forecast = service.ForecastStart();
    forecast_made = true;
    packaged_loaded = true;
    return forecast;
}
