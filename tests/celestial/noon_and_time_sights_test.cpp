#include "celestial/noon_and_time_sights.h"

#include <gtest/gtest.h>

#include <cmath>

#include "celestial/body_ephemeris.h"

namespace veltrane {
namespace {

TDateRec Date(int y, int m, int d) {
  TDateRec r;
  r.Year = y, r.Month = m, r.Day = d;
  return r;
}

TEST(SpecialSights, NoonLatitudeBothSidesOfTheSun) {
  struct Case {
    double assumed, dec, ho, lat;
  };
  const Case cases[] = {{40.0, -5.0, 45.0, 40.0}, {-40.0, 5.0, 45.0, -40.0}, {10.0, 20.0, 80.0, 10.0},
                        {20.0, 20.0, 89.0, 19.0}};
  for (const Case& c : cases) EXPECT_NEAR(NoonLatitude(c.assumed, c.dec, c.ho), c.lat, 1e-12) << c.assumed;
}

TEST(SpecialSights, NoonIsTheSunsMeridianPassage) {
  struct Case {
    TDateRec date;
    double lat, lonWest;
  };
  const Case cases[] = {{Date(1977, 3, 31), 39.8, 52.4}, {Date(2026, 11, 3), -33.9, -151.2},
                        {Date(2026, 2, 11), 60.0, 0.0}, {Date(2030, 7, 26), 0.0, 179.0}};
  for (const Case& c : cases) {
    const double noon = NoonTime(c.date, c.lonWest, c.lat);
    SightObserver o;
    o.assumed = {0.0, c.lat, c.lonWest};
    const BodyPlace sun = BodyEphemeris(NavBody::Sun, nullptr, o, {c.date, noon});
    // A quarter of a degree of hour angle is one minute of time.
    EXPECT_LT(std::fabs(std::remainder(sun.lha, 360.0)), 0.25 / 6.0) << c.date.Month;
  }
}

TEST(SpecialSights, SecondHeightMovesWithTheLatitude) {
  struct Case {
    double latA, latB;
    int deg;
    double min;
    int outDeg;
    double outMin;
  };
  const Case cases[] = {{40.0, 40.05, 30, 20.0, 30, 17.0},  // 3' further north: 3' lower
                        {40.0, 39.95, 30, 58.5, 31, 1.5},   // carries into the degrees
                        {40.05, 40.0, 30, 1.0, 30, 4.0},
                        {40.0, 40.05, 30, 1.0, 29, 58.0}};
  for (const Case& c : cases) {
    const auto a = AdjustSecondHeight(c.latA, c.latB, c.deg, c.min);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->deg, c.outDeg);
    EXPECT_NEAR(a->min, c.outMin, 1e-9);
  }
  EXPECT_FALSE(AdjustSecondHeight(40.0, 40.0 + 0.4 / 60.0, 30, 1.0));
}

TEST(SpecialSights, EqualAltitudesGiveTheLongitudeOfTheMiddleTime) {
  const EqualAltitudeResult r = EqualAltitudeLongitude(Date(1977, 6, 12), 10.0, 14.0);
  EXPECT_DOUBLE_EQ(r.middle, 12.0);
  SightObserver o;
  const BodyPlace sun = BodyEphemeris(NavBody::Sun, nullptr, o, {Date(1977, 6, 12), 12.0});
  EXPECT_NEAR(r.gha, sun.gha, 0.01);  // geocentric against topocentric from the equator
  EXPECT_NEAR(r.lon, r.gha, 1e-12);   // east of the meridian of Greenwich: just under 0
  EXPECT_NEAR(r.dec, 23.15, 0.05);
  const EqualAltitudeResult late = EqualAltitudeLongitude(Date(1977, 6, 12), 22.0, 2.0);
  EXPECT_DOUBLE_EQ(late.middle, 0.0);
  // Greenwich midnight: the Sun, 8 seconds of time fast, just past the date line in the east.
  EXPECT_NEAR(late.lon, -179.966, 0.001);
}

TEST(SpecialSights, TimeSightRecoversTheLongitude) {
  struct Case {
    NavBody body;
    double lat, lonWest, ut;
  };
  const Case cases[] = {{NavBody::Sun, 41.2, 22.4, 9.0}, {NavBody::Sun, -20.0, -100.0, 1.0},
                        {NavBody::Moon, 41.4, -166.6, 22.5}, {NavBody::Sun, 41.2, 179.9, 16.0}};
  for (const Case& c : cases) {
    SightObserver o;
    o.assumed = {0.0, c.lat, c.lonWest};
    const BodyPlace p = BodyEphemeris(c.body, nullptr, o, {Date(1977, 6, 12), c.ut});
    const std::optional<TimeSightResult> t = TimeSight(c.lat, p.dec, p.gha, p.zn, p.hc);
    ASSERT_TRUE(t);
    EXPECT_LT(std::fabs(std::remainder(t->lon - c.lonWest, 360.0)) * 60.0, 1.0) << c.lonWest;
    EXPECT_EQ(t->meridianAngle < 0.0, p.zn < 180.0);
  }
}

TEST(SpecialSights, TimeSightWithoutAnHourAngle) {
  // East of the meridian (Zn below 180) the meridian angle is negative and the longitude lies
  // west of the body's hour angle.
  const std::optional<TimeSightResult> east = TimeSight(0.0, 0.0, 50.0, 90.0, 30.0);
  ASSERT_TRUE(east);
  EXPECT_NEAR(east->meridianAngle, -60.0, 1e-9);
  EXPECT_NEAR(east->lon, 110.0, 1e-9);
  EXPECT_NEAR(TimeSight(0.0, 0.0, 50.0, 270.0, 30.0)->lon, -10.0, 1e-9);
  EXPECT_FALSE(TimeSight(40.0, 10.0, 0.0, 90.0, 70.0));   // higher than the meridian altitude
  EXPECT_FALSE(TimeSight(40.0, -10.0, 0.0, 90.0, -61.0)); // lower than the lower culmination
  EXPECT_TRUE(TimeSight(40.0, -10.0, 0.0, 90.0, -59.0));
  EXPECT_FALSE(TimeSight(90.0, 10.0, 0.0, 90.0, 10.0));   // at the pole
  EXPECT_FALSE(TimeSight(40.0, 90.0, 0.0, 90.0, 40.0));   // a body at the celestial pole
  EXPECT_TRUE(TimeSight(40.0, 10.0, 0.0, 180.0, 60.0));   // just on the meridian
}

}  // namespace
}  // namespace veltrane
