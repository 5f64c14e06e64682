#include "cli/commands.h"
#include "coastal/meeting_course.h"
#include "coastal/tides.h"
#include "coastal/wind.h"
#include "foundation/clock_text.h"

namespace veltrane::cli {
namespace {

// Tide times are clock times, as in the tide window.
double TideClock(const Args& args, const std::string& key) {
  const std::string text = args.Text(key);
  const auto hours = TideClockHours(text);
  if (!hours) throw UsageError(key + ": '" + text + "' is not a clock time hh:mm, 00:00 .. 23:59");
  return *hours;
}

Result Tide(const std::vector<std::string>& words) {
  const Args args(words, {"--low-first"});
  args.Only({"--high", "--high-time", "--low", "--low-time", "--time", "--height", "--low-first"});
  if (args.Has("--time") == args.Has("--height")) throw UsageError("tide: give either --time or --height");
  const double high = args.Number("--high"), low = args.Number("--low");
  const TideTimes times =
      TideTimesInOrder(TideClock(args, "--high-time"), TideClock(args, "--low-time"), !args.Has("--low-first"));
  if (args.Has("--time")) {
    const TideAnswer a = TideHeightAt(high, low, times, TideClock(args, "--time"));
    if (!a.fault.empty()) return ErrorResult(a.fault);
    return {Json::Object().Set("height", a.value)};
  }
  const TideAnswer a = TideTimeOf(high, low, times, args.Number("--height"));
  if (!a.fault.empty()) return ErrorResult(a.fault);
  return {Json::Object().Set("time", FmtClockHHMM(a.value, true))};
}

Result Wind(const std::vector<std::string>& words) {
  const Args args(words);
  args.Only({"--heading", "--boat-speed", "--apparent-angle", "--apparent-speed", "--side"});
  const std::string side = args.Text("--side");
  if (side != "port" && side != "starboard") throw UsageError("--side: 'port' or 'starboard'");
  const TrueWind w = TrueWindFromApparent(args.Number("--heading"), args.Number("--boat-speed"),
                                          args.Number("--apparent-angle"), args.Number("--apparent-speed"),
                                          side == "starboard");
  if (!w.fault.empty()) return ErrorResult(w.fault);
  return {Json::Object().Set("true_direction_deg", w.direction).Set("true_speed_kn", w.speed)};
}

Result Meet(const std::vector<std::string>& words) {
  const Args args(words);
  args.Only({"--course-other", "--speed-other", "--direction", "--speed-own", "--distance"});
  const Meeting m = MeetingCourse(args.Number("--course-other"), args.Number("--speed-other"),
                                  args.Number("--direction"), args.Number("--speed-own"), args.Number("--distance"));
  if (!m.fault.empty()) return ErrorResult(m.fault);
  return {Json::Object().Set("course_deg", m.course).Set("time_h", m.hours).Set("distance_nm", m.distance)};
}

}  // namespace

void RegisterCalculatorCommands(CommandTable& table) {
  table["tide"] = Tide;
  table["wind"] = Wind;
  table["meet"] = Meet;
}

}  // namespace veltrane::cli
