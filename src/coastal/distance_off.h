#pragma once
// Distance off by heights and sextant angles, and the distance-time-speed sums. Heights are in
// feet, angles in degrees, distances in nautical miles unless a name says otherwise.
#include <optional>
#include <string>

namespace veltrane {

inline constexpr double kFeetPerMetre = 3.28084;
inline constexpr double kFeetPerMile = 6076.1155;  // 1852 m

// Every sextant angle is read less the index error (positive when the sextant reads too much).

// Dip of the horizon in degrees: 0.97' per square root of a foot of eye height.
double DipDeg(double eyeFeet);
double DistanceToHorizon(double eyeFeet);
// Feet to an object's waterline seen `angle` below the horizon; nothing when the angle, after
// index error and dip, is not between 0 and 90 degrees.
std::optional<double> DistanceByHorizonAngleFeet(double angle, double indexDeg, double eyeFeet);
// Feet to an object of known height from the angle between its top and its waterline; nothing
// unless the angle, after index error, is above 0 and at most 90 degrees.
std::optional<double> DistanceToObjectFeet(double angle, double indexDeg, double objectFeet);
// Distance to an object whose waterline is below the horizon, from the angle between the
// horizon and its top; nothing when the figures give no positive distance.
std::optional<double> DistanceBeyondHorizon(double angle, double indexDeg, double eyeFeet, double objectFeet);
// Geographic range: the horizon distances of eye and object added.
double VisibilityRange(double eyeFeet, double objectFeet);

// Result texts: "123  m   (0.1  NM)" (miles in tenths) and "123  m   (0.07  NM)" (hundredths).
std::string HorizonAngleText(double feet, bool metres);
std::string ObjectDistanceText(double feet, bool metres);

// Distance-time-speed: each from the other two (NM, hours, knots). A fault is the message
// shown instead of a result.
struct RunAnswer {
  double value = 0.0;
  std::string fault;
};
RunAnswer RunDistance(double speed, double hours);
// Up to 99 h 59 min, what an "hh:mm" field holds.
RunAnswer RunHours(double distance, double speed);
RunAnswer RunSpeed(double distance, double hours);

// Hours of an "hh:mm" field text: the first five characters, hours before ':' and minutes after.
double RunTimeHours(const std::string& text);

}  // namespace veltrane
