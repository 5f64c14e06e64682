#include "astro/jupiter_satellites.h"

#include <gtest/gtest.h>

#include <cmath>

namespace veltrane {
namespace {

TEST(JupiterSatellites, TextbookExample) {
  // 1992 December 16 at 0h: Io -3.44 +0.21, Europa +7.44 +0.25, Ganymede +1.24 +0.65,
  // Callisto +7.08 +1.10.
  const JupiterMoons m = JupiterSatellites(2448972.5, 0.0);
  const double expected[4][2] = {{-3.44, 0.21}, {7.44, 0.25}, {1.24, 0.65}, {7.08, 1.10}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(m[i].x, expected[i][0], 0.02) << i;
    EXPECT_NEAR(m[i].y, expected[i][1], 0.01) << i;
  }
  // Every digit of the series, where the published figures leave a hundredth of a radius.
  const double exact[4][2] = {{-3.456837, 0.209884}, {7.438060, 0.250556}, {1.231451, 0.651392}, {7.079411, 1.099362}};
  const JupiterMoons later = JupiterSatellites(2460462.5, 0.0);
  const double exactLater[4][2] = {
      {-1.788741, -0.286531}, {2.909934, -0.459491}, {12.319685, 0.434379}, {-18.032876, -0.994068}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(m[i].x, exact[i][0], 1e-6) << i;
    EXPECT_NEAR(m[i].y, exact[i][1], 1e-6) << i;
    EXPECT_NEAR(later[i].x, exactLater[i][0], 1e-6) << i;
    EXPECT_NEAR(later[i].y, exactLater[i][1], 1e-6) << i;
  }
}

TEST(JupiterSatellites, DistancesFromJupiterAgreeWithModernEphemeris) {
  struct Case {
    double jd0, hours;
    double distance[4];  // projected, Jupiter radii
  };
  const Case cases[] = {
      {2455197.5, 0.0, {5.49, 8.97, 14.66, 22.94}},   // 2010 January 1
      {2460462.5, 12.0, {5.86, 8.77, 7.58, 14.20}},   // 2024 June 1
  };
  for (const Case& c : cases) {
    const JupiterMoons m = JupiterSatellites(c.jd0, c.hours);
    for (int i = 0; i < 4; ++i)
      EXPECT_NEAR(std::hypot(m[i].x, m[i].y), c.distance[i], 0.06) << c.jd0 << " moon " << i;
  }
}

TEST(JupiterLabelPlaces, PlacementInThePicture) {
  struct Case {
    double x, y;
    bool inverted;
    int px, py;
  };
  // A picture 400 pixels wide: scale 4, Jupiter centred on (228, 140).
  const Case cases[] = {
      {10.0, 1.0, false, 328, 112},
      {10.0, 1.0, true, 128, 168},
      {-30.0, 0.5, false, 8, 116},   // beyond 25 radii drawn at 25
      {30.0, 0.5, false, 392, 116},  // would fall off the right edge
      {0.0, 0.0, false, 208, 160},
  };
  for (const Case& c : cases) {
    JupiterMoons moons;
    moons.fill({c.x, c.y});
    const auto places = JupiterLabelPlaces(moons, 400, c.inverted);
    EXPECT_EQ(places[2].x, c.px) << c.x << " " << c.inverted;
    EXPECT_EQ(places[2].y, c.py) << c.x << " " << c.inverted;
  }
  const PictureBox disc = JupiterDisc(400);
  EXPECT_EQ(disc.left, 208);
  EXPECT_EQ(disc.top, 120);
  EXPECT_EQ(disc.right, 248);
  EXPECT_EQ(disc.bottom, 160);
}

TEST(JupiterSatellites, FiniteOverSixThousandYears) {
  for (double jd0 = 990557.5; jd0 < 3182395.0; jd0 += 9131.25) {
    for (const SatelliteXY& s : JupiterSatellites(jd0, 6.5)) {
      EXPECT_TRUE(std::isfinite(s.x) && std::isfinite(s.y)) << jd0;
      EXPECT_LT(std::hypot(s.x, s.y), 27.0) << jd0;
    }
  }
}

}  // namespace
}  // namespace veltrane
