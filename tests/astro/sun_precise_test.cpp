// The Sun from the Earth's planetary theory and the full nutation series, against Meeus,
// Astronomical Algorithms (2nd ed.), examples 22.a and 25.b, and checksums of the tables.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/earth_series.h"
#include "astro/nutation_series.h"
#include "astro/sun_precise.h"

namespace veltrane {
namespace {

double Hms(double h, double m, double s) { return 15.0 * (h + m / 60.0 + s / 3600.0); }
double Dms(double d, double m, double s) { return d + m / 60.0 + s / 3600.0; }

constexpr double kExample25b = -0.072183436;  // 1992 October 13.0 TD

TEST(SunPreciseTest, Example25bWithTheTruncatedSeries) {
  const EarthHeliocentric earth = EarthHeliocentricPlace(kExample25b / 10.0);
  EXPECT_NEAR(earth.longitude, -43.63484796, 5e-9);
  EXPECT_NEAR(earth.latitude, -0.00000312, 5e-9);
  EXPECT_NEAR(earth.radius, 0.99760775, 5e-9);

  const SunPrecisePlace sun = SunApparentPrecise(kExample25b);
  EXPECT_NEAR(sun.radiusVector, 0.99760775, 5e-9);
  EXPECT_NEAR(sun.longitude, Dms(199, 54, 21.818), 0.0005 / 3600.0);
  EXPECT_NEAR(sun.ra, 198.378178, 5e-7);
  EXPECT_NEAR(sun.dec, -7.783871, 5e-7);
  // The complete theory gives 13h13m30.749s and -7°47'01.74"; the truncation leaves 0.014 s
  // and 0.20".
  EXPECT_NEAR(sun.ra, Hms(13, 13, 30.749), 0.015 * 15.0 / 3600.0);
  EXPECT_NEAR(sun.dec, -Dms(7, 47, 1.74), 0.21 / 3600.0);
}

TEST(SunPreciseTest, NutationSeries) {
  struct Case {
    double t, dPsi, dEps;  // seconds of arc
    double tolerance;
  };
  const Case cases[] = {
      {-0.127296372348, -3.788, 9.443, 0.0005},  // example 22.a, 1987 April 10.0 TD
      {kExample25b, 15.908, -0.308, 0.0005},     // example 25.b
      // Far from 2000 every term's rate shows.
      {-20.0, 15.686353028, 2.512195170, 1e-6},
      {0.5, 15.166078793, -5.331979259, 1e-6},
      {20.0, 11.270099425, 6.893864638, 1e-6},
  };
  for (const Case& c : cases) {
    const NutationAngles n = NutationIau1980(c.t);
    EXPECT_NEAR(n.dPsi, c.dPsi, c.tolerance) << c.t;
    EXPECT_NEAR(n.dEps, c.dEps, c.tolerance) << c.t;
  }
}

// Sums of each series' amplitudes, phases and frequencies: a wrong digit in any row shows.
TEST(SunPreciseTest, EarthSeriesChecksums) {
  struct Case {
    const char* name;
    std::size_t rows;
    double a, b, c;
  };
  const Case cases[] = {
      {"L0", 64, 178752448, 173.6965568, 750369.20045},
      {"L1", 34, 628332178527, 92.785335, 118934.33255},
      {"L2", 20, 62068, 52.8591, 136783.2378},
      {"L3", 7, 347, 32.524, 38100.126},
      {"L4", 3, 123, 11.112, 18849.23},
      {"L5", 1, 1, 3.14, 0.0},
      {"B0", 5, 538, 20.201, 98996.115},
      {"B1", 2, 15, 5.63, 10731.24},
      {"R0", 40, 101709876, 119.9830135, 667402.53835},
      {"R1", 10, 105576, 19.51389, 72746.85755},
      {"R2", 6, 4513, 25.4736, 120985.3678},
      {"R3", 2, 152, 8.193, 18849.226},
      {"R4", 1, 4, 2.56, 6283.08},
  };
  const EarthSeriesTables& s = EarthSeries();
  const auto series = [&s](const std::string& name) {
    const std::size_t power = name[1] - '0';
    return name[0] == 'L' ? s.longitude.at(power) : name[0] == 'B' ? s.latitude.at(power) : s.radius.at(power);
  };
  for (const Case& c : cases) {
    const std::span<const SeriesTerm> terms = series(c.name);
    double a = 0.0, b = 0.0, freq = 0.0;
    for (const SeriesTerm& t : terms) a += t.a, b += t.b, freq += t.c;
    EXPECT_EQ(terms.size(), c.rows) << c.name;
    EXPECT_EQ(a, c.a) << c.name;
    EXPECT_NEAR(b, c.b, 1e-9) << c.name;
    EXPECT_NEAR(freq, c.c, 1e-8) << c.name;
  }
}

}  // namespace
}  // namespace veltrane
