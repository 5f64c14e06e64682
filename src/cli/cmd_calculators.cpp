#include <memory>

#include "cli/commands.h"
#include "coastal/meeting_course.h"
#include "coastal/tides.h"
#include "coastal/wind.h"
#include "foundation/checks.h"
#include "foundation/clock_text.h"

namespace veltrane::cli {
namespace {

struct TideOptions {
  double high = 0.0, low = 0.0;
  std::string highTime, lowTime;
  std::optional<std::string> time;
  std::optional<double> height;
  bool lowFirst = false;
};

// Tide times are clock times, as in the tide window.
double TideClock(const std::string& key, const std::string& text) {
  const auto hours = TideClockHours(text);
  if (!hours) throw UsageError(key + ": '" + text + "' is not a clock time hh:mm, 00:00 .. 23:59");
  return *hours;
}

Result Tide(const TideOptions& o) {
  if (o.time.has_value() == o.height.has_value()) throw UsageError("tide: give either --time or --height");
  const TideTimes times =
      TideTimesInOrder(TideClock("--high-time", o.highTime), TideClock("--low-time", o.lowTime), !o.lowFirst);
  if (o.time) {
    const TideAnswer a = TideHeightAt(o.high, o.low, times, TideClock("--time", *o.time));
    if (!a.fault.empty()) return ErrorResult(a.fault);
    return {Json::Object().Set("height", a.value)};
  }
  const TideAnswer a = TideTimeOf(o.high, o.low, times, *o.height);
  if (!a.fault.empty()) return ErrorResult(a.fault);
  return {Json::Object().Set("time", FmtClockHHMM(a.value, true))};
}

struct WindOptions {
  double heading = 0.0, boatSpeed = 0.0, apparentAngle = 0.0, apparentSpeed = 0.0;
  std::string side;
};

Result Wind(const WindOptions& o) {
  const TrueWind w = TrueWindFromApparent(o.heading, o.boatSpeed, o.apparentAngle, o.apparentSpeed,
                                          o.side == "starboard");
  if (!w.fault.empty()) return ErrorResult(w.fault);
  return {Json::Object().Set("true_direction_deg", w.direction).Set("true_speed_kn", w.speed)};
}

struct MeetOptions {
  double courseOther = 0.0, speedOther = 0.0, direction = 0.0, speedOwn = 0.0, distance = 0.0;
};

Result Meet(const MeetOptions& o) {
  const Meeting m = MeetingCourse(o.courseOther, o.speedOther, o.direction, o.speedOwn, o.distance);
  if (!m.fault.empty()) return ErrorResult(m.fault);
  return {Json::Object().Set("course_deg", m.course).Set("time_h", m.hours).Set("distance_nm", m.distance)};
}

}  // namespace

void RegisterCalculatorCommands(CommandSet& commands) {
  auto tide = std::make_shared<TideOptions>();
  CLI::App* t = commands.Add("tide", "Height of the tide at a time, or the time of a height, between high and low water",
                             [tide] { return Tide(*tide); });
  AddNumber(t, "--high", tide->high, "height of high water, m", -99.9, 99.9)->required();
  AddText(t, "--high-time", tide->highTime, "time of high water, hh:mm")->required();
  AddNumber(t, "--low", tide->low, "height of low water, m", -99.9, 99.9)->required();
  AddText(t, "--low-time", tide->lowTime, "time of low water, hh:mm")->required();
  AddText(t, "--time", tide->time, "the time asked for, hh:mm");
  AddNumber(t, "--height", tide->height, "the height asked for, m", -99.9, 99.9);
  t->add_flag("--low-first", tide->lowFirst, "low water comes first (high water first without it)");

  auto wind = std::make_shared<WindOptions>();
  CLI::App* w = commands.Add("wind", "True wind from the apparent wind", [wind] { return Wind(*wind); });
  AddNumber(w, "--heading", wind->heading, "boat's heading, degrees true", 0, 360)->required();
  AddNumber(w, "--boat-speed", wind->boatSpeed, "boat's speed, kn", 0, kMaxBoatSpeed)->required();
  AddNumber(w, "--apparent-angle", wind->apparentAngle, "apparent wind angle off the bow, degrees", 0, 360)
      ->required();
  AddNumber(w, "--apparent-speed", wind->apparentSpeed, "apparent wind speed, kn", 0, 99)->required();
  AddChoice(w, "--side", wind->side, "side the apparent wind comes from", {"port", "starboard"})->required();

  auto meet = std::make_shared<MeetOptions>();
  CLI::App* m = commands.Add("meet", "Course to meet another boat", [meet] { return Meet(*meet); });
  AddNumber(m, "--course-other", meet->courseOther, "other boat's course, degrees true", 0, 360)->required();
  AddNumber(m, "--speed-other", meet->speedOther, "other boat's speed, kn", 0, kMaxBoatSpeed)->required();
  AddNumber(m, "--direction", meet->direction, "direction of the other boat from own, degrees true", 0, 360)
      ->required();
  AddNumber(m, "--speed-own", meet->speedOwn, "own speed, kn", 0, kMaxBoatSpeed)->required();
  AddNumber(m, "--distance", meet->distance, "distance to the other boat, nm", 0, 999)->required();
}

}  // namespace veltrane::cli
