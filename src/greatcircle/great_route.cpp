#include "greatcircle/great_route.h"

#include <cmath>

#include "foundation/angles.h"
#include "greatcircle/grutil.h"

namespace veltrane {

std::string SailingDirectionText(SailingDirection direction) {
  switch (direction) {
    case SailingDirection::West: return "West";
    case SailingDirection::East: return "East";
    case SailingDirection::North: return "North";
    case SailingDirection::South: return "South";
  }
  return "";
}

PreparedRoute PrepareRoute(const PositionRecord& start, const PositionRecord& end) {
  PreparedRoute r{start, end};
  if (std::fabs(start.Lon - end.Lon) >= 180.0) {
    if (r.start.Lon < 0.0) r.start.Lon += 360.0;
    if (r.end.Lon < 0.0) r.end.Lon += 360.0;
  }
  if (r.end.Lon > r.start.Lon)
    r.direction = SailingDirection::West;
  else if (r.end.Lon == r.start.Lon)
    r.direction = r.end.Lat > r.start.Lat ? SailingDirection::North : SailingDirection::South;
  else
    r.direction = SailingDirection::East;
  return r;
}

namespace {

// A vertex this close to a pole: the circle runs along two meridians, which the longitude steps
// never meet.
constexpr double kPolarVertex = 89.9999;

// The run up one meridian to the pole the initial course heads for and down the other to the
// end; the pole's row is left out when the end is that pole.
RouteTable OverThePole(const PreparedRoute& route, double initialCourse) {
  const double pole = CosD(initialCourse) > 0.0 ? 90.0 : -90.0;
  const double toPole = std::fabs(pole - route.start.Lat) * 60.0;
  const double fromPole = std::fabs(pole - route.end.Lat) * 60.0;
  RouteTable table;
  table.total = toPole;
  table.rows.push_back({route.start.Lat, Wrap180(route.start.Lon), true, initialCourse, toPole, toPole});
  if (fromPole > 0.0) {
    table.total += fromPole;
    table.rows.push_back({pole, Wrap180(route.end.Lon), true, pole > 0.0 ? 360.0 : 180.0, fromPole, table.total});
  }
  table.rows.push_back({route.end.Lat, Wrap180(route.end.Lon)});
  return table;
}

}  // namespace

RouteTable SailGreatLon(const PreparedRoute& route, const PositionRecord& vertex, double initialCourse, int step) {
  RouteTable table;
  if (step < 1) return table;
  const PositionRecord& start = route.start;
  const PositionRecord& end = route.end;
  if (std::fabs(vertex.Lat) > kPolarVertex && start.Lon != end.Lon) return OverThePole(route, initialCourse);
  const double stepDeg = end.Lon < start.Lon ? -step : step;
  auto reached = [&](double lon) { return stepDeg > 0 ? lon >= end.Lon : lon <= end.Lon; };

  PositionRecord p = start;
  double heading = initialCourse;
  double arrivingCourse = initialCourse;
  bool finished = false;
  bool more = true;
  while (more && (stepDeg > 0 ? p.Lon <= end.Lon : p.Lon >= end.Lon)) {
    RoutePoint row;
    row.lat = p.Lat;
    row.lon = Wrap180(p.Lon);
    if (p.Lon == start.Lon)
      heading = initialCourse;
    else if (p.Lon != end.Lon)
      heading = arrivingCourse;
    const PositionRecord previous = p;
    if (finished) more = false;
    p.Lon += stepDeg;
    if (reached(p.Lon)) {
      // The end point itself rather than the circle's latitude there: on a route along a
      // meridian the circle has no latitude for a longitude.
      p = end;
      finished = true;
    } else {
      p.Lat = LatitudeOnGreatCircle(vertex, p.Lon);
    }
    const CourseDistance leg = MidLatitudeCourseDistance(previous, p);
    if (leg.distance > 0.0) {
      table.total += leg.distance;
      row.hasLeg = true;
      row.heading = heading;
      row.leg = leg.distance;
      row.total = table.total;
    }
    arrivingCourse = leg.course;
    table.rows.push_back(row);
  }
  return table;
}

}  // namespace veltrane
