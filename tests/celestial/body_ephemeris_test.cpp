// The sight ephemeris against an independent ephemeris (PyEphem 4.1: VSOP87 planets, ELP
// Moon, its own Delta T), topocentric for an observer at sea level, geometric altitude.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "celestial/body_ephemeris.h"
#include "celestial/simulated_sights.h"

namespace veltrane {
namespace {

double ArcMin(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)) * 60.0; }

StarCatalogueData Star(const std::string& name) {
  static const std::map<std::string, StarCatalogueData> stars = {
      {"Sirius", ReadStarCatalogueData("06:45:08.9", "-16:42:58", "-0.0385", "-1.205")},
      {"Vega", ReadStarCatalogueData("18:36:56.3", "+38:47:01", "+0.0173", "+0.286")},
      {"Achernar", ReadStarCatalogueData("01:37:42.9", "-57:14:12", "+0.0117", "-0.035")},
      {"Arcturus", ReadStarCatalogueData("14:15:39.7", "+19:10:57", "-0.0772", "-1.998")},
  };
  return stars.at(name);
}

TEST(BodyEphemeris, AgreesWithAnIndependentEphemeris) {
  struct Date {
    int y, m, d;
  };
  struct Case {
    NavBody body;
    const char* name;
    Date date;
    double ut, lat, lonWest;
    double gha, dec, hc, zn;  // reference
  };
  const Case cases[] = {
      {NavBody::Sun, "Sun", {1977, 3, 31}, 13.890000, 39.766667, 52.400000, 27.30671, 4.24762, 47.86573, 140.9191},
      {NavBody::Sun, "Sun", {1977, 6, 12}, 10.903889, 41.166667, 22.366667, 343.62542, 23.15640, 53.00753, 107.0104},
      {NavBody::Moon, "Moon", {1977, 6, 11}, 22.489167, 41.366667, -166.583333, 211.24109, 9.93580, 54.86375, 211.5935},
      {NavBody::Sun, "Sun", {2026, 12, 6}, 12.000000, -33.900000, -18.400000, 2.24833, -22.52200, 68.60622, 296.7501},
      {NavBody::Moon, "Moon", {2026, 12, 6}, 6.000000, 60.160000, -24.955000, 305.70974, -21.37522, 5.03618, 152.7427},
      {NavBody::Moon, "Moon", {2019, 3, 14}, 18.500000, 50.000000, 4.000000, 1.58024, 20.64858, 60.58594, 175.3858},
      {NavBody::Venus, "Venus", {2026, 12, 6}, 6.000000, 36.000000, 5.000000, 315.19919, -9.96482, 24.36749, 124.3251},
      {NavBody::Mars, "Mars", {2020, 10, 13}, 23.000000, 45.000000, 30.000000, 347.34553, 5.44271, 35.78665, 123.7459},
      {NavBody::Jupiter, "Jupiter", {2023, 11, 3}, 22.000000, 20.000000, -25.000000, 334.44943, 13.60279, 83.58114, 175.2078},
      {NavBody::Saturn, "Saturn", {2024, 9, 8}, 22.000000, -20.000000, -30.000000, 330.50703, -7.55255, 77.54286, 357.6692},
      {NavBody::Star, "Sirius", {2026, 1, 15}, 22.000000, 40.000000, 70.000000, 343.78420, -16.75273, -7.86654, 105.3023},
      {NavBody::Star, "Vega", {1977, 6, 11}, 22.489167, 41.366667, -166.583333, 318.42996, 38.76308, 4.47425, 320.1653},
      {NavBody::Star, "Achernar", {2010, 11, 20}, 20.000000, -35.000000, -20.000000, 335.18602, -57.18221, 67.58133, 173.1506},
      {NavBody::Star, "Arcturus", {2030, 5, 1}, 2.000000, 10.000000, 60.000000, 34.78475, 19.02321, 64.01529, 66.8172},
  };
  for (const Case& c : cases) {
    const SightInstant when = test::At(c.date.y, c.date.m, c.date.d, c.ut);
    SightObserver observer;
    observer.assumed.Lat = c.lat;
    observer.assumed.Lon = c.lonWest;
    const StarCatalogueData star = c.body == NavBody::Star ? Star(c.name) : StarCatalogueData{};
    const BodyPlace p = BodyEphemeris(c.body, &star, observer, when);
    // Arc minutes: the engine's own accuracy per body.
    const double limit = c.body == NavBody::Star ? 0.1
                         : c.body == NavBody::Saturn ? 2.0
                         : c.body == NavBody::Sun                             ? 0.5
                         : c.body == NavBody::Moon ? 0.2  // at UT instead of UT + Delta T it is off by 0.4'
                                                   : 1.0;
    const double cosDec = std::cos(c.dec * M_PI / 180.0);
    EXPECT_LT(ArcMin(p.gha, c.gha) * cosDec, limit) << c.name << " GHA " << p.gha;
    EXPECT_LT(ArcMin(p.dec, c.dec), limit) << c.name << " Dec " << p.dec;
    EXPECT_LT(ArcMin(p.hc, c.hc), limit) << c.name << " Hc " << p.hc;
    EXPECT_LT(ArcMin(p.zn, c.zn), 6.0) << c.name << " Zn " << p.zn;
  }
}

}  // namespace
}  // namespace veltrane
