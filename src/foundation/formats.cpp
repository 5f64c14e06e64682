#include "foundation/formats.h"

#include <cmath>
#include <cstdlib>

#include "foundation/numbers.h"

namespace veltrane {
namespace {

double FracAbs(double x) { return std::fabs(x - std::trunc(x)); }

std::string TwoDigits(long v) { return (v < 10 ? "0" : "") + std::to_string(v); }

// Minutes with one decimal, a leading "0" when the rounded minutes are below 10.
std::string MinutesText(double minutes) {
  const std::string s = Str(minutes, 1);
  return RoundToScale(minutes, 10.0) < 10.0 ? "0" + s : s;
}

std::string MinutesOrZero(double x, const char* zeroText) {
  const double m = FracAbs(x) * 60.0;
  return m == 0.0 ? zeroText : MinutesText(m);
}

}  // namespace

std::string FmtTenths(double x) {
  if (x == 0.0) return "0";
  return Str(RoundToScale(x, 10.0), 1);
}

std::string FmtDegMin(double x) {
  return IntStr(x) + kDegreeSign + " " + MinutesOrZero(x, "0.00") + "'";
}

std::string FmtDegMinAbs(double x) {
  return IntStr(std::fabs(x)) + kDegreeSign + " " + MinutesText(FracAbs(x) * 60.0) + "'";
}

std::string FmtDegMinSec(double x) {
  const double m = FracAbs(x) * 60.0;
  const long mm = static_cast<long>(std::trunc(m));
  const double ss = FracAbs(x) * 3600.0 - 60.0 * static_cast<double>(mm);
  return IntStr(x) + kDegreeSign + " " + TwoDigits(mm) + "' " + Str(ss, 2) + "''";
}

std::string FmtHMS(double hours) {
  if (!std::isfinite(hours)) return "";
  long h = static_cast<long>(std::trunc(std::fmod(hours, 24.0)));
  const double frac = FracAbs(hours);
  long mm = static_cast<long>(std::trunc(frac * 60.0));
  long ss = static_cast<long>(RoundHalfEven(frac * 3600.0 - 60.0 * static_cast<double>(mm)));
  if (ss >= 60) {
    ss = 0;
    ++mm;
  }
  if (mm > 59) {
    mm -= 60;
    ++h;
  }
  if (h >= 24) h -= 24;
  if (h < 0) h += 24;
  return std::to_string(h) + " h " + TwoDigits(mm) + " m " + TwoDigits(ss) + " s";
}

}  // namespace veltrane
