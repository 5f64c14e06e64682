#pragma once
// The eight converters of the Conversions window, with the program's own rounding constants.
#include <optional>
#include <string>
#include <vector>

namespace veltrane {

enum class Quantity { Temperature, Speed, Pressure, Mass, Volume, Length, Area, Angle };

struct ConvertedValue {
  std::string value;
  std::string unit;
};

struct Conversion {
  std::vector<ConvertedValue> results;  // empty: every result box is cleared
  std::string error;                    // a message to show ("Scale is '0-12'")
  std::optional<std::string> input;     // the text that replaces the typed value (a truncated force)
};

inline constexpr const char* kScaleMessage = "Scale is '0-12'";

// Radio-button captions of a converter, in the order the converter tests them.
const std::vector<std::string>& UnitsOf(Quantity q);
// The unit checked when the window opens.
const std::string& DefaultUnitOf(Quantity q);
const std::vector<std::string>& QuantityNames();  // "temperature", "speed", ...
std::optional<Quantity> QuantityFromName(const std::string& name);

// Converts the typed text for the checked unit. Empty text, text that is not a number, and
// values too large to show clear the results without a message.
Conversion Convert(Quantity q, const std::string& unit, const std::string& text);

// Beaufort force of a speed in knots ("0" .. "12").
std::string BeaufortNumber(double knots);

}  // namespace veltrane
