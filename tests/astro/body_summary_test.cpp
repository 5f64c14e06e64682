// The body window's summary against a precise ephemeris (PyEphem 4.1.4, airless topocentric
// altitude and azimuth), and what each kind of body brings with it.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/body_summary.h"
#include "astro/sky_instant_of.h"

namespace veltrane {
namespace {

SkyObserver Helsinki() {
  SkyObserver o;
  o.latitude = 60.15;
  o.lonWest = -24.95;
  return o;
}

SkyBody PlanetBody(Planet p) {
  SkyBody b;
  b.kind = BodyKind::Planet;
  b.planet = p;
  return b;
}

TEST(BodySummaryTest, AltitudeAndAzimuthAgreeWithAPreciseEphemeris) {
  struct Case {
    const char* name;
    SkyBody body;
    double altitude, azimuth, tolerance;
  };
  SkyBody moon;
  moon.kind = BodyKind::Moon;
  const Case cases[] = {
      {"Sun", SkyBody{}, 47.9444, 216.5346, 0.01},
      {"Moon", moon, -57.2182, 20.1827, 0.05},
      {"Venus", PlanetBody(Planet::Venus), 53.1834, 160.5544, 0.05},
      {"Jupiter", PlanetBody(Planet::Jupiter), 48.7373, 149.3734, 0.05},
      {"Saturn", PlanetBody(Planet::Saturn), 6.0061, 265.0860, 0.05},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const BodySummary s = SummarizeBody(c.body, Helsinki(), InstantOf(2026, 6, 1, 12.0), -3.0);
    EXPECT_NEAR(s.altitude, c.altitude, c.tolerance);
    EXPECT_NEAR(s.azimuth, c.azimuth, c.tolerance);
    EXPECT_NEAR(s.lha, std::fmod(s.gha + 24.95 + 360.0, 360.0), 1e-9);
  }
}

TEST(BodySummaryTest, EachBodyBringsItsOwnFigures) {
  const SkyInstant noon = InstantOf(2026, 6, 1, 12.0);
  const BodySummary sun = SummarizeBody(SkyBody{}, Helsinki(), noon, -3.0);
  ASSERT_TRUE(sun.distanceAu && sun.magnitude);
  EXPECT_NEAR(*sun.distanceAu, 1.01393, 1e-4);
  EXPECT_DOUBLE_EQ(*sun.magnitude, -26.74);
  EXPECT_FALSE(sun.phase);
  EXPECT_FALSE(sun.distanceKm);
  // Refraction lifts the Sun by about 0.9' at 48 degrees.
  EXPECT_NEAR((sun.refractedAltitude - sun.altitude) * 60.0, 0.9, 0.1);
  // Transit 10:18 UT; in June at 60 N the Sun rises and sets.
  EXPECT_EQ(sun.riseTransitSet.status, HorizonStatus::Crosses);
  EXPECT_NEAR(sun.riseTransitSet.transit * 24.0, 10.3005, 2.0 / 60.0);
  EXPECT_NEAR(sun.riseTransitSet.rise * 24.0, 1.137, 2.0 / 60.0);

  SkyBody moonBody;
  moonBody.kind = BodyKind::Moon;
  const BodySummary moon = SummarizeBody(moonBody, Helsinki(), noon, -3.0);
  ASSERT_TRUE(moon.phase && moon.distanceKm && moon.magnitude);
  EXPECT_NEAR(moon.phase->illuminatedPercent, 98.7, 0.5);
  EXPECT_NEAR(*moon.distanceKm, 406332.5, 30.0);  // from the Earth's centre
  EXPECT_NEAR(*moon.magnitude, -12.5, 0.2);

  const BodySummary jupiter = SummarizeBody(PlanetBody(Planet::Jupiter), Helsinki(), noon, -3.0);
  ASSERT_TRUE(jupiter.distanceAu && jupiter.magnitude && jupiter.phase);
  EXPECT_NEAR(*jupiter.distanceAu, 5.95989, 1e-3);
  EXPECT_NEAR(*jupiter.magnitude, -1.8, 0.15);
  EXPECT_NEAR(jupiter.phase->illuminatedPercent, 99.6, 0.2);
  // Saturn's rings leave it without a magnitude.
  EXPECT_FALSE(SummarizeBody(PlanetBody(Planet::Saturn), Helsinki(), noon, -3.0).magnitude);
}

TEST(BodySummaryTest, StarPlaceMagnitudeAndListing) {
  SkyBody sirius;
  sirius.kind = BodyKind::Star;
  sirius.star = ReadStarCatalogueData("06:45:08.9", "-16:42:58", "-0.0385", "-1.205");
  sirius.starMagnitude = -1.46;
  Listing listing;
  const BodySummary s = SummarizeBody(sirius, Helsinki(), InstantOf(2026, 1, 15, 22.0), -2.0, &listing);
  EXPECT_NEAR(s.altitude, 12.7722, 0.01);
  EXPECT_NEAR(s.azimuth, 188.5744, 0.01);
  EXPECT_NEAR(s.dec, -16.7529, 0.003);
  ASSERT_TRUE(s.magnitude);
  EXPECT_DOUBLE_EQ(*s.magnitude, -1.46);
  EXPECT_FALSE(s.phase);
  ASSERT_FALSE(listing.captions.empty());
  EXPECT_EQ(listing.captions.size(), listing.values.size());
  EXPECT_EQ(listing.captions.back(), "Apparent Sidereal Time:");
}

TEST(BodySummaryTest, StandardAltitudes) {
  EXPECT_DOUBLE_EQ(StandardAltitude(BodyKind::Sun), -0.8333);
  EXPECT_DOUBLE_EQ(StandardAltitude(BodyKind::Moon), 0.125);
  EXPECT_DOUBLE_EQ(StandardAltitude(BodyKind::Planet), -0.5667);
  EXPECT_DOUBLE_EQ(StandardAltitude(BodyKind::Star), -0.5667);
}

}  // namespace
}  // namespace veltrane
