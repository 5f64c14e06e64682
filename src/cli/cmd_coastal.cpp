#include <memory>
#include <string>

#include "cli/commands.h"
#include "cli/places.h"
#include "coastal/deviation.h"
#include "coastal/nav_utl.h"
#include "coastal/navigate.h"
#include "foundation/checks.h"
#include "foundation/text_file.h"

// Coastal navigation on the command line. sail, course-distance and current run Navigate's own
// tasks, so the tool and the window give the same answers. Longitude is east positive here and
// west positive in the sailing arithmetic (cli/places.h).
namespace veltrane::cli {
namespace {

struct SailOptions {
  LatLon from;
  double course = 0.0, distance = 0.0;
  std::string method = "mercator";
};

// Navigate's tasks with the ideal compass; a task that cannot run says why.
std::optional<std::string> Refusal(const NavResult& r) {
  if (r.messages.empty()) return std::nullopt;
  return r.messages.back();
}

Result Sail(const SailOptions& o) {
  NavInput in;
  in.sheet.start = EnginePosition(o.from);
  in.startTyped = true;
  in.sheet.magneticHeading = o.course;
  in.sheet.logDistance = o.distance;
  in.sailing = o.method == "midlat" ? Sailing::MidLatitude : Sailing::Mercator;
  const NavResult r = Solve(NavTask::Position, in, CompassTable{});
  if (const auto why = Refusal(r)) return ErrorResult(*why);
  return {PlaceJson(r.sheet.end.value_or(*in.sheet.start))};  // no run: she is where she started
}

struct CourseDistanceOptions {
  LatLon from, to;
};

Result CourseDistanceCommand(const CourseDistanceOptions& o) {
  NavInput in;
  in.sheet.start = EnginePosition(o.from);
  in.sheet.end = EnginePosition(o.to);
  in.startTyped = in.endTyped = true;
  const NavResult r = Solve(NavTask::DistHead, in, CompassTable{});
  if (const auto why = Refusal(r)) return ErrorResult(*why);
  return {Json::Object().Set("course_deg", *r.sheet.track).Set("distance_nm", *r.sheet.groundDistance)};
}

struct CurrentOptions {
  std::optional<double> set, drift, track, groundSpeed;
  double waterTrack = 0.0, boatSpeed = 0.0;
};

Result Current(const CurrentOptions& o) {
  NavInput in;
  in.sheet.magneticHeading = o.waterTrack;
  in.sheet.boatSpeed = o.boatSpeed;
  if (o.track || o.groundSpeed) {
    if (o.set || o.drift) throw UsageError("give either --set and --drift or --track and --ground-speed, not both");
    if (!o.track || !o.groundSpeed) throw UsageError("--track and --ground-speed go together");
    in.sheet.track = o.track;
    in.sheet.groundSpeed = o.groundSpeed;
    in.runFromPositions = false;
    const NavResult r = Solve(NavTask::Current, in, CompassTable{});
    if (const auto why = Refusal(r)) return ErrorResult(*why);
    return {Json::Object().Set("set_deg", *r.sheet.set).Set("drift_kn", *r.sheet.drift)};
  }
  if (!o.set || !o.drift) throw UsageError("give --set and --drift, or --track and --ground-speed");
  in.sheet.set = o.set;
  in.sheet.drift = o.drift;
  const NavResult r = Solve(NavTask::TrackSpeed, in, CompassTable{});
  if (const auto why = Refusal(r)) return ErrorResult(*why);
  return {Json::Object()
              .Set("ground_track_deg", *r.sheet.track)
              .Set("ground_speed_kn", r.sheet.groundSpeed.value_or(0.0))};  // empty when she stands still
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
  const auto fix = LineCrossing(EnginePosition(o.a, o.bearingA), EnginePosition(o.b, o.bearingB));
  if (!fix) return ErrorResult("Lines do not cross");
  return {PlaceJson(*fix)};
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
  AddNumber(cu, "--boat-speed", current->boatSpeed, "speed through the water, kn", 0, kMaxBoatSpeed)->required();
  AddNumber(cu, "--set", current->set, "set of the current, degrees true", 0, 360);
  AddNumber(cu, "--drift", current->drift, "drift of the current, kn", 0, 14);
  AddNumber(cu, "--track", current->track, "track over ground, degrees true", 0, 360);
  AddNumber(cu, "--ground-speed", current->groundSpeed, "speed over ground, kn", 0, kMaxBoatSpeed);

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
