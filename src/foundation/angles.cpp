#include "foundation/angles.h"

#include <cmath>

#include "foundation/numbers.h"

namespace veltrane {

double SinD(double a) { return std::sin(a * kDegToRad); }
double CosD(double a) { return std::cos(a * kDegToRad); }

double TanD(double a) {
  const double c = CosD(a);
  const double t = SinD(a) / c;
  if (c == 0.0 || !std::isfinite(t)) throw TanError();
  return t;
}

double ArcSinR(double x) {
  if (std::fabs(x) >= 1.0) return kPi * x / 2.0;
  return std::atan(x / std::sqrt(1.0 - x * x));
}

double ArcSinD(double x) { return ArcSinR(x) * kRadToDeg; }
double ArcCosD(double x) { return (kPiHalf - ArcSinR(x)) * kRadToDeg; }
double ArcTanD(double x) { return std::atan(x) * kRadToDeg; }
double Log10(double x) { return std::log(x) / std::log(10.0); }
double FloorReal(double x) { return std::floor(x); }

double DirectionD(double y, double x) {
  if (x == 0.0) {
    if (y > 0.0) return 90.0;
    if (y < 0.0) return 270.0;
    return 0.0;
  }
  double d = ArcTanD(y / x);
  if (x < 0.0)
    d += 180.0;
  else if (y < 0.0)
    d += 360.0;
  return d;
}

double Mod360(double a) {
  const double whole = std::trunc(a);
  return std::fmod(whole, 360.0) + (a - whole);
}

double Norm360(double a) {
  double r = Mod360(a);
  if (r < 0.0) r += 360.0;
  if (r >= 360.0) r -= 360.0;  // -1e-17 + 360 rounds to 360
  return r;
}

double Norm180(double a) {
  double r = Mod360(a);
  if (r > 180.0)
    r -= 360.0;
  else if (r < -180.0)
    r += 360.0;
  return r;
}

double FoldLat(double a) {
  const double whole = std::trunc(a);
  double r = std::fmod(whole, 180.0) + (a - whole);
  if (r > 90.0)
    r = 180.0 - r;
  else if (r < -90.0)
    r = -r - 180.0;
  return r;
}

double Wrap180(double a) {
  if (a < -180.0) return a + 360.0;
  if (a > 180.0) return a - 360.0;
  return a;
}

double EastLongitude(double lonWest) { return -Norm180(lonWest); }

double DegMinToDeg(double deg, double min) { return deg < 0.0 ? deg - min / 60.0 : deg + min / 60.0; }

double DmsToDeg(double deg, double min, double sec) {
  const double m = min / 60.0 + sec / 3600.0;
  return deg < 0.0 ? deg - m : deg + m;
}

DegMin SplitDegMin(double x) {
  const double whole = std::trunc(x);
  return {static_cast<int>(whole), std::fabs(x - whole) * 60.0};
}

DegMin SplitDegMinRounded(double x) {
  DegMin r = SplitDegMin(x);
  if (std::nearbyint(r.min * 10.0) / 10.0 == 60.0) {
    r.deg = std::abs(r.deg) + 1;
    if (x < 0.0) r.deg = -r.deg;
    r.min = 0.0;
  }
  return r;
}

double DegMinTextToDeg(const std::string& degText, const std::string& minText) {
  const double deg = static_cast<double>(ParseInt(degText).value_or(0));
  const auto min = minText.empty() ? std::optional<double>(0.0) : ParseReal(minText);
  if (!min) return kNoValue;
  return DegMinToDeg(deg, *min);
}

}  // namespace veltrane
