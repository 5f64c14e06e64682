#include "coastal/distance_off.h"

#include <cmath>

#include "foundation/angles.h"
#include "foundation/calendar.h"
#include "foundation/formats.h"
#include "foundation/numbers.h"

namespace veltrane {
namespace {

constexpr double kHorizonFactor = 1.144;  // NM per square root of a foot
constexpr const char* kNegative = "No answer for negative values";

std::optional<double> Positive(double x) {
  if (!std::isfinite(x) || x <= 0.0) return std::nullopt;
  return x;
}

// Whole units, then the miles in brackets.
std::string DistanceText(double feet, bool metres, int mileDecimals) {
  const double shown = metres ? feet / kFeetPerMetre : feet;
  const double miles = feet / kFeetPerMile;
  const std::string milesText =
      mileDecimals == 1 ? FmtTenths(miles) : Str(RoundToScale(miles, 100.0), mileDecimals);
  return Str(RoundHalfEven(shown), 0) + (metres ? "  m" : "  feet") + "   (" + milesText + "  NM)";
}

}  // namespace

double DipDeg(double eyeFeet) { return 0.97 * std::sqrt(eyeFeet) / 60.0; }

double DistanceToHorizon(double eyeFeet) { return kHorizonFactor * std::sqrt(eyeFeet); }

std::optional<double> DistanceByHorizonAngleFeet(double angle, double indexDeg, double eyeFeet) {
  const double a = angle - indexDeg + DipDeg(eyeFeet);
  if (a <= 0.0 || a >= 90.0) return std::nullopt;
  return Positive(eyeFeet / TanD(a));
}

std::optional<double> DistanceToObjectFeet(double angle, double indexDeg, double objectFeet) {
  const double a = angle - indexDeg;
  if (a > 90.0) return std::nullopt;
  return Positive(objectFeet / SinD(a));
}

std::optional<double> DistanceBeyondHorizon(double angle, double indexDeg, double eyeFeet, double objectFeet) {
  const double a = angle - indexDeg - DipDeg(eyeFeet);
  if (a <= -90.0 || a >= 90.0) return std::nullopt;
  const double t = TanD(a) / 0.000246;
  return Positive(std::sqrt(t * t + (objectFeet - eyeFeet) / 0.74736) - t);
}

double VisibilityRange(double eyeFeet, double objectFeet) {
  return DistanceToHorizon(eyeFeet) + DistanceToHorizon(objectFeet);
}

std::string HorizonAngleText(double feet, bool metres) { return DistanceText(feet, metres, 1); }

std::string ObjectDistanceText(double feet, bool metres) { return DistanceText(feet, metres, 2); }

RunAnswer RunDistance(double speed, double hours) {
  if (speed < 0.0 || hours < 0.0) return {0.0, kNegative};
  return {speed * hours, {}};
}

RunAnswer RunHours(double distance, double speed) {
  if (speed == 0.0) return {0.0, "Speed is zero"};
  if (distance < 0.0 || speed < 0.0) return {0.0, kNegative};
  const double hours = distance / speed;
  if (RoundHalfEven(hours * 60.0) >= 100.0 * 60.0) return {0.0, "Time more than 99 hours"};
  return {hours, {}};
}

RunAnswer RunSpeed(double distance, double hours) {
  if (hours == 0.0) return {0.0, "Time is zero"};
  if (distance < 0.0 || hours < 0.0) return {0.0, kNegative};
  return {distance / hours, {}};
}

double RunTimeHours(const std::string& text) {
  const std::string hhmm = text.substr(0, 5);
  return ParseReal(GetField(hhmm, ':', 0)).value_or(0.0) + ParseReal(GetField(hhmm, ':', 1)).value_or(0.0) / 60.0;
}

}  // namespace veltrane
