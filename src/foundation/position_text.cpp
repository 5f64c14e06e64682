#include "foundation/position_text.h"

#include <cmath>

#include "foundation/angles.h"
#include "foundation/calendar.h"
#include "foundation/checks.h"
#include "foundation/numbers.h"

namespace veltrane {

int MaxDegrees(AngleKind kind) { return kind == AngleKind::Latitude ? 90 : 180; }

const char* PlusCaption(AngleKind kind) { return kind == AngleKind::Latitude ? "North" : "West"; }

const char* MinusCaption(AngleKind kind) { return kind == AngleKind::Latitude ? "South" : "East"; }

AngleReading ReadAngleText(const AngleText& text, int maxDeg) {
  if (auto problem = IntRangeProblem(text.deg, maxDeg)) return {std::nullopt, *problem};
  const std::string min = TrimBlanks(text.min).empty() ? std::string("0") : text.min;
  if (auto problem = MinutesProblem(text.deg, min, maxDeg)) return {std::nullopt, *problem};
  const double value = DegMinToDeg(*ParseInt(text.deg), *ParseReal(min));
  return {text.minus ? -value : value, {}};
}

AngleText AngleTextOf(double value) {
  const DegMin dm = SplitDegMinRounded(std::fabs(value));
  const double minutes = RoundToScale(dm.min, 10.0);
  const bool zero = dm.deg == 0 && minutes == 0.0;
  return {std::to_string(dm.deg), (minutes < 10.0 ? "0" : "") + Str(minutes, 1), value < 0.0 && !zero};
}

std::string DegMinJoined(double value) {
  const AngleText t = AngleTextOf(value);
  return t.deg + kDegreeSign + " " + t.min + "'";
}

std::string DegMinWithHemisphere(double value, AngleKind kind) {
  const char* caption = AngleTextOf(value).minus ? MinusCaption(kind) : PlusCaption(kind);
  return DegMinJoined(value) + "  " + caption[0];
}

PositionReading ReadPositionText(const PositionText& text) {
  const AngleReading lat = ReadAngleText(text.lat, MaxDegrees(AngleKind::Latitude));
  if (!lat.value) return {std::nullopt, lat.message};
  const AngleReading lon = ReadAngleText(text.lon, MaxDegrees(AngleKind::Longitude));
  if (!lon.value) return {std::nullopt, lon.message};
  return {PositionRecord{0.0, *lat.value, *lon.value}, {}};
}

}  // namespace veltrane
