#pragma once
// Reading numbers from field texts. Text that does not convert yields nothing, never an error.
#include <optional>
#include <string>
#include <string_view>

namespace veltrane {

// Optional sign, digits, a point as decimal separator, an optional exponent; surrounding
// blanks are allowed. "nan", "inf", hex and empty text are not numbers.
std::optional<double> ParseReal(std::string_view text);
// A whole number that fits in an int.
std::optional<int> ParseInt(std::string_view text);

// Nearest integer, ties to even.
double RoundHalfEven(double x);
// x brought to a step of 1/scale (scale 10 gives tenths) with ties to even.
double RoundToScale(double x, double scale);
// Fixed-point text with d decimals; never "-0.0".
std::string Str(double v, int decimals);
// Whole-number text of an integral double ("-3", "12").
std::string IntStr(double v);

}  // namespace veltrane
