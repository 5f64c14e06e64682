// Far from the present the engine still gives numbers, always the same ones, and the listings
// keep their rows.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/moon.h"
#include "astro/nutation.h"
#include "astro/rise_transit_set.h"
#include "astro/sidereal_time.h"
#include "astro/star_place.h"
#include "astro/sun.h"

namespace veltrane {
namespace {

bool Finite(std::initializer_list<double> values) {
  for (double v : values)
    if (!std::isfinite(v)) return false;
  return true;
}

// Numbers everywhere, the Sun's rising and setting even a tenth of a degree from the pole; the
// values themselves are guarded at three dates below.
TEST(EngineRangeTest, YearsMinus2000To4000) {
  for (double year = -2000.0; year <= 4000.0; year += 7.3) {
    const double t = (year - 2000.0) / 100.0;
    const double jd0 = std::floor(2451545.0 + 36525.0 * t) - 0.5;
    const SunApparentResult sun = SunApparent(t);
    const MoonPositionResult moon = MoonPosition(t);
    const EquatorialPlace polaris = StarApparentPlace(2.53, 89.26, 0.2, -0.01, t);
    const SiderealTimeResult st = SiderealTime(jd0, 13.7);
    RiseTransitSetInput in;
    in.ra = {sun.ra, sun.ra, sun.ra};
    in.dec = {sun.dec, sun.dec, sun.dec};
    in.latitude = 89.9;
    in.jd0 = jd0;
    in.h0 = -0.8333;
    const RiseTransitSetResult r = RiseTransitSet(in);
    ASSERT_TRUE(Finite({sun.ra, sun.dec, sun.parallax, moon.ra, moon.dec, moon.parallax, moon.distance,
                        moon.elongation, moon.illuminatedPercent, polaris.ra, polaris.dec, st.mean, st.apparent,
                        r.rise, r.transit, r.set}))
        << year;
    ASSERT_TRUE(moon.ra >= 0.0 && moon.ra < 360.0) << year;
  }
}

// Values of the engine's series far before, near and far after the present, to 1e-9: a slip in
// any coefficient (even one in the squared or cubed terms) moves at least one of them. The
// published worked examples guard the values themselves; this guards every digit.
TEST(EngineRangeTest, SeriesKeepTheirValuesAtThreeDates) {
  struct Case {
    double t, dPsi, dEps, obliquity, sunLongitude, sunRadius, sunRa, sunDec, moonLongitude, moonLatitude, moonRa,
        moonDistance, jd0, siderealMean, siderealApparent;
  };
  const Case cases[] = {
      {-30.0, 2.4068199481, -9.6111981421, 23.8156711111, 258.5564887725, 0.9839976068, 257.5182527111,
       -23.3110073765, 334.0085727741, 3.1102609925, 334.8060283750, 381911.225754, 1355794.5, 11.1641621113,
       11.1642031191},
      {-0.2, -7.8638791480, -8.7957533243, 23.4418919339, 280.2346306673, 0.9832976809, 281.1244687499,
       -23.0455676631, 89.7294006038, -4.4594213842, 89.7124064509, 386719.738366, 2444239.5, 12.6706807532,
       12.6705465800},
      {19.0, -15.9201262889, -1.3454689366, 23.1956070492, 294.5516197890, 0.9851794870, 296.4157922457,
       -20.9949747262, 304.6083007943, -2.3405071063, 307.4863126792, 365365.778387, 3145519.5, 13.6656729440,
       13.6654016990},
  };
  for (const Case& c : cases) {
    const NutationResult n = Nutation(c.t);
    EXPECT_NEAR(n.dPsi, c.dPsi, 1e-9) << c.t;
    EXPECT_NEAR(n.dEps, c.dEps, 1e-9) << c.t;
    EXPECT_NEAR(MeanObliquity(c.t), c.obliquity, 1e-9) << c.t;
    const SunPositionResult sun = SunPosition(c.t);
    EXPECT_NEAR(sun.trueLongitude, c.sunLongitude, 1e-9) << c.t;
    EXPECT_NEAR(sun.radiusVector, c.sunRadius, 1e-10) << c.t;
    const SunApparentResult app = SunApparent(c.t);
    EXPECT_NEAR(app.ra, c.sunRa, 1e-9) << c.t;
    EXPECT_NEAR(app.dec, c.sunDec, 1e-9) << c.t;
    const MoonPositionResult moon = MoonPosition(c.t);
    EXPECT_NEAR(moon.longitude, c.moonLongitude, 1e-9) << c.t;
    EXPECT_NEAR(moon.latitude, c.moonLatitude, 1e-9) << c.t;
    EXPECT_NEAR(moon.ra, c.moonRa, 1e-9) << c.t;
    EXPECT_NEAR(moon.distance, c.moonDistance, 1e-5) << c.t;
    const SiderealTimeResult st = SiderealTime(c.jd0, 6.0);
    EXPECT_NEAR(st.mean, c.siderealMean, 1e-9) << c.t;
    EXPECT_NEAR(st.apparent, c.siderealApparent, 1e-9) << c.t;
  }
}

TEST(EngineRangeTest, SunListingRows) {
  Listing listing;
  SunApparent(-0.072183436, &listing);
  const std::vector<std::string> captions = {
      "Geom mean long of Sun:", "True longitude of Sun:", "", "Radius vector of Sun:",
      "Semidiameter of Sun:", "Omega:", "Obliquity of ecliptic:", "Apparent longitude of Sun:",
      "", "Apparent Right Ascension:", "Apparent Declination:"};
  EXPECT_EQ(listing.captions, captions);
  ASSERT_EQ(listing.values.size(), captions.size());
  EXPECT_EQ(listing.values[1], "199.90987\u00b0");
  EXPECT_EQ(listing.values[3], "0.997662  AU");
  EXPECT_EQ(listing.values[4], "961.90''");
  EXPECT_EQ(listing.values[9], "13 h 13 m 31 s");
  EXPECT_EQ(listing.values[10], "-7\u00b0 47' 6.24''");
  Listing nutation;
  Nutation(0.0, &nutation);
  EXPECT_EQ(nutation.captions,
            (std::vector<std::string>{"Nutation in longitude:", "Nutation in obliquity:"}));
}

}  // namespace
}  // namespace veltrane
