#pragma once
// A route between two positions as the great-circle window sails it: the working copies of the
// two positions, the sailing direction, and the waypoints at whole-degree longitude steps with
// the mid-latitude legs between them. Longitudes are west positive.
#include <string>
#include <vector>

#include "coastal/nav_utl.h"

namespace veltrane {

enum class SailingDirection { West, East, North, South };
std::string SailingDirectionText(SailingDirection direction);

struct PreparedRoute {
  PositionRecord start;
  PositionRecord end;
  SailingDirection direction = SailingDirection::West;
};

// Copies of both positions where, when the longitudes differ by 180° or more, each negative
// longitude gains 360 so that the route may run across the 180th meridian; and the direction
// the route is sailed in.
PreparedRoute PrepareRoute(const PositionRecord& start, const PositionRecord& end);

struct RoutePoint {
  double lat = 0.0;
  double lon = 0.0;  // -180..180
  // Every row but the end point has the leg that starts there. The heading is the initial
  // course on the first row, else that of the leg arriving at the point.
  bool hasLeg = false;
  double heading = 0.0;
  double leg = 0.0;    // nautical miles
  double total = 0.0;  // nautical miles from the start to the end of this row's leg
};

struct RouteTable {
  std::vector<RoutePoint> rows;  // the start first, the end point last
  double total = 0.0;
};

// Waypoints of the prepared route every `step` degrees of longitude towards the end, from the
// great circle through `vertex`. A route over a pole has the start, the pole and the end as its
// rows. A step below 1 gives an empty table.
RouteTable SailGreatLon(const PreparedRoute& route, const PositionRecord& vertex, double initialCourse, int step);

}  // namespace veltrane
