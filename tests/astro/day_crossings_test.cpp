// Rising and setting within a day from a body's places at given hours.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "astro/day_crossings.h"
#include "foundation/angles.h"

namespace veltrane {
namespace {

constexpr double kSecond = 1.0 / 3600.0;  // hours
constexpr double kStarRate = 15.041;      // degrees of hour angle an hour

// A body whose hour angle grows at a star's rate from gha0 at 0h, its declination changing
// steadily.
struct Body {
  double gha0, dec0, decRate;
  GhaDec At(double hours) const { return {Norm360(gha0 + kStarRate * hours), dec0 + decRate * hours}; }
};

std::vector<PlaceSample> Samples(const Body& body, const std::vector<double>& extraHours) {
  std::vector<PlaceSample> samples;
  for (int h = 0; h <= 24; ++h) samples.push_back({static_cast<double>(h), body.At(h)});
  for (double h : extraHours) samples.push_back({h, body.At(h)});
  std::sort(samples.begin(), samples.end(),
            [](const PlaceSample& a, const PlaceSample& b) { return a.hours < b.hours; });
  return samples;
}

DayCrossings Find(const Body& body, double latitude, double altitude, const std::vector<double>& extraHours = {}) {
  return CrossingsOfDay(Samples(body, extraHours), [&body](double h) { return body.At(h); }, latitude, 0.0,
                        altitude);
}

// Hours at which a body of fixed declination stands at the altitude, from the spherical triangle.
std::pair<double, double> RiseAndSet(const Body& body, double latitude, double altitude) {
  const double cosH = (SinD(altitude) - SinD(latitude) * SinD(body.dec0)) / (CosD(latitude) * CosD(body.dec0));
  const double h0 = ArcCosD(cosH);
  const double transit = (360.0 - body.gha0) / kStarRate;
  return {transit - h0 / kStarRate, transit + h0 / kStarRate};
}

TEST(DayCrossings, FixedDeclinationAgainstTheSphericalTriangle) {
  struct Case {
    Body body;
    double latitude, altitude;
  };
  const Case cases[] = {
      {{180.0, 20.0, 0.0}, 50.0, -0.8333},
      {{150.0, -23.0, 0.0}, -45.0, -12.0},
      {{200.0, 0.0, 0.0}, 0.0, 0.0},
      {{170.0, 28.0, 0.0}, 61.0, 0.125},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.latitude);
    const DayCrossings r = Find(c.body, c.latitude, c.altitude);
    const auto [rise, set] = RiseAndSet(c.body, c.latitude, c.altitude);
    ASSERT_TRUE(r.rise && r.set);
    EXPECT_EQ(r.status, HorizonStatus::Crosses);
    EXPECT_NEAR(*r.rise, rise, kSecond);
    EXPECT_NEAR(*r.set, set, kSecond);
  }
}

TEST(DayCrossings, AFastBodyStandsAtTheAltitudeAtItsTimes) {
  // A Moon at 66 degrees north, its declination falling half a degree an hour.
  const Body moon{100.0, 20.0, -0.5};
  const DayCrossings r = Find(moon, 66.0, 0.125);
  ASSERT_TRUE(r.rise && r.set);
  EXPECT_NEAR(AltitudeOf(moon.At(*r.rise), 66.0, 0.0), 0.125, 1e-3);
  EXPECT_NEAR(AltitudeOf(moon.At(*r.set), 66.0, 0.0), 0.125, 1e-3);
  EXPECT_LT(AltitudeOf(moon.At(*r.rise - 0.01), 66.0, 0.0), 0.125);
  EXPECT_GT(AltitudeOf(moon.At(*r.set - 0.01), 66.0, 0.0), 0.125);
}

TEST(DayCrossings, AboveOrBelowAllDayAndTheFirstOfTwo) {
  EXPECT_EQ(Find({180.0, 25.0, 0.0}, 70.0, -0.8333).status, HorizonStatus::Always);
  EXPECT_EQ(Find({180.0, -25.0, 0.0}, 70.0, -0.8333).status, HorizonStatus::Never);
  // Rising at 0h02m, and again two minutes before the day ends.
  const Body star{269.5, 0.0, 0.0};
  const DayCrossings r = Find(star, 0.0, 0.0);
  ASSERT_TRUE(r.rise);
  EXPECT_NEAR(*r.rise, 0.5 / kStarRate, kSecond);
}

TEST(DayCrossings, ABodyUpForMinutesIsFoundAtItsPassage) {
  // Culminating at 12h30m two hundredths of a degree above the altitude: up for 21 minutes
  // between two hourly places.
  const Body body{172.0, -20.0 + 0.02 - 0.8333, 0.0};
  EXPECT_EQ(Find(body, 70.0, -0.8333).status, HorizonStatus::Never);
  const double passage = 188.0 / kStarRate;
  const DayCrossings r = Find(body, 70.0, -0.8333, {passage});
  ASSERT_TRUE(r.rise && r.set);
  const double halfArc = 2.6775 / kStarRate;  // hour angle at the altitude, 2.6775 degrees
  EXPECT_NEAR(*r.rise, passage - halfArc, kSecond);
  EXPECT_NEAR(*r.set, passage + halfArc, kSecond);
}

}  // namespace
}  // namespace veltrane
