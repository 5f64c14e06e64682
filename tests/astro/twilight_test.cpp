// Twilight against a precise ephemeris (PyEphem 4.1.4, Sun's centre, no refraction), and
// the days the Sun never reaches a depth.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/twilight.h"
#include "astro/sky_instant_of.h"

namespace veltrane {
namespace {

constexpr double kNone = -1.0;
constexpr double kTwoMinutes = 2.0 / 60.0;

// Difference of two clock readings in hours, across midnight.
double ClockDifference(double a, double b) { return std::remainder(a - b, 24.0); }

void ExpectCrossings(const SunCrossings& c, double morning, double evening, const char* what) {
  SCOPED_TRACE(what);
  if (morning == kNone) {
    EXPECT_FALSE(c.morning);
    EXPECT_FALSE(c.evening);
    return;
  }
  ASSERT_TRUE(c.morning && c.evening);
  EXPECT_NEAR(ClockDifference(*c.morning, morning), 0.0, kTwoMinutes) << *c.morning;
  EXPECT_NEAR(ClockDifference(*c.evening, evening), 0.0, kTwoMinutes) << *c.evening;
}

TEST(TwilightTest, WithinTwoMinutesOfAPreciseEphemerisBelowSixtyDegrees) {
  struct Case {
    int y, m, d;
    double lat, lonEast, zone;
    double civil[2], nautical[2], astronomical[2];  // UT hours, kNone when the Sun never gets there
  };
  const Case cases[] = {
      {2026, 3, 20, 59.4, 24.75, -2, {3.707, 17.267}, {2.893, 18.086}, {2.014, 18.974}},
      {2026, 6, 21, 50.0, -5.0, 0, {3.433, 21.294}, {2.338, 22.389}, {kNone, kNone}},
      {2026, 12, 21, -33.9, 18.4, -1, {3.047, 18.435}, {2.448, 19.034}, {1.792, 19.690}},
      {2026, 9, 23, 0.0, -79.5, 5, {10.773, 23.570}, {10.373, 23.970}, {9.974, 0.370}},
      {2025, 1, 15, 40.7, -74.0, 5, {11.794, 22.396}, {11.232, 22.958}, {10.686, 23.505}},
      {2027, 7, 4, 21.3, -157.9, 11, {15.493, 5.709}, {15.002, 6.199}, {14.493, 6.708}},
      {2026, 6, 21, 59.9, 10.7, -1, {0.172, 22.461}, {kNone, kNone}, {kNone, kNone}},
      {1990, 2, 10, -45.0, 170.0, -11, {17.277, 8.514}, {16.613, 9.174}, {15.876, 9.905}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.y << "-" << c.m << "-" << c.d << " at " << c.lat << ", " << c.lonEast);
    SkyObserver observer;
    observer.latitude = c.lat;
    observer.lonWest = -c.lonEast;
    const Twilight t = TwilightOfDay(observer, InstantOf(c.y, c.m, c.d), c.zone);
    ExpectCrossings(t.civil, c.civil[0], c.civil[1], "civil");
    ExpectCrossings(t.nautical, c.nautical[0], c.nautical[1], "nautical");
    ExpectCrossings(t.astronomical, c.astronomical[0], c.astronomical[1], "astronomical");
  }
}

TEST(TwilightTest, AnyAltitudeAndThePolarDays) {
  SkyObserver helsinki;
  helsinki.latitude = 60.15;
  helsinki.lonWest = -24.95;
  // Sunrise and sunset of the upper limb with refraction, from the same ephemeris.
  const SunCrossings sun = SunAltitudeCrossings(helsinki, InstantOf(2026, 6, 1), -0.8333, -3.0);
  ASSERT_TRUE(sun.morning && sun.evening);
  EXPECT_NEAR(*sun.morning, 1.137, kTwoMinutes);
  EXPECT_NEAR(*sun.evening, 19.484, kTwoMinutes);
  // The depths put the crossings in order: deeper is earlier in the morning, later at night.
  const SkyInstant march = InstantOf(2026, 3, 1);
  const Twilight t = TwilightOfDay(helsinki, march, -2.0);
  ASSERT_TRUE(t.civil.morning && t.nautical.morning && t.astronomical.morning);
  EXPECT_LT(*t.astronomical.morning, *t.nautical.morning);
  EXPECT_LT(*t.nautical.morning, *t.civil.morning);
  EXPECT_GT(*t.astronomical.evening, *t.nautical.evening);

  SkyObserver north;
  north.latitude = 78.0;  // Svalbard: midnight sun in June, polar night in December
  EXPECT_FALSE(SunAltitudeCrossings(north, InstantOf(2026, 6, 21), -6.0, 0.0).morning);
  EXPECT_FALSE(SunAltitudeCrossings(north, InstantOf(2026, 12, 21), -6.0, 0.0).evening);
  EXPECT_TRUE(SunAltitudeCrossings(north, InstantOf(2026, 12, 21), -18.0, 0.0).morning);
}

}  // namespace
}  // namespace veltrane
