#pragma once
// How the great-circle window writes latitudes, longitudes, courses and distances.
#include <string>

namespace veltrane {

// "46° 39.5'  N"; zero and southern latitudes read "S".
std::string LatitudeText(double lat);
// West-positive longitude, brought into -180..180: "79° 30.0'  W" or "  E".
std::string LongitudeText(double lon);
// One decimal and the degree sign: "240.3°".
std::string DegreesText(double degrees);
// One decimal and "  NM".
std::string MilesText(double miles);
// Three decimals and "  km" (`separator` is the text between number and unit).
std::string KilometresText(double km, const std::string& separator = "  ");

}  // namespace veltrane
