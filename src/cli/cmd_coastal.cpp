#include <cmath>
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

Result Sail(const std::vector<std::string>& words) {
  const Args args(words);
  args.Only({"--from", "--course", "--distance", "--method"});
  const PositionRecord from = Engine(args.Position("--from"));
  const double course = args.Number("--course");
  const double distance = args.Number("--distance");
  const std::string method = args.OptionalText("--method").value_or("mercator");
  if (method != "mercator" && method != "midlat") throw UsageError("--method must be mercator or midlat");
  const auto end = method == "midlat" ? MidLatitudePosition(from, distance, course)
                                      : MercatorPosition(from, distance, course);
  if (!end) return ErrorResult("The run reaches a pole: no end position");
  return {PositionJson(*end)};
}

Result CourseDistanceCommand(const std::vector<std::string>& words) {
  const Args args(words);
  args.Only({"--from", "--to"});
  const CourseDistance r = MercatorCourseDistance(Engine(args.Position("--from")), Engine(args.Position("--to")));
  return {Json::Object().Set("course_deg", r.course).Set("distance_nm", r.distance)};
}

Result Current(const std::vector<std::string>& words) {
  const Args args(words);
  args.Only({"--set", "--drift", "--water-track", "--boat-speed", "--track", "--ground-speed"});
  const double wt = args.Number("--water-track");
  const double boat = args.Number("--boat-speed");
  if (args.Has("--track") || args.Has("--ground-speed")) {
    if (args.Has("--set") || args.Has("--drift"))
      throw UsageError("give either --set and --drift or --track and --ground-speed, not both");
    const CurrentResult r = CurrentFromTracks(wt, args.Number("--track"), boat, args.Number("--ground-speed"));
    return {Json::Object().Set("set_deg", r.set).Set("drift_kn", r.drift)};
  }
  const double set = args.Number("--set"), drift = args.Number("--drift");
  return {Json::Object()
              .Set("ground_track_deg", Norm360(wt + CurrentAngle(set, wt, drift, boat)))
              .Set("ground_speed_kn", GroundSpeed(set, wt, drift, boat))};
}

Result Deviation(const std::vector<std::string>& words) {
  const Args args(words, {"--reverse"});
  args.Only({"--table", "--heading", "--reverse"});
  const std::string file = args.Text("--table");
  const double heading = args.Number("--heading");
  const auto text = ReadTextFile(file);
  if (!text) return ErrorResult("File " + file + " not found.");
  const HeadingKind kind = args.Has("--reverse") ? HeadingKind::Magnetic : HeadingKind::Compass;
  return {Json::Object().Set("deviation_deg", DeviationAtHeading(ParseDeviationTable(*text), heading, kind))};
}

PositionRecord BearingLine(const Args& args, const std::string& key) {
  const auto v = args.Numbers(key);
  if (v.size() != 3) throw UsageError(key + " must be LAT,LON,BEARING");
  if (std::fabs(v[0]) > 90.0 || std::fabs(v[1]) > 180.0)
    throw UsageError(key + ": latitude must be within 90 and longitude within 180 degrees");
  return Engine({v[0], v[1]}, v[2]);
}

Result CrossBearing(const std::vector<std::string>& words) {
  const Args args(words);
  args.Only({"--a", "--b"});
  const auto fix = LineCrossing(BearingLine(args, "--a"), BearingLine(args, "--b"));
  if (!fix) return ErrorResult("Lines do not cross");
  return {PositionJson(*fix)};
}

}  // namespace

void RegisterCoastalCommands(CommandTable& table) {
  table["sail"] = Sail;
  table["course-distance"] = CourseDistanceCommand;
  table["current"] = Current;
  table["deviation"] = Deviation;
  table["cross-bearing"] = CrossBearing;
}

}  // namespace veltrane::cli
