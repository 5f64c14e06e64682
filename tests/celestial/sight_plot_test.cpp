#include "celestial/sight_plot.h"

#include <gtest/gtest.h>

#include <cmath>

namespace veltrane {
namespace {

TEST(SightPlot, ScaleBarIsOneTwoOrFiveWithinHalfTheReach) {
  const std::pair<double, double> cases[] = {{1.25, 0.5}, {2.0, 1.0}, {3.99, 1.0}, {4.0, 2.0},
                                             {9.99, 2.0}, {10.0, 5.0}, {20.0, 10.0}, {250.0, 100.0}};
  for (const auto& [reach, bar] : cases) EXPECT_DOUBLE_EQ(ScaleBarMiles(reach), bar) << reach;
}

TEST(SightPlot, LinesDrPositionAndReachInMilesFromTheFix) {
  LeastSquaresFix fix;
  fix.position = PositionRecord{0.0, 60.0, 20.0};
  fix.ellipse = {1.5, 0.5, 30.0};
  SightFit east;  // the body due east, the fix 2 miles away from it: the line lies 2 miles west
  east.fixZn = 90.0;
  east.residual = 2.0;
  SightFit north;  // due north, towards: the line 1 mile north
  north.fixZn = 0.0;
  north.residual = -1.0;
  north.blunder = true;
  fix.sights = {east, north};
  fix.withoutBlunder = PositionRecord{0.0, 60.0, 20.0 - 3.0 / 60.0 / 0.5};  // 3 miles east at 60 N
  const SightPlotData d = SightPlotOf(fix, {0.0, 60.0 + 1.0 / 60.0, 20.0});
  EXPECT_NEAR(d.dr.east, 0.0, 1e-9);
  EXPECT_NEAR(d.dr.north, 1.0, 1e-9);
  ASSERT_EQ(d.lines.size(), 2u);
  EXPECT_NEAR(d.lines[0].foot.east, -2.0, 1e-12);
  EXPECT_NEAR(d.lines[0].foot.north, 0.0, 1e-12);
  EXPECT_NEAR(d.lines[0].direction.east, 0.0, 1e-12);
  EXPECT_NEAR(std::fabs(d.lines[0].direction.north), 1.0, 1e-12);
  EXPECT_FALSE(d.lines[0].blunder);
  EXPECT_NEAR(d.lines[1].foot.north, 1.0, 1e-12);
  EXPECT_NEAR(std::fabs(d.lines[1].direction.east), 1.0, 1e-12);
  EXPECT_TRUE(d.lines[1].blunder);
  ASSERT_TRUE(d.withoutBlunder);
  EXPECT_NEAR(d.withoutBlunder->east, 3.0, 1e-3);
  EXPECT_NEAR(d.reach, 1.25 * 3.0, 1e-3);  // the farthest thing shown, a quarter more
  EXPECT_DOUBLE_EQ(d.scaleBar, 1.0);
  EXPECT_DOUBLE_EQ(d.ellipse.orientation, 30.0);
}

}  // namespace
}  // namespace veltrane
