#include "storm/storm_rules.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace veltrane {
namespace {

struct DistanceRow {
  double rateUpTo;
  double distance;
};

// Rate of fall (inches of mercury an hour, inclusive bound) to distance from the centre.
constexpr DistanceRow kCentreDistance[] = {
    {0.01, 300}, {0.02, 250}, {0.03, 220}, {0.04, 190}, {0.05, 170}, {0.06, 150}, {0.07, 130},
    {0.08, 120}, {0.09, 110}, {0.10, 95},  {0.11, 85},  {0.12, 80},  {0.13, 70},  {0.14, 60},
    {0.15, 50},  {0.16, 40},  {0.17, 35},  {0.18, 30},  {0.19, 25},  {0.20, 20}};

// Millibars to inches of mercury; millimetres of mercury are 0.75 millibars.
constexpr double kInchesPerMillibar = 0.02953;
constexpr double kMillimetresPerMillibar = 0.75;
constexpr double kMaxFallInches = 9.0;

// Beyond this the plot is off any screen; keeps the pixel conversion defined.
constexpr double kMaxPixelOffset = 1.0e6;

int TruncatePixels(double v) { return static_cast<int>(std::clamp(std::trunc(v), -kMaxPixelOffset, kMaxPixelOffset)); }

}  // namespace

int CentreBearing(int direction, const PositionRecord& position, BearingSource source) {
  int offset = 0;
  if (source == BearingSource::Wind) offset = 112;
  if (source == BearingSource::Cloud) offset = 90;
  if (position.Lat > 0.0) {
    int b = direction + offset;
    if (b > 360) b -= 360;
    return b;
  }
  if (position.Lat < 0.0) {
    int b = direction - offset;
    if (b < 0) b += 360;
    return b;
  }
  return direction;
}

double CentreDistance(double inchesPerHour) {
  for (const DistanceRow& row : kCentreDistance)
    if (row.rateUpTo >= inchesPerHour) return row.distance;
  const double d = RoundHalfEven(1.0 / (inchesPerHour * inchesPerHour) - 5.0);
  return std::max(d, 0.0);
}

FallRate FallToInches(PressureUnit unit, double value) {
  double inches = value;
  if (unit == PressureUnit::Millibar) inches = value * kInchesPerMillibar;
  if (unit == PressureUnit::MmHg) inches = value * kInchesPerMillibar / kMillimetresPerMillibar;
  FallRate r;
  r.inchesPerHour = RoundToScale(inches, 1000.0);
  r.valid = std::isfinite(r.inchesPerHour) && r.inchesPerHour >= 0.0 && r.inchesPerHour <= kMaxFallInches;
  return r;
}

std::optional<PositionRecord> DeadReckon(const PositionRecord& start, double distance, double course) {
  std::optional<PositionRecord> end = MidLatitudePosition(start, distance, course);
  if (end) end->Lon = Norm180(end->Lon);
  return end;
}

CourseDistance ShortCourseDistance(const PositionRecord& from, const PositionRecord& to) {
  PositionRecord near = to;
  near.Lon = from.Lon + Norm180(to.Lon - from.Lon);
  return MidLatitudeCourseDistance(from, near);
}

double FallEntryLimit(PressureUnit unit) {
  switch (unit) {
    case PressureUnit::Millibar: return 7.0;
    case PressureUnit::MmHg: return 5.0;
    case PressureUnit::InchHg: return 0.19;
  }
  return 0.0;
}

std::string CompassPoint8(double d) {
  // The sectors overlap by a degree at their edges; the first match wins.
  if (d > 337 || d < 23) return "N";
  if (d > 22 && d < 68) return "NE";
  if (d > 67 && d < 113) return "E";
  if (d > 112 && d < 158) return "SE";
  if (d > 157 && d < 201) return "S";
  if (d > 200 && d < 248) return "SW";
  if (d > 247 && d < 293) return "W";
  if (d > 292 && d < 338) return "NW";
  return "";
}

std::string CompassPoint4(double d) {
  if (d > 315 || d < 45) return "N";
  if (d > 44 && d < 136) return "E";
  if (d > 135 && d < 225) return "S";
  return "W";
}

PixelPoint PlotVectorEnd(int direction, int x0, int y0, double length) {
  const double d = direction;
  PixelPoint p;
  if (d < 90) {
    p.x = x0 + TruncatePixels(SinD(d) * length);
    p.y = y0 - TruncatePixels(CosD(d) * length);
  } else if (d < 180) {
    const double a = 180 - d;
    p.x = x0 + TruncatePixels(SinD(a) * length);
    p.y = y0 + TruncatePixels(CosD(a) * length);
  } else if (d < 270) {
    const double a = d - 180;
    p.x = x0 - TruncatePixels(SinD(a) * length);
    p.y = y0 + TruncatePixels(CosD(a) * length);
  } else {
    const double a = 360 - d;
    p.x = x0 - TruncatePixels(SinD(a) * length);
    p.y = y0 - TruncatePixels(CosD(a) * length);
  }
  return p;
}

int IntMod360(int n) { return n % 360; }

}  // namespace veltrane
