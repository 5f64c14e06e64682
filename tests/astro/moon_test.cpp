// The Moon's place, phase and semidiameter against published worked examples.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/moon.h"
#include "astro/moon_illumination.h"
#include "astro/moon_series.h"

namespace veltrane {
namespace {

TEST(MoonTest, Example47a1992Apr12) {
  const double t = -0.077221081451;  // 1992 April 12 at 0h TD
  const MoonPositionResult m = MoonPosition(t);
  // The same series; the older mean-longitude polynomial the engine uses moves the published
  // longitude by 0.00000400 degree (0.015'').
  EXPECT_NEAR(m.longitude, 133.162655, 6e-6);
  EXPECT_NEAR(m.latitude, -3.229126, 2e-6);
  EXPECT_NEAR(m.distance, 368409.7, 0.1);
  EXPECT_NEAR(m.parallax, 0.991990, 1e-6);
  // The short nutation series costs up to half a second of arc in the apparent place.
  EXPECT_NEAR(m.ra, 134.688470, 3e-4);
  EXPECT_NEAR(m.dec, 13.768368, 3e-4);
  // Example 48.a, the same instant: k = 0.6786 rigorously; the short phase-angle series gives
  // i = 68.88 degrees and so 68.0 percent. The Moon is waxing gibbous.
  EXPECT_NEAR(m.illuminatedPercent, 68.0, 1e-9);
  EXPECT_GT(m.elongation, 90.0);
  EXPECT_LT(m.elongation, 180.0);
}

TEST(MoonTest, TablesHoldThePublishedRows) {
  double sumL = 0, sumR = 0, sumB = 0;
  int noDistance = 0;
  for (const MoonTerm& r : kMoonLongitudeDistanceTerms) {
    sumL += std::fabs(r.a);
    sumR += std::fabs(r.b);
    if (r.b == 0.0) ++noDistance;
  }
  for (const MoonTerm& r : kMoonLatitudeTerms) sumB += std::fabs(r.a);
  EXPECT_EQ(noDistance, 14);
  EXPECT_EQ(kMoonLongitudeDistanceTerms[59].a, 0.0);
  EXPECT_EQ(kMoonLongitudeDistanceTerms[59].b, 0.008752);
  EXPECT_EQ(kMoonLatitudeTerms[3].a, 0.173238);
  EXPECT_EQ(kMoonLatitudeTerms[59].a, 0.000107);
  // Sums of the absolute coefficients guard every row against a slip.
  EXPECT_NEAR(sumL, 9.198091, 1e-9);
  EXPECT_NEAR(sumR, 29.682638, 1e-9);
  EXPECT_NEAR(sumB, 6.084318, 1e-9);
}

TEST(MoonTest, ElongationStaysInTheCircle) {
  struct Case {
    double moon, sun, expected;
  };
  const Case cases[] = {
      {100.0, 10.0, 90.0}, {10.0, 100.0, 270.0}, {365.0, 1.0, 4.0}, {-3.0, 359.0, 358.0},
      {2.0, 361.5, 0.5},
  };
  for (const Case& c : cases) EXPECT_NEAR(MoonElongation(c.moon, c.sun), c.expected, 1e-9);
}

TEST(MoonTest, NewAndFullMoon) {
  MoonArguments a;
  a.elongation = 0.0;  // phase angle 180
  EXPECT_EQ(MoonIlluminatedPercent(a), 0.0);
  EXPECT_EQ(MoonPercentText(MoonIlluminatedPercent(a)), "0.0");
  a.elongation = 180.0;
  EXPECT_EQ(MoonIlluminatedPercent(a), 100.0);
  EXPECT_EQ(MoonPercentText(100.0), "100.0");
}

TEST(MoonTest, TopocentricSemidiameter) {
  Listing listing;
  EXPECT_DOUBLE_EQ(MoonSemidiameter(0.0, 368409.7, &listing), 973.0);
  // Overhead the Moon is nearer by about an Earth radius.
  EXPECT_DOUBLE_EQ(MoonSemidiameter(90.0, 368409.7), 989.9);
  ASSERT_EQ(listing.captions.size(), 1u);
  EXPECT_EQ(listing.captions[0], "Semidiameter of Moon:");
  EXPECT_EQ(listing.values[0], "973.00''");
}

TEST(MoonTest, ListingRows) {
  Listing listing;
  MoonPosition(-0.077221081451, &listing);
  const std::vector<std::string> captions = {
      "Nutation in longitude:", "Nutation in obliquity:", "Mean longitude:", "Lambda:", "Beta:",
      "Apparent longitude", "Horizontal parallax:", "Distance to Earth:", "Longitud difference:",
      "Apparent Right Ascension:", "", "Apparent Declination:"};
  EXPECT_EQ(listing.captions, captions);
  ASSERT_EQ(listing.values.size(), captions.size());
  EXPECT_EQ(listing.values[3], "133° 09' 45.58''");
  EXPECT_EQ(listing.values[4], "-3° 13' 44.86''");
  EXPECT_EQ(listing.values[7], "368409.7 km");
}

}  // namespace
}  // namespace veltrane
