// Rising and setting of the Sun, the Moon and a star on a day, with each body's altitude.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/body_rise_set.h"
#include "astro/horizon.h"
#include "astro/moon.h"
#include "astro/sidereal_time.h"
#include "foundation/calendar.h"

namespace veltrane {
namespace {

RiseSetDay Day(double jd0, double latitude, double lonWest) {
  RiseSetDay day;
  day.jd0 = jd0;
  day.deltaT = DeltaT(JulianCenturiesSinceJ2000(jd0));
  day.latitude = latitude;
  day.lonWest = lonWest;
  return day;
}

constexpr double kMidsummer2024 = 2460482.5;  // 2024 June 21, 0h UT
constexpr double kMidwinter2024 = 2460665.5;  // 2024 December 21, 0h UT
constexpr double kNewYear2024 = 2460310.5;    // 2024 January 1, 0h UT

// Bodies whose highest altitude lies between two of the standard altitudes: each body's own
// altitude decides whether it rises.
TEST(BodyRiseSet, EachBodyRisesByItsOwnAltitude) {
  const StarCatalogueData sirius = ReadStarCatalogueData("06:45:08.9", "-16:42:58", "-0.0385", "-1.205");
  const struct {
    RiseSetBody body;
    double jd0, latitude;
    HorizonStatus status;
  } cases[] = {
      // The midwinter Sun at noon 0.70 degrees below the horizon: its upper limb, lifted by
      // refraction, still shows.
      {RiseSetBody::Sun, kMidwinter2024, 67.26, HorizonStatus::Crosses},
      {RiseSetBody::Sun, kMidwinter2024, 67.45, HorizonStatus::Never},
      {RiseSetBody::Sun, kMidsummer2024, 80.0, HorizonStatus::Always},
      // Sirius culminating 0.70 degrees below the horizon stays below: a star has no disc.
      {RiseSetBody::Star, kNewYear2024, 73.95, HorizonStatus::Never},
      {RiseSetBody::Star, kNewYear2024, 73.75, HorizonStatus::Crosses},
      {RiseSetBody::Star, kNewYear2024, -73.3, HorizonStatus::Always},
      {RiseSetBody::Moon, kMidsummer2024, 51.4779, HorizonStatus::Crosses},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RiseTransitSetFor(c.body, Day(c.jd0, c.latitude, 0.0), sirius).status, c.status)
        << static_cast<int>(c.body) << " " << c.latitude;
  }
}

// The Moon's geometric altitude at a moment of UT, from its place at dynamical time.
double MoonAltitude(const RiseSetDay& day, double dayFraction) {
  const double ut = day.jd0 + dayFraction;
  const MoonPositionResult m = MoonPosition(JulianCenturiesSinceJ2000(ut + day.deltaT / 86400.0));
  const double gha = 15.0 * SiderealTime(day.jd0, 24.0 * dayFraction).apparent - m.ra;
  return HorizontalCoords({0.0, day.latitude, day.lonWest}, gha, m.dec, 1010.0, 10.0).altitude;
}

// Rising and setting where the Moon's centre stands at its standard altitude (+0.125 degree:
// parallax less refraction and semidiameter), climbing at rise and sinking at set. Three days
// interpolated through leave a few hundredths of a degree; the sign of that altitude is 0.25.
TEST(BodyRiseSet, MoonRisesAndSetsAtItsStandardAltitude) {
  const RiseSetDay days[] = {Day(kMidsummer2024, 51.4779, 0.0), Day(kMidwinter2024, 60.17, -24.94),
                             Day(kMidsummer2024, -33.92, -18.42)};
  constexpr double kMinute = 1.0 / 1440.0;
  for (const RiseSetDay& day : days) {
    const RiseTransitSetResult r = RiseTransitSetFor(RiseSetBody::Moon, day);
    ASSERT_EQ(r.status, HorizonStatus::Crosses) << day.latitude;
    EXPECT_NEAR(MoonAltitude(day, r.rise), 0.125, 0.05) << day.latitude;
    EXPECT_NEAR(MoonAltitude(day, r.set), 0.125, 0.05) << day.latitude;
    EXPECT_GT(MoonAltitude(day, r.rise + kMinute), MoonAltitude(day, r.rise)) << day.latitude;
    EXPECT_LT(MoonAltitude(day, r.set + kMinute), MoonAltitude(day, r.set)) << day.latitude;
  }
}

}  // namespace
}  // namespace veltrane
