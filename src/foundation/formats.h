#pragma once
// Degree-and-minute and clock texts as every window writes them.
#include <string>

namespace veltrane {

inline constexpr const char* kDegreeSign = "\u00b0";

std::string FmtTenths(double x);
std::string FmtDegMin(double x);  // "12° 30.0'"
std::string FmtDegMinAbs(double x);
std::string FmtDegMinSec(double x);  // "5° 30' 45.00''"
std::string FmtHMS(double hours);    // "13 h 30 m 45 s"

}  // namespace veltrane
