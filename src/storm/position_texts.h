#pragma once
// Positions as the storm windows read and write them: whole degrees and decimal minutes, the
// hemisphere kept apart.
#include <optional>
#include <string>

#include "foundation/formats.h"

namespace veltrane {

// Shown when dead reckoning would carry a position over a pole.
inline constexpr const char* kBeyondPoleMessage = "The position would pass a pole";

// A course, bearing or wind direction: a whole number of degrees 0..360.
std::optional<int> ReadDirection(const std::string& text);
// A speed or distance: a number, not negative.
std::optional<double> ReadNonNegative(const std::string& text);

// Whole degrees and minutes of the angle's size; minutes that round to 60.0 carry into the
// degrees.
DegMinTexts DegMinFields(double x);
// The same joined: "20° 33.3'".
std::string DegMinJoined(double x);

}  // namespace veltrane
