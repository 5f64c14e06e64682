#pragma once
// Degree-and-minute and clock texts as every window writes them.
#include <string>

namespace veltrane {

inline constexpr const char* kDegreeSign = "\u00b0";

std::string FmtTenths(double x);
std::string FmtSmallAngle(double x);
std::string FmtDegMin(double x);  // "12° 30.0'"

struct DegMinTexts {
  std::string deg;
  std::string min;
};

DegMinTexts FmtDegMinParts(double x);
std::string FmtDegMinAbs(double x);
std::string FmtDegMinSec(double x);  // "5° 30' 45.00''"
std::string FmtHMS(double hours);    // "13 h 30 m 45 s"
// Local clock text of a UT hour value for a zone difference (UT minus local) in hours.
std::string FmtZoneHM(double ut, double zoneHours);  // " 7 h 15 m"

}  // namespace veltrane
