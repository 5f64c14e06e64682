#include "storm/position_texts.h"

#include <cmath>

#include "foundation/angles.h"
#include "foundation/calendar.h"
#include "foundation/numbers.h"

namespace veltrane {

namespace {
constexpr double kMaxMinutes = 59.9;
}

std::optional<double> ReadDegMin(const std::string& degText, const std::string& minText, int maxDeg) {
  const std::optional<int> deg = ParseInt(degText);
  const std::optional<double> min = TrimBlanks(minText).empty() ? 0.0 : ParseReal(minText);
  if (!deg || !min || *deg < 0 || *deg > maxDeg || *min < 0 || *min > kMaxMinutes) return std::nullopt;
  if (*deg == maxDeg && *min > 0) return std::nullopt;
  return DegMinToDeg(*deg, *min);
}

std::optional<int> ReadDirection(const std::string& text) {
  const std::optional<int> d = ParseInt(text);
  if (!d || *d < 0 || *d > 360) return std::nullopt;
  return d;
}

std::optional<double> ReadNonNegative(const std::string& text) {
  const std::optional<double> v = ParseReal(text);
  if (!v || *v < 0) return std::nullopt;
  return v;
}

DegMinTexts DegMinFields(double x) {
  const DegMin carried = SplitDegMinRounded(std::fabs(x));
  return carried.min == 0.0 ? FmtDegMinParts(carried.deg) : FmtDegMinParts(x);
}

std::string DegMinJoined(double x) {
  const DegMinTexts t = DegMinFields(x);
  return t.deg + kDegreeSign + " " + t.min + "'";
}

}  // namespace veltrane
