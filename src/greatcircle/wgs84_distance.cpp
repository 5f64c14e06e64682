#include "greatcircle/wgs84_distance.h"

#include <GeographicLib/Geodesic.hpp>

namespace veltrane {

double Wgs84DistanceKm(const PositionRecord& p1, const PositionRecord& p2) {
  double metres = 0.0;
  // GeographicLib counts longitude east positive.
  GeographicLib::Geodesic::WGS84().Inverse(p1.Lat, -p1.Lon, p2.Lat, -p2.Lon, metres);
  return metres / 1000.0;
}

}  // namespace veltrane
