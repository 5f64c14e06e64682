#pragma once
// The observer options --lat --lon --height --pressure --temp and the "topocentric" and
// "horizontal" objects every body command returns with them.
#include <optional>

#include "cli/json.h"
#include "cli/options.h"

namespace veltrane::cli {

struct Observer {
  double lat = 0.0;      // north positive
  double lonWest = 0.0;  // west positive, as the engine takes it
  double height = 0.0;   // metres above the ellipsoid
  double pressure = 1010.0;
  double temperature = 10.0;
};

// The options as given; each is checked against its limits as it is read.
struct ObserverOptions {
  std::optional<double> lat, lon, height, pressure, temperature;
};

// required: --lat and --lon must be given; otherwise the place is optional as a whole.
void AddObserverOptions(CLI::App* command, ObserverOptions& into, bool required);
// Nothing when none of the options is given; --lat and --lon are needed otherwise.
std::optional<Observer> ObserverOf(const ObserverOptions& options);

// ra, dec: geocentric apparent place (degrees); parallax: equatorial horizontal parallax
// (degrees, 0 for a star); jd0 and hours: the UT instant.
void AddObserverPlace(Json& out, const Observer& observer, double ra, double dec,
                      double parallax, double jd0, double hours);

}  // namespace veltrane::cli
