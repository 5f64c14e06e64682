#pragma once
// The exact ellipsoidal distance on WGS-84, shown beside Andoyer's approximation so a navigator
// sees how close the approximation is.
#include "coastal/nav_utl.h"

namespace veltrane {

// Shortest distance on the WGS-84 ellipsoid in kilometres (longitudes west positive).
double Wgs84DistanceKm(const PositionRecord& p1, const PositionRecord& p2);

}  // namespace veltrane
