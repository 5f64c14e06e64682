#include "greatcircle/great_route.h"

#include <gtest/gtest.h>

#include <vector>

#include "greatcircle/great_texts.h"
#include "greatcircle/grutil.h"

namespace veltrane {
namespace {

PositionRecord At(double lat, double lon) { return {0.0, lat, lon}; }

RouteTable Sail(const PositionRecord& from, const PositionRecord& to, int step, PreparedRoute* prepared = nullptr) {
  const PreparedRoute route = PrepareRoute(from, to);
  if (prepared) *prepared = route;
  const auto s = GreatCircleSolve(route.start, route.end);
  return SailGreatLon(route, s.Vertex, s.Course, step);
}

TEST(PrepareRoute, DirectionAndWorkingLongitudes) {
  struct Case {
    PositionRecord from, to;
    SailingDirection direction;
    double startLon, endLon;
  };
  const Case cases[] = {
      {At(37.8, 122.5), At(-33.9, -151.2), SailingDirection::West, 122.5, 208.8},  // across 180
      {At(40.7, 74.0), At(38.7, 9.1), SailingDirection::East, 74.0, 9.1},
      {At(-33.9, -151.2), At(37.8, 122.5), SailingDirection::East, 208.8, 122.5},
      {At(10, 20), At(30, 20), SailingDirection::North, 20, 20},
      {At(30, 20), At(10, 20), SailingDirection::South, 20, 20},
      {At(10, 0), At(10, -180), SailingDirection::West, 0, 180},  // exactly 180 apart
  };
  for (const auto& c : cases) {
    const auto r = PrepareRoute(c.from, c.to);
    EXPECT_EQ(r.direction, c.direction) << c.from.Lon << " -> " << c.to.Lon;
    EXPECT_NEAR(r.start.Lon, c.startLon, 1e-9);
    EXPECT_NEAR(r.end.Lon, c.endLon, 1e-9);
  }
}

TEST(SailGreatLon, HeadingArrivesWhileDistanceLeaves) {
  const auto t = Sail(At(40.7, 74.0), At(38.7, 9.1), 10);
  for (size_t i = 1; i + 1 < t.rows.size(); ++i) {
    const auto leg = MidLatitudeCourseDistance(At(t.rows[i - 1].lat, t.rows[i - 1].lon), At(t.rows[i].lat, t.rows[i].lon));
    EXPECT_NEAR(t.rows[i].heading, leg.course, 1e-9) << "row " << i;
    const auto next = MidLatitudeCourseDistance(At(t.rows[i].lat, t.rows[i].lon), At(t.rows[i + 1].lat, t.rows[i + 1].lon));
    EXPECT_NEAR(t.rows[i].leg, next.distance, 1e-9) << "row " << i;
  }
}

TEST(SailGreatLon, OverAPoleByTheMeridians) {
  struct Case {
    PositionRecord from, to;
    std::vector<double> lats, legs;
  };
  const Case cases[] = {
      {At(60, 10), At(60, -170), {60, 90, 60}, {1800, 1800}},      // across the North Pole
      {At(-10, 10), At(80, -170), {-10, 90, 80}, {6000, 600}},     // from the south, over the north
      {At(-50, 100), At(-20, -80), {-50, -90, -20}, {2400, 4200}},  // across the South Pole
      {At(10, 20), At(90, 0), {10, 90}, {4800}},                   // to the pole itself
  };
  for (const auto& c : cases) {
    const auto t = Sail(c.from, c.to, 6);
    ASSERT_EQ(t.rows.size(), c.lats.size()) << c.from.Lat << " to " << c.to.Lat;
    double total = 0;
    for (size_t i = 0; i < c.legs.size(); ++i) {
      total += c.legs[i];
      EXPECT_NEAR(t.rows[i].lat, c.lats[i], 1e-9);
      EXPECT_NEAR(t.rows[i].leg, c.legs[i], 1e-3) << c.from.Lat << " row " << i;
    }
    EXPECT_FALSE(t.rows.back().hasLeg);
    EXPECT_NEAR(t.total, total, 1e-3);
    EXPECT_NEAR(t.total, GreatCircleSolve(c.from, c.to).Distance, 1e-3);
  }
}

TEST(SailGreatLon, SmallStepsGiveManyRowsAndBadStepsNone) {
  const auto t = Sail(At(30, 100), At(20, -100), 3);  // 160° west, across the date line
  EXPECT_EQ(t.rows.size(), 55u);
  EXPECT_TRUE(Sail(At(30, 100), At(20, -100), 0).rows.empty());
  EXPECT_TRUE(Sail(At(30, 100), At(20, -100), -4).rows.empty());
  const auto wide = Sail(At(0.5, 10), At(-0.5, -170), 3);  // exactly 180° apart: not reduced
  EXPECT_EQ(wide.rows.size(), 61u);
}

TEST(GreatTexts, Formats) {
  EXPECT_EQ(LatitudeText(-0.5), "0° 30.0'  S");
  EXPECT_EQ(LongitudeText(208.5), "151° 30.0'  E");
  EXPECT_EQ(LongitudeText(-79.5), "79° 30.0'  E");
  EXPECT_EQ(DegreesText(240.25), "240.2°");
  EXPECT_EQ(KilometresText(1.5, " "), "1.500 km");
}

}  // namespace
}  // namespace veltrane
