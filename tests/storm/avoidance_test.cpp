#include "storm/avoidance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "foundation/angles.h"
#include "storm/avoidance_plot.h"

namespace veltrane {
namespace {

// The picture of a solved situation on a paint area of the given size.
AvoidancePlot PlotOf(const AvoidanceInput& a, int width, int height) {
  const AvoidanceSolution s = SolveAvoidance(a);
  return PlanAvoidancePlot({width, height, a.bearing, a.distance, s.course, s.timeToCpa, a.boatSpeed, a.heading,
                            a.cycloneSpeed});
}

AvoidanceInput Demo() {
  AvoidanceInput in;
  in.bearing = 192;
  in.distance = 170;
  in.heading = 38;
  in.boatSpeed = 7;
  in.cycloneSpeed = 28;
  return in;
}

TEST(Avoidance, DemonstrationFigures) {
  const AvoidanceSolution s = SolveAvoidance(Demo());
  ASSERT_EQ(s.outcome, AvoidanceOutcome::Solved);
  EXPECT_NEAR(s.angle, 75.5, 0.05);
  EXPECT_NEAR(s.course, 322.5, 0.05);
  EXPECT_NEAR(s.relativeSpeed, 27.1, 0.05);
  EXPECT_NEAR(s.relativeDistance, 129.3, 0.05);
  EXPECT_NEAR(s.distanceToCpa, 110.4, 0.05);
  EXPECT_NEAR(s.timeToCpa, 4.77, 0.005);
  const ArrivalText arrival = ArrivalIn(s.timeToCpa);
  EXPECT_EQ(arrival.hours, "4");
  EXPECT_EQ(arrival.minutes, "50");

  const auto at = PositionAtCpa({0, 20 + 7.0 / 60, 60 + 12.9 / 60}, 7, s);
  ASSERT_TRUE(at);
  EXPECT_NEAR((at->Lat - 20) * 60, 33.3, 0.05);
  EXPECT_NEAR((at->Lon - 60) * 60, 34.8, 0.05);
}

TEST(Avoidance, TheOtherCandidateWhenItKeepsTheCpaFarther) {
  AvoidanceInput in = Demo();
  in.bearing = 290;  // cyclone to the west-north-west, running north-east
  const AvoidanceSolution s = SolveAvoidance(in);
  EXPECT_NEAR(s.course, 113.5, 0.05);
}

TEST(Avoidance, EqualSpeedsRaiseTheCyclonesByATenth) {
  AvoidanceInput in = Demo();
  in.boatSpeed = 28;
  const AvoidanceSolution s = SolveAvoidance(in);
  EXPECT_EQ(s.outcome, AvoidanceOutcome::Solved);
  EXPECT_TRUE(s.cycloneSpeedRaised);
  EXPECT_DOUBLE_EQ(s.cycloneSpeed, 28.1);
  EXPECT_NEAR(s.angle, ArcCosD(28 / 28.1), 1e-12);
  in.boatSpeed = 27.9;
  EXPECT_FALSE(SolveAvoidance(in).cycloneSpeedRaised);
  EXPECT_EQ(SolveAvoidance(in).cycloneSpeed, 28);
}

TEST(ArrivalIn, TensOfMinutes) {
  struct Case {
    double hours;
    const char *h, *m;
  } cases[] = {{4.77, "4", "50"}, {2.0, "2", "0.0"}, {2.05, "2", "0.0"}, {2.25, "2", "20"},  // 1.5 tens to even
               {2.95, "3", "0.0"}};  // 57 minutes round up to the next hour, not "60 min"
  for (const Case& c : cases) {
    const ArrivalText t = ArrivalIn(c.hours);
    EXPECT_EQ(t.hours, c.h) << c.hours;
    EXPECT_EQ(t.minutes, c.m) << c.hours;
  }
}

TEST(AvoidancePlot, DemonstrationToScale) {
  const AvoidanceSolution s = SolveAvoidance(Demo());
  const AvoidancePlot p = PlotOf(Demo(), 400, 300);
  EXPECT_NEAR(p.scale, 300 / (s.timeToCpa * 7 + 170), 1e-12);
  // The start of the boat lies above the cyclone's; the frame starts at x 50, y 10.
  EXPECT_LT(p.boat1.y, p.cyclone1.y);
  EXPECT_EQ(std::min({p.boat1.x, p.boat2.x, p.cyclone1.x, p.cyclone2.x}), 50);
  EXPECT_EQ(std::min({p.boat1.y, p.boat2.y, p.cyclone1.y, p.cyclone2.y}), 10);
  EXPECT_NEAR(p.cyclone1.y - p.boat1.y, 170 * CosD(12) * p.scale, 1.0);
  EXPECT_EQ(p.barEnd.x - p.barStart.x, static_cast<int>(100 * p.scale));
  EXPECT_EQ(p.barEnd.y, 290);
}

TEST(AvoidancePlot, EveryPointStaysOnThePaintArea) {
  // A cyclone running away from the boat needs more than the height the boat's run and the
  // distance give; the picture is drawn smaller rather than off the paint area.
  struct Case {
    double bearing;
    int heading;
    double distance;
  } cases[] = {{360, 0, 170}, {12, 12, 170}, {192, 38, 170}, {90, 90, 50}, {270, 270, 9000}};
  for (const Case& c : cases) {
    AvoidanceInput a = Demo();
    a.bearing = c.bearing;
    a.heading = c.heading;
    a.distance = c.distance;
    const AvoidancePlot p = PlotOf(a, 510, 410);
    for (const PixelPoint& q : {p.boat1, p.boat2, p.cyclone1, p.cyclone2}) {
      EXPECT_LE(q.x, 511) << c.bearing << " " << c.heading;
      EXPECT_LE(q.y, 411) << c.bearing << " " << c.heading;
    }
    // Still to scale: the cyclone's start lies its distance from the boat's.
    const double pixels = std::hypot(p.cyclone1.x - p.boat1.x, p.cyclone1.y - p.boat1.y);
    EXPECT_NEAR(pixels, c.distance * p.scale, 2.0) << c.bearing;
  }
}

TEST(AvoidancePlot, NothingToScaleKeepsOnePixelPerMile) {
  EXPECT_EQ(PlanAvoidancePlot({400, 300}).scale, 1.0);
}

}  // namespace
}  // namespace veltrane
