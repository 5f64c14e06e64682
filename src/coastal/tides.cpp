#include "coastal/tides.h"

#include <algorithm>
#include <cmath>

#include "foundation/angles.h"
#include "foundation/calendar.h"

namespace veltrane {

std::optional<double> TideClockHours(const std::string& text) {
  const std::string hh = TrimBlanks(GetField(text, ':', 0)), mm = TrimBlanks(GetField(text, ':', 1));
  const auto digits = [](const std::string& t) {
    return std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  if (hh.empty() || hh.size() > 2 || mm.size() != 2 || !digits(hh) || !digits(mm)) return std::nullopt;
  if (text.find(':') == std::string::npos || text.find(':') != text.rfind(':')) return std::nullopt;
  const int h = std::stoi(hh), m = std::stoi(mm);
  if (h > 23 || m > 59) return std::nullopt;
  return h + m / 60.0;
}

TideTimes TideTimesInOrder(double highHours, double lowHours, bool highFirst) {
  TideTimes r{highHours, lowHours};
  const double highHour = std::trunc(highHours), lowHour = std::trunc(lowHours);
  if (highFirst && lowHour < highHour) r.low += 24.0;
  if (!highFirst && highHour < lowHour) r.high += 24.0;
  return r;
}

TideAnswer TideHeightAt(double highHeight, double lowHeight, const TideTimes& times, double t) {
  if (times.high == times.low) return {0.0, "No answer: high and low water times are equal"};
  // 02:00 between 23:00 and 05:00 (29:00) is 26:00.
  const double first = std::min(times.high, times.low), last = std::max(times.high, times.low);
  if ((t < first || t > last) && t + 24.0 >= first && t + 24.0 <= last) t += 24.0;
  const double phase = (t - times.low) / (times.high - times.low) * 180.0;
  return {(highHeight + lowHeight) / 2.0 - CosD(phase) * (highHeight - lowHeight) / 2.0, {}};
}

TideAnswer TideTimeOf(double highHeight, double lowHeight, const TideTimes& times, double h) {
  if (highHeight == lowHeight) return {0.0, "No answer: high and low water heights are equal"};
  const double x = 1.0 - (h - lowHeight) * 2.0 / (highHeight - lowHeight);
  // Outside -1..1 the height is never reached between the two tides.
  if (x < -1.0 || x > 1.0) return {0.0, "No answer: the height is not between low and high water"};
  return {ArcCosD(x) / 180.0 * (times.high - times.low) + times.low, {}};
}

}  // namespace veltrane
