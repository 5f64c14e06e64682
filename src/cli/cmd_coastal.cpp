#include <cmath>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "coastal/deviation.h"
#include "coastal/nav_utl.h"
#include "foundation/angles.h"
#include "foundation/text_file.h"

// Coastal navigation on the command line. Longitude is east positive here and west positive
// in the sailing arithmetic: it is negated on the way in and out.
namespace veltrane::cli {
namespace {

PositionRecord Engine(const LatLon& p, double direction = 0.0) { return {direction, p.lat, -p.lon}; }

Json PositionJson(const PositionRecord& p) {
  return Json::Object().Set("lat", p.Lat).Set("lon", -Wrap180(p.Lon));
}

struct SailOptions {
  LatLon from;
  double course = 0.0, distance = 0.0;
  std::string method = "mercator";
};

Result Sail(const SailOptions& o) {
  const PositionRecord from = Engine(o.from);
  const auto end = o.method == "midlat" ? MidLatitudePosition(from, o.distance, o.course)
                                        : MercatorPosition(from, o.distance, o.course);
  if (!end) return ErrorResult("The run reaches a pole: no end position");
  return {PositionJson(*end)};
}

struct CourseDistanceOptions {
  LatLon from, to;
};

Result CourseDistanceCommand(const CourseDistanceOptions& o) {
  const CourseDistance r = MercatorCourseDistance(Engine(o.from), Engine(o.to));
  return {Json::Object().Set("course_deg", r.course).Set("distance_nm", r.distance)};
}

struct CurrentOptions {
  std::optional<double> set, drift, track, groundSpeed;
  double waterTrack = 0.0, boatSpeed = 0.0;
};

Result Current(const CurrentOptions& o) {
  if (o.track || o.groundSpeed) {
    if (o.set || o.drift) throw UsageError("give either --set and --drift or --track and --ground-speed, not both");
    if (!o.track || !o.groundSpeed) throw UsageError("--track and --ground-speed go together");
    const CurrentResult r = CurrentFromTracks(o.waterTrack, *o.track, o.boatSpeed, *o.groundSpeed);
    return {Json::Object().Set("set_deg", r.set).Set("drift_kn", r.drift)};
  }
  if (!o.set || !o.drift) throw UsageError("give --set and --drift, or --track and --ground-speed");
  return {Json::Object()
              .Set("ground_track_deg", Norm360(o.waterTrack + CurrentAngle(*o.set, o.waterTrack, *o.drift, o.boatSpeed)))
              .Set("ground_speed_kn", GroundSpeed(*o.set, o.waterTrack, *o.drift, o.boatSpeed))};
}

struct DeviationOptions {
  std::string table;
  double heading = 0.0;
  bool reverse = false;
};

Result Deviation(const DeviationOptions& o) {
  const auto text = ReadTextFile(o.table);
  if (!text) return ErrorResult("File " + o.table + " not found.");
  const HeadingKind kind = o.reverse ? HeadingKind::Magnetic : HeadingKind::Compass;
  return {Json::Object().Set("deviation_deg", DeviationAtHeading(ParseDeviationTable(*text), o.heading, kind))};
}

struct CrossBearingOptions {
  LatLon a, b;
  double bearingA = 0.0, bearingB = 0.0;
};

Result CrossBearing(const CrossBearingOptions& o) {
  const auto fix = LineCrossing(Engine(o.a, o.bearingA), Engine(o.b, o.bearingB));
  if (!fix) return ErrorResult("Lines do not cross");
  return {PositionJson(*fix)};
}

}  // namespace

void RegisterCoastalCommands(CommandSet& commands) {
  auto sail = std::make_shared<SailOptions>();
  CLI::App* s = commands.Add("sail", "End position of a run on a course", [sail] { return Sail(*sail); });
  AddPosition(s, "--from", sail->from, "start position")->required();
  AddNumber(s, "--course", sail->course, "course, degrees true", 0, 360)->required();
  AddNumber(s, "--distance", sail->distance, "distance run, nm", 0, 9999.9)->required();
  AddChoice(s, "--method", sail->method, "sailing (default mercator)", {"mercator", "midlat"});

  auto cd = std::make_shared<CourseDistanceOptions>();
  CLI::App* c = commands.Add("course-distance", "Mercator course and distance between two positions",
                             [cd] { return CourseDistanceCommand(*cd); });
  AddPosition(c, "--from", cd->from, "start position")->required();
  AddPosition(c, "--to", cd->to, "end position")->required();

  auto current = std::make_shared<CurrentOptions>();
  CLI::App* cu = commands.Add("current", "Track and speed over ground in a current, or the current from both tracks",
                              [current] { return Current(*current); });
  AddNumber(cu, "--water-track", current->waterTrack, "track through the water, degrees true", 0, 360)->required();
  AddNumber(cu, "--boat-speed", current->boatSpeed, "speed through the water, kn", 0, 30)->required();
  AddNumber(cu, "--set", current->set, "set of the current, degrees true", 0, 360);
  AddNumber(cu, "--drift", current->drift, "drift of the current, kn", 0, 14);
  AddNumber(cu, "--track", current->track, "track over ground, degrees true", 0, 360);
  AddNumber(cu, "--ground-speed", current->groundSpeed, "speed over ground, kn", 0, 30);

  auto deviation = std::make_shared<DeviationOptions>();
  CLI::App* d = commands.Add("deviation", "Deviation from a compass table", [deviation] { return Deviation(*deviation); });
  AddText(d, "--table", deviation->table, "the compass table file")->required();
  AddNumber(d, "--heading", deviation->heading, "compass heading (magnetic with --reverse), degrees", 0, 360)
      ->required();
  d->add_flag("--reverse", deviation->reverse, "the heading is magnetic");

  auto cross = std::make_shared<CrossBearingOptions>();
  CLI::App* x = commands.Add("cross-bearing", "Fix where two position lines cross", [cross] { return CrossBearing(*cross); });
  AddBearingLine(x, "--a", cross->a, cross->bearingA, "first position line")->required();
  AddBearingLine(x, "--b", cross->b, cross->bearingB, "second position line")->required();
}

}  // namespace veltrane::cli
