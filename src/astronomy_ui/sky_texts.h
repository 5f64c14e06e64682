#pragma once
// How the astronomy windows write angles and times.
#include <optional>
#include <string>

namespace veltrane {

// "-0° 30.0'": degrees and minutes with the sign kept below one degree.
std::string SignedDegMin(double deg);
// "hh:mm" local time of an hour value of UT (zoneHours: UT minus local time); empty for none.
std::string LocalClock(std::optional<double> utHours, double zoneHours);

}  // namespace veltrane
