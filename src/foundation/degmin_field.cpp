#include "foundation/degmin_field.h"

#include "foundation/angles.h"
#include "foundation/calendar.h"
#include "foundation/numbers.h"

namespace veltrane {

std::optional<double> FieldAngle(const std::string& degText, const std::string& minText, int maxDeg) {
  const auto deg = ParseInt(degText);
  const auto min = TrimBlanks(minText).empty() ? std::optional<double>(0.0) : ParseReal(minText);
  if (!deg || !min || *deg < 0 || *deg > maxDeg || *min < 0.0 || *min > 59.9) return std::nullopt;
  if (*deg == maxDeg && *min > 0.0) return std::nullopt;
  return DegMinToDeg(*deg, *min);
}

}  // namespace veltrane
