#include "coastal/tacking.h"

#include <gtest/gtest.h>

namespace veltrane {
namespace {

TEST(Tacking, BeatAndNewTackingAngle) {
  const auto beat = BeatToWindward(10, 90, 6);
  ASSERT_TRUE(beat);
  EXPECT_NEAR(beat->distance, 14.142, 1e-3);
  EXPECT_NEAR(beat->vmg, 4.243, 1e-3);
  const auto wider = BeatToWindward(10, 80, 6);
  ASSERT_TRUE(wider);
  EXPECT_NEAR(wider->distance, 13.054, 1e-3);
  const double needed = SpeedForSameVmg(6, beat->percent, wider->percent);
  EXPECT_NEAR(needed, 5.54, 0.01);
  // The needed speed at the new angle makes good what the old one did.
  EXPECT_NEAR(BeatToWindward(10, 80, needed)->vmg, beat->vmg, 1e-9);
  for (double bad : {0.0, 180.0, -10.0, 200.0}) EXPECT_FALSE(BeatToWindward(10, bad, 6)) << bad;
}

TEST(Tacking, DownwindRows) {
  struct Case {
    double windMark, divergence, speed;
    double leg1, leg2, total, minutes, vmg;
  } cases[] = {
      {0, 0, 6, 0, 0, 10, 100.0, 6.0},
      {0, 20, 7, 5.32, 5.32, 10.64, 91.2, 6.58},
      {10, 20, 7, 2.70, 7.78, 10.48, 89.8, 6.68},
      {20, 20, 7, 0, 10, 10, 85.7, 7.0},  // the mark on the gybing line: one leg
      {30, 0, 6, 0, 0, 10, 100.0, 6.0},   // straight to the mark
  };
  for (const auto& c : cases) {
    const auto legs = GybeToMark(10, c.windMark, c.divergence, c.speed);
    ASSERT_TRUE(legs) << c.windMark << " " << c.divergence;
    const DownwindLegs& r = *legs;
    EXPECT_NEAR(r.leg1, c.leg1, 0.005) << c.windMark << " " << c.divergence;
    EXPECT_NEAR(r.leg2, c.leg2, 0.005);
    EXPECT_NEAR(r.total, c.total, 0.005);
    EXPECT_NEAR(r.minutes, c.minutes, 0.05);
    EXPECT_NEAR(r.vmg, c.vmg, 0.005);
  }
  // The mark further off the wind than the gybe: leg I would be sailed into the wind.
  EXPECT_FALSE(GybeToMark(10, 30, 20, 7));
  EXPECT_FALSE(GybeToMark(10, 90, 40, 7));
}

}  // namespace
}  // namespace veltrane
