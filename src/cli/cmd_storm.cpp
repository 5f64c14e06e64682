#include <cmath>

#include "cli/commands.h"
#include "storm/avoidance.h"
#include "storm/position_texts.h"
#include "storm/storm_centre.h"
#include "storm/storm_rules.h"

namespace veltrane::cli {
namespace {

// The command line counts longitude east positive, the storm computations west positive.
PositionRecord Engine(const LatLon& p) { return {0.0, p.lat, -p.lon}; }
Json Place(const PositionRecord& p) { return Json::Object().Set("lat", p.Lat).Set("lon", -p.Lon); }

constexpr double kSpeedNudge = 0.1;
constexpr double kMaxCycloneSpeed = 60.0;

int Direction(const Args& args, const std::string& key) {
  const int d = args.Integer(key);
  if (d < 0 || d > 360) throw UsageError(key + " must be 0 to 360 degrees");
  return d;
}

PressureUnit Unit(const Args& args) {
  const std::string unit = args.OptionalText("--unit").value_or("mb");
  if (unit == "mb") return PressureUnit::Millibar;
  if (unit == "mmHg") return PressureUnit::MmHg;
  if (unit == "IM") return PressureUnit::InchHg;
  throw UsageError("--unit must be mb, mmHg or IM");
}

BearingSource Source(const Args& args) {
  const std::string source = args.OptionalText("--source").value_or("wind");
  if (source == "wind") return BearingSource::Wind;
  if (source == "cloud") return BearingSource::Cloud;
  if (source == "centre") return BearingSource::Centre;
  throw UsageError("--source must be wind, cloud or centre");
}

Result StormCentre(const std::vector<std::string>& words) {
  const Args args(words);
  args.Only({"--lat", "--lon", "--wind", "--fall", "--unit", "--source"});
  const double lat = args.Number("--lat");
  const double lon = args.Number("--lon");
  if (std::fabs(lat) > 90.0 || std::fabs(lon) > 180.0)
    throw UsageError("--lat must be within 90 and --lon within 180 degrees");
  const PressureUnit unit = Unit(args);
  const double rate = args.Number("--fall");
  if (rate < 0 || rate > FallEntryLimit(unit))
    throw UsageError("--fall must be 0 to 7 mb, 5 mmHg or 0.19 IM an hour");
  const FallRate fall = FallToInches(unit, rate);
  const auto estimate = EstimateCentre(Engine({lat, lon}), Direction(args, "--wind"), Source(args), fall.inchesPerHour);
  if (!estimate) return ErrorResult(kBeyondPoleMessage);
  return {Json::Object()
              .Set("bearing_deg", estimate->bearing)
              .Set("distance_nm", estimate->distance)
              .Set("centre", Place(estimate->centre))
              .Set("fall_inhg_per_h", fall.inchesPerHour)};
}

Result StormAvoid(const std::vector<std::string>& words) {
  const Args args(words);
  args.Only({"--boat", "--boat-speed", "--cyclone", "--heading", "--speed"});
  const PositionRecord boat = Engine(args.Position("--boat"));
  const PositionRecord cyclone = Engine(args.Position("--cyclone"));
  AvoidanceInput in;
  in.boatSpeed = args.Number("--boat-speed");
  in.cycloneSpeed = args.Number("--speed");
  in.heading = Direction(args, "--heading");
  if (in.boatSpeed < 0) throw UsageError("--boat-speed must not be negative");
  if (in.cycloneSpeed <= 0 || in.cycloneSpeed > kMaxCycloneSpeed)
    throw UsageError("--speed must be above 0 and at most 60 knots");
  // Equal speeds have no avoiding course; the windows make them unequal the same way.
  if (in.boatSpeed == in.cycloneSpeed) in.cycloneSpeed += kSpeedNudge;
  const CourseDistance target = ShortCourseDistance(boat, cyclone);
  in.bearing = target.course;
  in.distance = target.distance;

  const AvoidanceSolution s = SolveAvoidance(in);
  const bool solved = s.outcome == AvoidanceOutcome::Solved;
  const auto orNull = [solved](double v) { return solved ? Json::Number(v) : Json::Null(); };
  Json position = Json::Null();
  std::string arrival;
  if (solved) {
    if (const auto at = PositionAtCpa(boat, in.boatSpeed, s)) position = Place(*at);
    const ArrivalText a = ArrivalIn(s.timeToCpa);
    arrival = a.hours + " h  " + a.minutes + " min";
  }
  return {Json::Object()
              .Set("course_deg", s.course)
              .Set("relative_speed_kn", orNull(s.relativeSpeed))
              .Set("relative_distance_nm", orNull(s.relativeDistance))
              .Set("time_to_cpa_h", orNull(s.timeToCpa))
              .Set("distance_to_cpa_nm", orNull(s.distanceToCpa))
              .Set("position", std::move(position))
              .Set("bearing_deg", in.bearing)
              .Set("distance_nm", in.distance)
              .Set("cyclone_speed_kn", in.cycloneSpeed)
              .Set("arrival", solved ? Json::String(arrival) : Json::Null())
              .Set("progress_nm", orNull(s.timeToCpa * in.boatSpeed))
              .Set("outrun", Json::Bool(s.outcome == AvoidanceOutcome::Outrun))};
}

}  // namespace

void RegisterStormCommands(CommandTable& table) {
  table["storm-centre"] = StormCentre;
  table["storm-avoid"] = StormAvoid;
}

}  // namespace veltrane::cli
