#include "storm/pressure_trend.h"

#include <cmath>

#include "foundation/numbers.h"

namespace veltrane {
namespace {

constexpr double kInchesPerMillibar = 0.02953;
constexpr double kMmPerMillibar = 0.75;
constexpr int kLowestMillibars = 950;
constexpr int kHighestMillibars = 1080;
constexpr int kHighAbove = 1013;

bool Opposite(const std::string& a, const std::string& b) {
  static const char* const kPairs[][2] = {{"N", "S"}, {"NE", "SW"}, {"E", "W"}, {"SE", "NW"}};
  for (const auto& pair : kPairs)
    if ((a == pair[0] && b == pair[1]) || (a == pair[1] && b == pair[0])) return true;
  return false;
}

// Courses that keep the centre on the starboard side, by the point the centre lies in.
const char* LeftSideSet(const std::string& centrePoint) {
  static const char* const kSets[][2] = {{"N", "NWSW"}, {"NE", "NW"}, {"E", "NWNE"}, {"SE", "NE"},
                                         {"S", "NESE"}, {"SW", "SE"}, {"W", "SESW"}, {"NW", "SW"}};
  for (const auto& row : kSets)
    if (centrePoint == row[0]) return row[1];
  return "";
}

char PositionLetter(const std::string& centrePoint, const std::string& coursePoint) {
  if (coursePoint == centrePoint || Opposite(centrePoint, coursePoint)) return 'C';
  return std::string(LeftSideSet(centrePoint)).find(coursePoint) != std::string::npos ? 'L' : 'R';
}

}  // namespace

const char* PressureClassName(bool high) { return high ? "High" : "Low"; }

std::optional<int> PressureToMillibars(PressureUnit unit, double reading) {
  double mb = reading;
  if (unit == PressureUnit::MmHg) mb = reading / kMmPerMillibar;
  if (unit == PressureUnit::InchHg) mb = reading / kInchesPerMillibar;
  if (!std::isfinite(mb)) return std::nullopt;
  mb = RoundHalfEven(mb);
  if (mb < kLowestMillibars || mb > kHighestMillibars) return std::nullopt;
  return static_cast<int>(mb);
}

PressureAdvice EvaluatePressure(const PressureSituation& s) {
  PressureAdvice a;
  a.high = s.millibars > kHighAbove;
  const std::string cls = PressureClassName(a.high);
  // Buys Ballot: with the back to the wind the low lies to the left in the north.
  const bool side = a.high ? !s.north : s.north;
  const bool approaching = a.high ? s.tendency == BaroTendency::Rising : s.tendency == BaroTendency::Falling;

  int d1 = side ? s.windDirection + 90 : s.windDirection - 90;
  if (d1 < 0)
    d1 += 360;
  else if (d1 > 360)
    d1 -= 360;
  int d2 = side ? s.windDirection + 136 : s.windDirection - 136;
  if (d2 < 0) d2 += 360;
  d2 = IntMod360(d2);
  a.centreDirection = d1;
  a.probableWind = d2;

  const std::string s1 = CompassPoint8(d1);
  const std::string s2 = CompassPoint8(s.course);
  a.status = std::string(1, PositionLetter(s1, s2)) + (approaching ? "" : "c");

  if (a.status.find('C') != std::string::npos) {
    a.lines.push_back((a.status == "C" ? " You are heading to a center of a " : " You are leaving a center of a ") +
                      cls);
  } else {
    a.lines.push_back(" The nearby pressure " + std::string(a.status.size() == 1 ? "is" : "was") + " a " + cls +
                      " on the " + s1 + " side");
    if (s.tendency != BaroTendency::Steady)
      a.lines.push_back(" at the time of barometer not " +
                        std::string(s.tendency == BaroTendency::Falling ? "falling" : "rising") + " any more.");
  }
  a.lines.push_back(" The wind will probably turn to the " + CompassPoint8(d2) + ".");
  a.lines.push_back("");
  const bool frontTurn = s.north ? s.windChange == WindChange::Veering : s.windChange == WindChange::Backing;
  if (s.tendency == BaroTendency::Falling && !a.high && frontTurn) {
    a.lines.push_back(" You are facing a front.");
    a.lines.push_back(" If there are squalls and towering cumulus clouds,");
    a.lines.push_back(" it is a cold front.");
  }
  return a;
}

}  // namespace veltrane
