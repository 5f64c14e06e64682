#include "coastal/wind.h"

#include <gtest/gtest.h>

#include <cmath>

namespace veltrane {
namespace {

TEST(Wind, TrueWindFromApparent) {
  struct Case {
    double heading, boat, angle, speed;
    bool starboard;
    double direction, knots;
  } cases[] = {
      {0, 5, 30, 10, true, 54, 6},
      {0, 5, 120, 5, true, 150, 9},
      {0, 5, 30, 10, false, 306, 6},
      {100, 5, 30, 10, true, 154, 6},
      // The wind is abaft the beam although the apparent wind is forward of it.
      {0, 5, 60, 5, true, 120, 5},
      {0, 5, 90, 10, true, 117, 11},
      // Straight ahead or astern.
      {0, 5, 0, 15, true, 0, 10},
      {0, 5, 0, 3, true, 180, 2},
      {350, 5, 30, 10, true, 44, 6},
      // 270 to starboard is 90 to port.
      {0, 5, 270, 10, true, 243, 11},
      {360, 5, 0, 15, true, 360, 10},
      // Far outside the circle the heading is reduced at once, not turn by turn.
      {1e15, 5, 30, 10, true, 334, 6},
      {-1e15, 5, 30, 10, true, 134, 6},
  };
  for (const auto& c : cases) {
    const TrueWind w = TrueWindFromApparent(c.heading, c.boat, c.angle, c.speed, c.starboard);
    EXPECT_TRUE(w.fault.empty());
    EXPECT_EQ(w.direction, c.direction) << c.heading << " " << c.angle;
    EXPECT_EQ(std::nearbyint(w.speed), c.knots) << c.heading << " " << c.angle;
  }
}

TEST(Wind, CalmTrueWind) {
  EXPECT_EQ(TrueWindFromApparent(0, 5, 0, 5, true).fault, "No answer: the true wind is calm");
  EXPECT_EQ(TrueWindFromApparent(0, 0, 0, 0, true).fault, "No answer: the true wind is calm");
}

TEST(Wind, ApparentWindOnCourse) {
  struct Case {
    double boat, wind, angle, speed, apparent;
  } cases[] = {
      {5, 10, 90, 11.18, 63.43},
      {5, 10, 0, 15, 0},
      {5, 10, 180, 5, 180},
      {0, 10, 60, 10, 60},  // at rest the apparent wind is the wind itself
      {5, 10, 300, 13.23, 40.89},
  };
  for (const auto& c : cases) {
    const ApparentWind w = ApparentWindOnCourse(c.boat, c.wind, c.angle);
    EXPECT_TRUE(w.fault.empty());
    EXPECT_NEAR(w.speed, c.speed, 0.01) << c.angle;
    EXPECT_NEAR(w.angle, c.apparent, 0.1) << c.angle;
  }
  EXPECT_EQ(ApparentWindOnCourse(6, 6, 180).fault, "No answer: there is no apparent wind");
}

}  // namespace
}  // namespace veltrane
