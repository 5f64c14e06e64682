#pragma once
// The observer options --lat --lon --height --pressure --temp and the "topocentric" and
// "horizontal" objects every body command returns with them.
#include <optional>
#include <set>
#include <string>

#include "cli/args.h"
#include "cli/json.h"

namespace veltrane::cli {

struct Observer {
  double lat = 0.0;      // north positive
  double lonWest = 0.0;  // west positive, as the engine takes it
  double height = 0.0;   // metres above the ellipsoid
  double pressure = 1010.0;
  double temperature = 10.0;
};

// The option names, for Args::Only.
const std::set<std::string>& ObserverOptionNames();
// --lat and --lon are required; the others take their defaults.
Observer ReadObserverAt(const Args& args);
// Nothing when none of the options is given; --lat and --lon are needed otherwise.
std::optional<Observer> ReadObserver(const Args& args);

// ra, dec: geocentric apparent place (degrees); parallax: equatorial horizontal parallax
// (degrees, 0 for a star); jd0 and hours: the UT instant.
void AddObserverPlace(Json& out, const Observer& observer, double ra, double dec,
                      double parallax, double jd0, double hours);

}  // namespace veltrane::cli
