// The Sun, nutation, sidereal time and the observer's horizon against published worked
// examples of the same algorithms (Meeus, Astronomical Algorithms, 2nd ed.).
#include <gtest/gtest.h>

#include <cmath>

#include "astro/horizon.h"
#include "astro/nutation.h"
#include "astro/parallax.h"
#include "astro/sidereal_time.h"
#include "astro/sun.h"
#include "astro/topocentric.h"

namespace veltrane {
namespace {

double Hms(double h, double m, double s) { return h + m / 60.0 + s / 3600.0; }
double Dms(double d, double m, double s) { return d + m / 60.0 + s / 3600.0; }

TEST(SunTest, Example25aApparentPlace1992Oct13) {
  const double t = -0.072183436;  // 1992 October 13.0 TD
  const SunPositionResult sun = SunPosition(t);
  EXPECT_NEAR(sun.trueLongitude, 199.90988, 2e-5);
  EXPECT_NEAR(sun.radiusVector, 0.99766, 1e-5);
  const SunApparentResult app = SunApparent(t);
  EXPECT_NEAR(app.ra, 198.38083, 5e-5);
  EXPECT_NEAR(app.dec, -7.78507, 5e-5);
  EXPECT_NEAR(app.parallax, 8.794 / 3600.0 / 0.99766, 1e-7);
}

TEST(NutationTest, Example22a1987Apr10) {
  const double t = -0.127296372348;
  const NutationResult n = Nutation(t);
  // The four-term series is good to about half a second of arc in longitude.
  EXPECT_NEAR(n.dPsi, -3.788, 0.5);
  EXPECT_NEAR(n.dEps, 9.443, 0.15);
  EXPECT_NEAR(MeanObliquity(t), Dms(23, 26, 27.407), 1e-6);
}

TEST(SiderealTimeTest, WorkedExamples) {
  struct Case {
    double jd0, hours, mean, apparent;
  };
  const Case cases[] = {
      // Example 12.a: 1987 April 10 at 0h UT, mean and apparent.
      {2446895.5, 0.0, Hms(13, 10, 46.3668), Hms(13, 10, 46.1351)},
      // Example 12.b: 1987 April 10 at 19h21m UT (mean only published; apparent differs by
      // the same equation of the equinoxes within a hundredth of a second).
      {2446895.5, 19.35, Hms(8, 34, 57.0896), Hms(8, 34, 56.8579)},
  };
  for (const Case& c : cases) {
    const SiderealTimeResult st = SiderealTime(c.jd0, c.hours);
    EXPECT_NEAR(st.mean, c.mean, 2e-7) << c.jd0 << " " << c.hours;      // < 0.001 s
    EXPECT_NEAR(st.apparent, c.apparent, 1e-5) << c.jd0 << " " << c.hours;  // < 0.04 s
  }
  // 2000 January 1 at 12h UT: the constant term alone.
  EXPECT_NEAR(SiderealTime(2451544.5, 12.0).mean, 18.6973746, 1e-7);
}

TEST(HourAngleTest, WrapsIntoTheCircle) {
  EXPECT_DOUBLE_EQ(HourAngleD(2.0, 15.0), 15.0);
  EXPECT_DOUBLE_EQ(HourAngleD(1.0, 30.0), 345.0);
  EXPECT_NEAR(HourAngleD(0.0, 359.999), 0.001, 1e-9);
}

TEST(HorizonTest, Example13bVenusAtWashington) {
  // 1987 April 10, 19h21m UT: hour angle 64.352133 from 77°03'56" W.
  PositionRecord observer;
  observer.Lat = Dms(38, 55, 17);
  observer.Lon = Dms(77, 3, 56);
  const double dec = -Dms(6, 43, 11.61);
  const HorizontalResult h =
      HorizontalCoords(observer, 64.352133 + observer.Lon, dec, 1010.0, 10.0);
  EXPECT_NEAR(h.lha, 64.352133, 1e-9);
  EXPECT_NEAR(h.altitude, 15.1249, 1e-4);
  EXPECT_NEAR(h.azimuth, 68.0337 + 180.0, 1e-4);  // published from the south
  EXPECT_NEAR(h.refraction, Refraction(h.altitude, 1010.0, 10.0) / 60.0, 1e-12);
}

TEST(HorizonTest, MeridianPolesAndZenith) {
  // On the meridian at 50 N a body south of the zenith bears due south, one north of it due north.
  EXPECT_NEAR(HorizontalCoords({0.0, 50.0, 0.0}, 0.0, 20.0, 1010, 10).azimuth, 180.0, 1e-5);
  EXPECT_NEAR(HorizontalCoords({0.0, 50.0, 0.0}, 0.0, 70.0, 1010, 10).azimuth, 0.0, 1e-6);
  struct Case {
    double lat, gha, dec, altitude;
  };
  const Case cases[] = {
      {90.0, 40.0, 20.0, 20.0}, {-90.0, 300.0, 20.0, -20.0}, {35.0, 0.0, 35.0, 90.0},
      {-12.5, 0.0, -12.5, 90.0}, {0.0, 180.0, 0.0, -90.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lat);
    PositionRecord observer;
    observer.Lat = c.lat;
    const HorizontalResult h = HorizontalCoords(observer, c.gha, c.dec, 1010, 10);
    EXPECT_NEAR(h.altitude, c.altitude, 1e-6);
    EXPECT_TRUE(h.azimuth >= 0.0 && h.azimuth <= 360.0);
    EXPECT_TRUE(std::isfinite(h.refraction));
  }
}

TEST(RefractionTest, HorizonZenithAndBelow) {
  // The 272 of the temperature term makes the horizon value a little above 29.0'.
  EXPECT_NEAR(Refraction(0.0, 1010.0, 10.0), 29.08, 0.01);
  EXPECT_NEAR(Refraction(45.0, 1010.0, 10.0), 1.0, 0.02);
  EXPECT_NEAR(Refraction(90.0, 1010.0, 10.0), 0.0, 0.01);
  EXPECT_NEAR(Refraction(10.0, 505.0, 10.0), Refraction(10.0, 1010.0, 10.0) / 2.0, 1e-12);
  for (double h = -90.0; h < -2.0; h += 0.01) ASSERT_EQ(Refraction(h, 1010.0, 10.0), 0.0) << h;
  EXPECT_NO_THROW(Refraction(-5.11, 1010.0, 10.0));
}

TEST(TopocentricTest, Example40aMarsFromPalomar) {
  const double lat = Dms(33, 21, 22);
  const GeocentricTerms g = ObserverGeocentric(lat, 1706.0);
  EXPECT_NEAR(g.rhoSinPhi, 0.546861, 1e-6);
  EXPECT_NEAR(g.rhoCosPhi, 0.836339, 1e-6);
  // 2003 August 28, 3h17m UT.
  const double p = ParallaxFromDistance(0.37276);
  EXPECT_NEAR(p * 3600.0, 23.592, 1e-3);
  const EquatorialPlace topo = TopocentricPlace(339.530208, -15.771083, 15.0 * Hms(7, 47, 27),
                                                lat, 1706.0, p, 3.0 + 17.0 / 60.0, 2452879.5);
  // Published: 22h38m08.54s, -15°46'30.0".
  EXPECT_NEAR(topo.ra, 15.0 * Hms(22, 38, 8.54), 15.0 * 0.01 / 3600.0);
  EXPECT_NEAR(topo.dec, -Dms(15, 46, 30.0), 0.1 / 3600.0);
}

TEST(TopocentricTest, NoParallaxLeavesThePlaceAndPolesAreFinite) {
  const EquatorialPlace same = TopocentricPlace(123.4, -45.6, 10.0, 50.0, 0.0, 0.0, 5.0, 2451544.5);
  EXPECT_NEAR(same.ra, 123.4, 1e-12);
  EXPECT_NEAR(same.dec, -45.6, 1e-12);
  for (double lat : {-90.0, 90.0}) {
    const GeocentricTerms g = ObserverGeocentric(lat, 0.0);
    EXPECT_NEAR(g.rhoCosPhi, 0.0, 1e-9);
    EXPECT_NEAR(std::fabs(g.rhoSinPhi), 0.9966471868221031, 1e-9);
    const EquatorialPlace topo = TopocentricPlace(0.0, 90.0, 0.0, lat, 0.0, 0.95, 0.0, 2451544.5);
    EXPECT_TRUE(std::isfinite(topo.ra) && std::isfinite(topo.dec)) << lat;
  }
}

}  // namespace
}  // namespace veltrane
