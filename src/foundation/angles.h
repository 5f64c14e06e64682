#pragma once
// Degree trigonometry, normalisation and degree/minute arithmetic shared by every calculator.
#include <stdexcept>
#include <string>

namespace veltrane {

inline constexpr double kDegToRad = 0.017453292519943295;
inline constexpr double kRadToDeg = 57.29577951308232;
inline constexpr double kPi = 3.141592653589793;
inline constexpr double kPiHalf = 1.5707963267948966;

// Raised by TanD; its text is what the window shows.
struct TanError : std::runtime_error {
  TanError() : std::runtime_error("Invalid argument to tan function") {}
};

double SinD(double a);
double CosD(double a);
double TanD(double a);  // throws TanError
double ArcSinR(double x);  // guarded: |x| >= 1 gives pi*x/2
double ArcSinD(double x);
double ArcCosD(double x);
double ArcTanD(double x);
double Log10(double x);
double FloorReal(double x);
// Direction of (x, y) in 0..360; x = 0 gives 90 or 270 (0 when y is 0 too).
double DirectionD(double y, double x);

double Mod360(double a);
double Norm360(double a);
double Norm180(double a);
double FoldLat(double a);
double Wrap180(double a);
// The engine counts longitude west positive; ISO 6709 and the command line east positive.
constexpr double WestLongitude(double lonEast) { return -lonEast; }
// East positive, -180..180, of a longitude counted west positive.
double EastLongitude(double lonWest);

struct DegMin {
  int deg = 0;       // whole degrees, carries the sign
  double min = 0.0;  // non-negative decimal minutes
};

double DegMinToDeg(double deg, double min);
double DmsToDeg(double deg, double min, double sec);
DegMin SplitDegMin(double x);
DegMin SplitDegMinRounded(double x);
// -999 when the minutes are not a number; an empty minute text counts as 0.
double DegMinTextToDeg(const std::string& degText, const std::string& minText);
inline constexpr double kNoValue = -999.0;

}  // namespace veltrane
