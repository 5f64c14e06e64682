#pragma once
// An angle as typed in a pair of fields, whole degrees and decimal minutes, read back when a
// window computes.
#include <optional>
#include <string>

namespace veltrane {

// Decimal degrees (no sign) of a whole-degree text and a minutes text, an empty or blank minutes
// text counting as 0; nothing when the degrees are not a whole number in 0..maxDeg, the minutes
// not in 0..59.9, or the angle beyond maxDeg. The same bounds as the checks while typing.
std::optional<double> FieldAngle(const std::string& degText, const std::string& minText, int maxDeg);

}  // namespace veltrane
