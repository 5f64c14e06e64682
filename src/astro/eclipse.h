#pragma once
// Eclipses of the Sun and the Moon from the lunation series.

namespace veltrane {

// The lunation's eclipse geometry: k integer for New Moon, k + 0.5 for Full Moon.
struct EclipseGeometry {
  double jde = 0.0;    // instant of maximum eclipse (opposition or conjunction), JDE
  double gamma = 0.0;  // least distance of the shadow axis from the Earth's centre, Earth radii
  double u = 0.0;      // radius of the umbral cone in the fundamental plane, Earth radii
  double Mp = 0.0;     // Moon's mean anomaly, degrees
};
EclipseGeometry EclipseCore(double k);

enum SolarEclipseType {
  kSolarTotal = 1,
  kSolarAnnular = 2,
  kSolarAnnularTotal = 3,
  kSolarNonCentralTotal = 4,
  kSolarNonCentralAnnular = 5,
  kSolarPartial = 6,
};

struct SolarEclipseResult {
  double jde = 0.0;
  int type = kSolarPartial;
  double magnitude = 0.0;  // partial eclipses only, else 0
  double gamma = 0.0;
};

// The first solar eclipse whose maximum comes after jd (passing the maximum of an eclipse finds
// the next one).
SolarEclipseResult SolarEclipse(double jd);

enum LunarEclipseType { kLunarTotal = 1, kLunarPartial = 6, kLunarPenumbral = 7 };

struct LunarEclipseResult {
  double jde = 0.0;
  int type = kLunarPenumbral;
  double magnitude = 0.0;              // umbral, or penumbral for a penumbral eclipse
  double partialSemiDuration = 0.0;    // hours: the partial phase, or the penumbral one
  double totalSemiDuration = 0.0;      // hours, 0 unless total
  double gamma = 0.0;
};

// mode 0: the Earth's shadow of the usual almanacs; mode 1: the larger shadow of the French
// method. The first lunar eclipse whose maximum comes after jd.
LunarEclipseResult LunarEclipse(int mode, double jd);

}  // namespace veltrane
