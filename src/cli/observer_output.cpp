#include "cli/observer_output.h"

#include "astro/horizon.h"
#include "astro/sidereal_time.h"
#include "astro/topocentric.h"

namespace veltrane::cli {

const std::set<std::string>& ObserverOptionNames() {
  static const std::set<std::string> names = {"--lat", "--lon", "--height", "--pressure",
                                              "--temp"};
  return names;
}

Observer ReadObserverAt(const Args& args) {
  Observer o;
  o.lat = args.Number("--lat");
  const double lonEast = args.Number("--lon");
  if (o.lat < -90.0 || o.lat > 90.0) throw UsageError("--lat: must lie in -90..90");
  if (lonEast < -180.0 || lonEast > 360.0) throw UsageError("--lon: must lie in -180..360");
  o.lonWest = -lonEast;
  o.height = args.OptionalNumber("--height").value_or(0.0);
  if (o.height < -500.0 || o.height > 100000.0) throw UsageError("--height: must lie in -500..100000 m");
  o.pressure = args.OptionalNumber("--pressure").value_or(1010.0);
  if (o.pressure < 0.0 || o.pressure > 1200.0) throw UsageError("--pressure: must lie in 0..1200 hPa");
  o.temperature = args.OptionalNumber("--temp").value_or(10.0);
  if (o.temperature < -90.0 || o.temperature > 60.0) throw UsageError("--temp: must lie in -90..60 C");
  return o;
}

std::optional<Observer> ReadObserver(const Args& args) {
  for (const std::string& name : ObserverOptionNames())
    if (args.Has(name)) return ReadObserverAt(args);
  return std::nullopt;
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
