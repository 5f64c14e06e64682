#include "storm/pressure_picture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace veltrane {
namespace {

PixelPoint End(const BoatRun& r) { return {r.start.x + r.dx * r.steps, r.start.y + r.dy * r.steps}; }

int Distance2(PixelPoint a, PixelPoint b) { return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y); }

TEST(PlanBoatRun, TowardsPastOrAwayFromTheCentreAsTheTextSays) {
  const PixelPoint c = kIsobarCentre;
  // Heading in: ends nearer the centre than it started.
  const BoatRun in = PlanBoatRun("C", 180, 195);
  EXPECT_EQ(in.steps, 67);
  EXPECT_EQ(in.dy, 1);
  EXPECT_LT(Distance2(End(in), c), Distance2(in.start, c));
  // Leaving: ends farther.
  const BoatRun out = PlanBoatRun("Cc", 90, 195);
  EXPECT_GT(Distance2(End(out), c), Distance2(out.start, c));
  // Centre on the starboard side while heading north: the boat runs west of it, up to abeam.
  const BoatRun left = PlanBoatRun("L", 0, 195);
  EXPECT_LT(left.start.x, c.x);
  EXPECT_EQ(End(left).y, c.y);
  const BoatRun right = PlanBoatRun("Rc", 0, 195);
  EXPECT_GT(right.start.x, c.x);
  EXPECT_EQ(right.start.y, c.y);
  EXPECT_LT(End(right).y, c.y);
}

TEST(PlanBoatRun, StaysInsideThePicture) {
  for (const char* status : {"C", "Cc", "L", "Lc", "R", "Rc"})
    for (const int course : {0, 90, 180, 270}) {
      const BoatRun r = PlanBoatRun(status, course, 195);
      for (const PixelPoint p : {r.start, End(r)}) {
        EXPECT_GE(std::min(p.x, p.y), 10) << status << " " << course;
        EXPECT_LE(std::max(p.x, p.y), 185) << status << " " << course;
      }
    }
}

TEST(WindArrows, TurnRoundTheCentreByKindAndHemisphere) {
  // The arrow north of the centre: a northern low's wind blows west (anticlockwise), a
  // northern high's east; the south mirrors them.
  struct Case {
    bool high, north;
    int sign;  // of the x movement of the shaft north of the centre
  } cases[] = {{false, true, -1}, {true, true, 1}, {false, false, 1}, {true, false, -1}};
  for (const Case& c : cases) {
    const std::vector<Segment> arrows = WindArrows(c.high, c.north);
    ASSERT_EQ(arrows.size(), 12u);
    const Segment shaft = arrows[0];
    EXPECT_EQ((shaft.to.x - shaft.from.x) > 0 ? 1 : -1, c.sign) << c.high << c.north;
  }
}

}  // namespace
}  // namespace veltrane
