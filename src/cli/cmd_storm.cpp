#include <cmath>
#include <memory>

#include "cli/commands.h"
#include "cli/places.h"
#include "foundation/checks.h"
#include "storm/avoidance.h"
#include "storm/position_texts.h"
#include "storm/storm_centre.h"
#include "storm/storm_rules.h"

namespace veltrane::cli {
namespace {

PressureUnit Unit(const std::string& unit) {
  if (unit == "mmHg") return PressureUnit::MmHg;
  if (unit == "IM") return PressureUnit::InchHg;
  return PressureUnit::Millibar;
}

BearingSource Source(const std::string& source) {
  if (source == "cloud") return BearingSource::Cloud;
  if (source == "centre") return BearingSource::Centre;
  return BearingSource::Wind;
}

struct CentreOptions {
  double lat = 0.0, lon = 0.0, fall = 0.0;
  int wind = 0;
  std::string unit = "mb", source = "wind";
};

Result StormCentre(const CentreOptions& o) {
  const PressureUnit unit = Unit(o.unit);
  if (o.fall > FallEntryLimit(unit)) throw UsageError("--fall must be 0 to 7 mb, 5 mmHg or 0.19 IM an hour");
  const FallRate fall = FallToInches(unit, o.fall);
  const auto estimate = EstimateCentre(EnginePosition({o.lat, o.lon}), o.wind, Source(o.source), fall.inchesPerHour);
  if (!estimate) return ErrorResult(kBeyondPoleMessage);
  return {Json::Object()
              .Set("bearing_deg", estimate->bearing)
              .Set("distance_nm", estimate->distance)
              .Set("centre", PlaceJson(estimate->centre))
              .Set("fall_inhg_per_h", fall.inchesPerHour)};
}

struct AvoidOptions {
  LatLon boat, cyclone;
  double boatSpeed = 0.0, speed = 0.0;
  int heading = 0;
};

Result StormAvoid(const AvoidOptions& o) {
  const PositionRecord boat = EnginePosition(o.boat);
  const PositionRecord cyclone = EnginePosition(o.cyclone);
  AvoidanceInput in;
  in.boatSpeed = o.boatSpeed;
  in.cycloneSpeed = o.speed;
  in.heading = o.heading;
  if (in.cycloneSpeed <= 0) throw UsageError("--speed must be above 0 knots");
  const CourseDistance target = ShortCourseDistance(boat, cyclone);
  in.bearing = target.course;
  in.distance = target.distance;

  const AvoidanceSolution s = SolveAvoidance(in);
  const bool solved = s.outcome == AvoidanceOutcome::Solved;
  const auto orNull = [solved](double v) { return solved ? Json::Number(v) : Json::Null(); };
  Json position = Json::Null();
  std::string arrival;
  if (solved) {
    if (const auto at = PositionAtCpa(boat, in.boatSpeed, s)) position = PlaceJson(*at);
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
              .Set("cyclone_speed_kn", s.cycloneSpeed)
              .Set("arrival", solved ? Json::String(arrival) : Json::Null())
              .Set("progress_nm", orNull(s.timeToCpa * in.boatSpeed))
              .Set("outrun", Json::Bool(s.outcome == AvoidanceOutcome::Outrun))};
}

}  // namespace

void RegisterStormCommands(CommandSet& commands) {
  auto centre = std::make_shared<CentreOptions>();
  CLI::App* c = commands.Add("storm-centre", "Bearing and distance of a tropical cyclone's centre",
                             [centre] { return StormCentre(*centre); });
  AddNumber(c, "--lat", centre->lat, "boat's latitude, degrees north", -90, 90)->required();
  AddNumber(c, "--lon", centre->lon, "boat's longitude, degrees east", -180, 180)->required();
  AddInteger(c, "--wind", centre->wind, "direction the wind (cloud, centre) is from, whole degrees true", 0, 360)
      ->required();
  AddNumber(c, "--fall", centre->fall, "fall of the barometer per hour in --unit (at most 7 mb, 5 mmHg, 0.19 IM)",
            0, 7)
      ->required();
  AddChoice(c, "--unit", centre->unit, "pressure unit (default mb)", {"mb", "mmHg", "IM"});
  AddChoice(c, "--source", centre->source, "what --wind gives (default wind)", {"wind", "cloud", "centre"});

  auto avoid = std::make_shared<AvoidOptions>();
  CLI::App* a = commands.Add("storm-avoid", "Course to keep clear of a tropical cyclone, and its closest approach",
                             [avoid] { return StormAvoid(*avoid); });
  AddPosition(a, "--boat", avoid->boat, "boat's position")->required();
  AddNumber(a, "--boat-speed", avoid->boatSpeed, "boat's speed, kn", 0, kMaxBoatSpeed)->required();
  AddPosition(a, "--cyclone", avoid->cyclone, "cyclone's centre")->required();
  AddInteger(a, "--heading", avoid->heading, "cyclone's heading, whole degrees true", 0, 360)->required();
  AddNumber(a, "--speed", avoid->speed, "cyclone's speed, kn, above 0", 0, kMaxCycloneSpeed)->required();
}

}  // namespace veltrane::cli
