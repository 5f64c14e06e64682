// Rising, transit and setting.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/rise_transit_set.h"

namespace veltrane {
namespace {

RiseTransitSetInput Fixed(double ra, double dec, double lat, double lonWest, double h0 = 0.0) {
  RiseTransitSetInput in;
  in.ra = {ra, ra, ra};
  in.dec = {dec, dec, dec};
  in.latitude = lat;
  in.lonWest = lonWest;
  in.h0 = h0;
  in.jd0 = 2451544.5;
  return in;
}

TEST(RiseTransitSetTest, Example15aVenusAtBoston1988Mar20) {
  RiseTransitSetInput in;
  in.ra = {40.68021, 41.73129, 42.78204};
  in.dec = {18.04761, 18.44092, 18.82742};
  in.h0 = -0.5667;
  in.latitude = 42.3333;
  in.lonWest = 71.0833;
  in.jd0 = 2447240.5;
  in.deltaT = 56.0;
  const RiseTransitSetResult r = RiseTransitSet(in);
  EXPECT_EQ(r.status, HorizonStatus::Crosses);
  // Published after the corrections: 0.51766, 0.81980, 0.12130 (12h25m, 19h41m, 2h55m UT).
  EXPECT_NEAR(r.rise, 0.51766, 5e-5);
  EXPECT_NEAR(r.transit, 0.81980, 5e-5);
  EXPECT_NEAR(r.set, 0.12130, 5e-5);
  EXPECT_EQ(HorizonStatusText(r.status), "");
}

TEST(RiseTransitSetTest, CircumpolarAndNeverRising) {
  struct Case {
    double lat, dec;
    HorizonStatus status;
    const char* text;
  };
  const Case cases[] = {
      {70.0, 30.0, HorizonStatus::Always, "Always"}, {70.0, -30.0, HorizonStatus::Never, "Never"},
      {-70.0, -30.0, HorizonStatus::Always, "Always"}, {90.0, 10.0, HorizonStatus::Always, "Always"},
      {90.0, -10.0, HorizonStatus::Never, "Never"}, {-90.0, 10.0, HorizonStatus::Never, "Never"},
      {45.0, 90.0, HorizonStatus::Always, "Always"},
  };
  for (const Case& c : cases) {
    const RiseTransitSetResult r = RiseTransitSet(Fixed(50.0, c.dec, c.lat, 20.0, -0.5667));
    EXPECT_EQ(r.status, c.status) << c.lat << " " << c.dec;
    EXPECT_EQ(HorizonStatusText(r.status), c.text);
    EXPECT_EQ(r.rise, 0.0);
    EXPECT_TRUE(std::isfinite(r.transit) && r.transit >= 0.0 && r.transit < 1.0);
  }
}

TEST(RiseTransitSetTest, FractionsStayInTheDay) {
  // Right ascensions that run through 0h, transits near midnight, both hemispheres.
  for (double lon = -180.0; lon <= 180.0; lon += 7.5) {
    for (double lat : {-60.0, -20.0, 0.0, 35.0, 65.0}) {
      RiseTransitSetInput in = Fixed(0.0, 10.0, lat, lon, 0.125);
      in.ra = {347.0, 359.5, 12.0};  // a Moon-like motion across 0h
      in.dec = {5.0, 10.0, 15.0};
      in.deltaT = 69.0;
      const RiseTransitSetResult r = RiseTransitSet(in);
      for (double m : {r.rise, r.transit, r.set}) {
        ASSERT_TRUE(std::isfinite(m)) << lat << " " << lon;
        ASSERT_GE(m, 0.0);
        ASSERT_LT(m, 1.0);
      }
    }
  }
}

TEST(RiseTransitSetTest, EventsFollowTheLocalDay) {
  // A body moving like the Moon (12 degrees a day) that rises at about 23h UT: two hours east
  // of Greenwich that is 1h on the next local day, so the rising of the local date is the one
  // of the UT day before, about 48 minutes earlier in the day.
  RiseTransitSetInput in = Fixed(0.0, 0.0, 0.0, 0.0, 0.0);
  in.ra = {152.4, 164.4, 176.4};
  const RiseTransitSetResult utcDay = RiseTransitSet(in);
  in.zoneHours = -2.0;
  const RiseTransitSetResult localDay = RiseTransitSet(in);
  ASSERT_EQ(utcDay.status, HorizonStatus::Crosses);
  EXPECT_GT(24.0 * utcDay.rise, 22.0);
  EXPECT_NEAR(localDay.rise, utcDay.rise - 12.0 / 348.0, 0.003);
  EXPECT_LT(24.0 * localDay.rise + 2.0 - 24.0, 1.0);  // just after local midnight
  // The setting, at about 11h UT, is on the same day in both.
  EXPECT_NEAR(localDay.set, utcDay.set, 1e-12);
}

}  // namespace
}  // namespace veltrane
