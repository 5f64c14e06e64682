#include <memory>

#include "cli/commands.h"
#include "cli/places.h"
#include "foundation/angles.h"
#include "greatcircle/great_route.h"
#include "greatcircle/grutil.h"
#include "greatcircle/wgs84_distance.h"

namespace veltrane::cli {
namespace {

Json NumberOrNull(bool has, double v) { return has ? Json::Number(v) : Json::Null(); }

struct GreatCircleOptions {
  LatLon from, to;
  int step = 6;
};

Result GreatCircle(const GreatCircleOptions& o) {
  const PreparedRoute route = PrepareRoute(EnginePosition(o.from), EnginePosition(o.to));

  const GreatCircleSolution s = GreatCircleSolve(route.start, route.end);
  const CourseDistance rhumb = MidLatitudeCourseDistance(route.start, route.end);
  const auto andoyer = GeodesicDistance(route.start, route.end);
  Json vertex = Json::Null();
  if (s.solved && s.hasVertex) vertex = PlaceJson(s.Vertex);
  Json waypoints = Json::Array();
  if (s.solved) {
    for (const RoutePoint& p : SailGreatLon(route, s.Vertex, s.Course, o.step).rows)
      waypoints.Push(Json::Object()
                         .Set("lat", p.lat)
                         .Set("lon", EastLongitude(p.lon))
                         .Set("heading_deg", NumberOrNull(p.hasLeg, p.heading))
                         .Set("leg_nm", NumberOrNull(p.hasLeg, p.leg))
                         .Set("total_nm", NumberOrNull(p.hasLeg, p.total)));
  }
  return {Json::Object()
              .Set("distance_nm", s.Distance)
              .Set("initial_course_deg", NumberOrNull(s.solved, s.Course))
              .Set("angle_deg", NumberOrNull(s.solved, s.Angle))
              .Set("vertex", std::move(vertex))
              .Set("sailing_direction", SailingDirectionText(route.direction))
              .Set("rhumb", Json::Object()
                                .Set("course_deg", NumberOrNull(rhumb.distance > 0.0, rhumb.course))
                                .Set("distance_nm", rhumb.distance))
              .Set("andoyer_km", NumberOrNull(andoyer.has_value(), andoyer.value_or(0.0)))
              .Set("wgs84_km", Wgs84DistanceKm(route.start, route.end))
              .Set("waypoints", std::move(waypoints))};
}

}  // namespace

void RegisterGreatCircleCommands(CommandSet& commands) {
  auto o = std::make_shared<GreatCircleOptions>();
  CLI::App* c = commands.Add("great-circle", "Great circle, rhumb line and geodesic between two positions, with waypoints",
                             [o] { return GreatCircle(*o); });
  AddPosition(c, "--from", o->from, "start position")->required();
  AddPosition(c, "--to", o->to, "end position")->required();
  AddInteger(c, "--step", o->step, "longitude between waypoints, whole degrees (default 6)", 1, 10);
}

}  // namespace veltrane::cli
