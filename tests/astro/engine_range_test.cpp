// Far from the present the engine still gives numbers, and the listings keep their rows.
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

TEST(EngineRangeTest, YearsMinus2000To4000) {
  for (double year = -2000.0; year <= 4000.0; year += 7.3) {
    const double t = (year - 2000.0) / 100.0;
    const double jd0 = std::floor(2451545.0 + 36525.0 * t) - 0.5;
    const SunApparentResult sun = SunApparent(t);
    const MoonPositionResult moon = MoonPosition(t);
    const EquatorialPlace polaris = StarApparentPlace(2.53, 89.26, 0.2, -0.01, t);
    const SiderealTimeResult st = SiderealTime(jd0, 13.7);
    ASSERT_TRUE(Finite({sun.ra, sun.dec, sun.parallax})) << year;
    ASSERT_TRUE(Finite({moon.ra, moon.dec, moon.parallax, moon.distance, moon.elongation,
                        moon.illuminatedPercent})) << year;
    ASSERT_TRUE(Finite({polaris.ra, polaris.dec, st.mean, st.apparent})) << year;
    ASSERT_LT(std::fabs(sun.dec), 24.5) << year;
    ASSERT_LT(std::fabs(moon.dec), 30.0) << year;
    ASSERT_GE(moon.ra, 0.0);
    ASSERT_LT(moon.ra, 360.0);
    ASSERT_GT(moon.distance, 350000.0);
    ASSERT_LT(moon.distance, 410000.0);
    RiseTransitSetInput in;
    in.ra = {sun.ra, sun.ra, sun.ra};
    in.dec = {sun.dec, sun.dec, sun.dec};
    in.latitude = 89.9;
    in.jd0 = jd0;
    in.h0 = -0.8333;
    const RiseTransitSetResult r = RiseTransitSet(in);
    ASSERT_TRUE(Finite({r.rise, r.transit, r.set})) << year;
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
