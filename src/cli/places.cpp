#include "cli/places.h"

#include "foundation/angles.h"

namespace veltrane::cli {

PositionRecord EnginePosition(const LatLon& p, double direction) {
  return {direction, p.lat, WestLongitude(p.lon)};
}

Json PlaceJson(const PositionRecord& p) {
  return Json::Object().Set("lat", p.Lat).Set("lon", EastLongitude(p.Lon));
}

}  // namespace veltrane::cli
