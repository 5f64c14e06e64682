#pragma once
// Great-circle and rhumb-line arithmetic on the sphere (one minute of arc is one nautical mile)
// and Andoyer's distance on the ellipsoid. Longitudes are WEST positive, as in the sailing
// arithmetic; the Direction of a PositionRecord is not used.
#include <optional>

#include "coastal/nav_utl.h"

namespace veltrane {

struct GreatCircleSolution {
  double dLat = 0.0;      // start minus end latitude, degrees
  double dLon = 0.0;      // longitude difference after the 180° adjustment (sign not meaningful)
  double Distance = 0.0;  // nautical miles
  // The rest is set only when `solved`: coincident or antipodal points, or a start at a pole,
  // have no defined course.
  bool solved = false;
  double Angle = 0.0;   // raw course angle 0..180 from north towards the end point's side
  double Course = 0.0;  // initial course 0..360
  // The highest-latitude point of the circle on the start's side of the equator, whichever way
  // the route runs. A route along the equator has none.
  bool hasVertex = false;
  PositionRecord Vertex;
};

inline constexpr const char* kZeroDivisorMessage = "Jakajana nolla.";

// The great circle from start to end. When it cannot be solved only dLat, dLon and Distance
// are set and the window shows kZeroDivisorMessage.
GreatCircleSolution GreatCircleSolve(const PositionRecord& start, const PositionRecord& end);

// Course and distance by mid-latitude sailing. The longitude difference is not reduced across
// the 180th meridian: callers pass longitudes already brought to 0..360 for such routes.
// Coincident points give course 0 and distance 0.
CourseDistance MidLatitudeCourseDistance(const PositionRecord& start, const PositionRecord& end);

// Latitude where the great circle through `vertex` crosses the meridian `lon` (west positive).
double LatitudeOnGreatCircle(const PositionRecord& vertex, double lon);

// Andoyer's approximation of the distance on the ellipsoid (a = 6378.14 km, f = 1/298.257),
// kilometres. Coincident points give 0; antipodal points, where the formula divides by zero,
// give nothing.
std::optional<double> GeodesicDistance(const PositionRecord& p1, const PositionRecord& p2);

}  // namespace veltrane
