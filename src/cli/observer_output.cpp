#include "cli/observer_output.h"

#include "astro/horizon.h"
#include "astro/sidereal_time.h"
#include "astro/topocentric.h"
#include "foundation/angles.h"

namespace veltrane::cli {

void AddObserverOptions(CLI::App* command, ObserverOptions& into, bool required) {
  CLI::Option* lat = AddNumber(command, "--lat", into.lat, "observer's latitude, degrees north", -90, 90);
  CLI::Option* lon = AddNumber(command, "--lon", into.lon, "observer's longitude, degrees east", -180, 180);
  if (required) {
    lat->required();
    lon->required();
  }
  AddNumber(command, "--height", into.height, "observer's height above the ellipsoid, m (default 0)", -500, 100000);
  AddNumber(command, "--pressure", into.pressure, "air pressure, hPa (default 1010)", 0, 1200);
  AddNumber(command, "--temp", into.temperature, "air temperature, degrees C (default 10)", -90, 60);
}

std::optional<Observer> ObserverOf(const ObserverOptions& o) {
  if (!o.lat && !o.lon && !o.height && !o.pressure && !o.temperature) return std::nullopt;
  if (!o.lat || !o.lon) throw UsageError("the observer's place needs both --lat and --lon");
  Observer observer;
  observer.lat = *o.lat;
  observer.lonWest = WestLongitude(*o.lon);
  observer.height = o.height.value_or(observer.height);
  observer.pressure = o.pressure.value_or(observer.pressure);
  observer.temperature = o.temperature.value_or(observer.temperature);
  return observer;
}

void AddObserverPlace(Json& out, const Observer& observer, double ra, double dec,
                      double parallax, double jd0, double hours) {
  const EquatorialPlace topo = TopocentricPlace(ra, dec, observer.lonWest, observer.lat,
                                                observer.height, parallax, hours, jd0);
  const double gha = HourAngleD(SiderealTime(jd0, hours).apparent, topo.ra);
  PositionRecord place;
  place.Lat = observer.lat;
  place.Lon = observer.lonWest;
  const HorizontalResult h =
      HorizontalCoords(place, gha, topo.dec, observer.pressure, observer.temperature);
  out.Set("topocentric", Json::Object().Set("ra_deg", topo.ra).Set("dec_deg", topo.dec));
  out.Set("horizontal", Json::Object()
                            .Set("lha_deg", h.lha)
                            .Set("altitude_deg", h.altitude)
                            .Set("azimuth_deg", h.azimuth)
                            .Set("refraction_deg", h.refraction));
}

}  // namespace veltrane::cli
