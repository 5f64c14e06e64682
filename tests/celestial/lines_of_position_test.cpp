#include "celestial/lines_of_position.h"

#include <gtest/gtest.h>

#include <cmath>


namespace veltrane {
namespace {

TEST(LinesOfPosition, InterceptTowardsAwayAndNone) {
  const PositionRecord ap{0.0, 40.0, 30.0};
  struct Case {
    double hc, miles;
    bool towards;
    double course, direction;
  };
  const Case cases[] = {
      {30.0 + 5.0 / 60.0, 5.0, false, 300.0, 30.0},   // away: Zn + 180
      {30.0 - 5.0 / 60.0, -5.0, true, 120.0, 210.0},  // towards: Zn
      {30.0, 0.0, false, 300.0, 30.0},                // no intercept: away, the foot is the AP
  };
  for (const Case& c : cases) {
    const Intercept i = PlotIntercept(ap, 120.0, 30.0, c.hc);
    EXPECT_NEAR(i.miles, c.miles, 1e-9);
    EXPECT_EQ(i.towards, c.towards);
    EXPECT_NEAR(i.course, c.course, 1e-12);
    ASSERT_TRUE(i.lop);
    EXPECT_NEAR(i.lop->Direction, c.direction, 1e-12);
  }
  const Intercept none = PlotIntercept(ap, 120.0, 30.0, 30.0);
  EXPECT_EQ(none.lop->Lat, 40.0);
  EXPECT_EQ(none.lop->Lon, 30.0);
  // Towards on 090 moves the foot east: a west-positive longitude falls.
  const Intercept east = PlotIntercept(ap, 90.0, 30.0, 30.0 - 10.0 / 60.0);
  EXPECT_NEAR(east.lop->Lat, 40.0, 1e-9);
  EXPECT_LT(east.lop->Lon, 30.0);
  EXPECT_NEAR((30.0 - east.lop->Lon) * 60.0 * std::cos(40.0 * M_PI / 180.0), 10.0, 1e-6);
}

TEST(LinesOfPosition, AdvanceKeepsTheDirection) {
  const std::optional<PositionRecord> moved = AdvanceLop({123.0, 40.0, 50.0}, 0.0, 60.0);
  ASSERT_TRUE(moved);
  EXPECT_NEAR(moved->Lat, 41.0, 1e-12);
  EXPECT_NEAR(moved->Lon, 50.0, 1e-12);
  EXPECT_EQ(moved->Direction, 123.0);
  const std::optional<PositionRecord> west = AdvanceLop({10.0, 0.0, 179.9}, 270.0, 12.0);
  ASSERT_TRUE(west);
  EXPECT_NEAR(west->Lon, -179.9, 1e-9);  // over the date line, still within -180..180
  EXPECT_FALSE(AdvanceLop({10.0, 89.5, 0.0}, 0.0, 60.0));
}

TEST(LinesOfPosition, CrossingRefusesNearlyParallelLines) {
  struct Case {
    double a, b;
    bool crosses;
  };
  const Case cases[] = {{45.0, 225.5, false}, {45.0, 44.2, false}, {45.0, 47.0, true}, {45.0, 135.0, true}};
  for (const Case& c : cases)
    EXPECT_EQ(CrossLops({c.a, 40.0, 30.0}, {c.b, 40.1, 30.1}).has_value(), c.crosses) << c.a << " " << c.b;
  const std::optional<PositionRecord> fix = CrossLops({90.0, 40.0, 30.0}, {0.0, 41.0, 31.0});
  ASSERT_TRUE(fix);
  EXPECT_NEAR(fix->Lat, 40.0, 1e-9);
  EXPECT_NEAR(fix->Lon, 31.0, 1e-9);
  // Either side of the date line.
  const std::optional<PositionRecord> over = CrossLops({90.0, 10.0, 179.5}, {0.0, 11.0, -179.5});
  ASSERT_TRUE(over);
  EXPECT_NEAR(over->Lat, 10.0, 1e-9);
  EXPECT_NEAR(over->Lon, -179.5, 1e-9);
}

}  // namespace
}  // namespace veltrane
