#pragma once
// Directions, speeds and distances as the storm windows read them, and their message for a run
// over a pole.
#include <optional>
#include <string>

namespace veltrane {

// Shown when dead reckoning would carry a position over a pole.
inline constexpr const char* kBeyondPoleMessage = "The position would pass a pole";

// A course, bearing or wind direction: a whole number of degrees 0..360.
std::optional<int> ReadDirection(const std::string& text);
// A speed or distance: a number, not negative.
std::optional<double> ReadNonNegative(const std::string& text);

}  // namespace veltrane
