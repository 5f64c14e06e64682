// The engine against an independent computation of the IAU 2006/2000A standards (planetary
// theory of the Earth, full nutation and precession, rigorous aberration and proper motion)
// over 1900-2100: the Sun within 36" by the short solar theory, within half a second of arc by
// the planetary one. The Moon's reference is an independent transcription of the same truncated
// lunar theory, so it checks the tables rather than the theory.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/moon.h"
#include "astro/sidereal_time.h"
#include "astro/star_place.h"
#include "astro/sun.h"
#include "astro/sun_precise.h"

namespace veltrane {
namespace {

double ArcsecOnSky(double raA, double raB, double dec) {
  return std::remainder(raA - raB, 360.0) * std::cos(dec * M_PI / 180.0) * 3600.0;
}

struct Instant {
  double jd0, hours, deltaT;
  double T() const { return (jd0 + hours / 24.0 + deltaT / 86400.0 - 2451545.0) / 36525.0; }
};

// Polaris: 2h31m49.09s +89°15'50.8", proper motions 0.19877 s and -0.0152'' a year.
TEST(IndependentCheck, SunMoonSiderealTimeAndPolaris) {
  struct Case {
    Instant at;
    double sunRa, sunDec, moonRa, moonDec, moonKm, gastH, polarisRa, polarisDec;
  };
  const Case cases[] = {
      {{2415020.5, 6.0, -2.7}, 281.32224, -23.04323, 276.47402, -21.88822, 367453.3, 12.6956480, 20.758857, 88.781242},
      {{2433382.5, 18.0, 29.0}, 19.65740, 8.30119, 322.38743, -19.01897, 390644.1, 7.2919401, 26.791027, 89.031529},
      {{2451744.5, 12.0, 63.83}, 119.15954, 20.73582, 332.33869, -14.59076, 401328.4, 7.8390909, 38.001980, 89.259179},
      {{2460721.5, 3.5, 69.3}, 328.91845, -12.61595, 176.25607, 1.79223, 400667.9, 13.1931898, 45.932173, 89.375463},
      {{2470097.5, 21.0, 90.0}, 203.81013, -9.92380, 237.74297, -18.46934, 393906.0, 22.8365703, 58.169399, 89.453170},
      {{2487919.5, 9.0, 120.0}, 134.82120, 17.08583, 349.64479, -5.32034, 404884.4, 5.8840726, 87.597010, 89.538328},
  };
  const double polarisRa0 = 2.0 + 31.0 / 60.0 + 49.09 / 3600.0;
  const double polarisDec0 = 89.0 + 15.0 / 60.0 + 50.8 / 3600.0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.at.jd0);
    const SunApparentResult sun = SunApparent(c.at.T());
    EXPECT_LT(std::fabs(ArcsecOnSky(sun.ra, c.sunRa, c.sunDec)), 36.0);
    EXPECT_LT(std::fabs(sun.dec - c.sunDec) * 3600.0, 36.0);
    const SunPrecisePlace precise = SunApparentPrecise(c.at.T());
    EXPECT_LT(std::fabs(ArcsecOnSky(precise.ra, c.sunRa, c.sunDec)), 0.5);
    EXPECT_LT(std::fabs(precise.dec - c.sunDec) * 3600.0, 0.5);
    const MoonPositionResult moon = MoonPosition(c.at.T());
    EXPECT_LT(std::fabs(ArcsecOnSky(moon.ra, c.moonRa, c.moonDec)), 1.5);
    EXPECT_LT(std::fabs(moon.dec - c.moonDec) * 3600.0, 1.0);
    EXPECT_NEAR(moon.distance, c.moonKm, 0.3);
    const double gast = SiderealTime(c.at.jd0, c.at.hours).apparent;
    EXPECT_LT(std::fabs(std::remainder(gast - c.gastH, 24.0)) * 3600.0, 0.05);
    const EquatorialPlace polaris = StarApparentPlace(polarisRa0, polarisDec0, 0.19877, -0.0152, c.at.T());
    EXPECT_LT(std::fabs(ArcsecOnSky(polaris.ra, c.polarisRa, c.polarisDec)), 1.0);
    EXPECT_LT(std::fabs(polaris.dec - c.polarisDec) * 3600.0, 1.0);
  }
}

}  // namespace
}  // namespace veltrane
