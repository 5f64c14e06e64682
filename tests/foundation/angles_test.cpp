#include "foundation/angles.h"

#include <gtest/gtest.h>

#include <cmath>

namespace veltrane {
namespace {

TEST(Angles, Normalisation) {
  struct Case {
    double (*fn)(double);
    double in, out;
  };
  const Case cases[] = {
      {Norm180, 180, 180},   {Norm180, 190, -170},  {Norm180, -190, 170},  {Norm360, -10, 350},
      {Norm360, 720.5, 0.5}, {Norm360, -720, 0},    {Mod360, -370.25, -10.25}, {Mod360, 359.5, 359.5},
      {FoldLat, 100, 80},    {FoldLat, -100, -80},  {FoldLat, 45, 45},     {Wrap180, -190, 170},
      {Wrap180, 190, -170},  {Wrap180, 540, 180},
  };
  for (const auto& c : cases) EXPECT_NEAR(c.fn(c.in), c.out, 1e-12) << c.in;
  EXPECT_LT(Norm360(-1e-17), 360.0);
}

TEST(Angles, GuardedArcsineAndTangent) {
  EXPECT_NEAR(ArcSinR(1.2), 1.2 * kPi / 2, 1e-15);
  EXPECT_NEAR(ArcSinD(1.0), 90.0, 1e-12);
  EXPECT_NEAR(ArcSinD(-1.0), -90.0, 1e-12);
  EXPECT_NEAR(ArcSinD(0.5), 30.0, 1e-12);
  EXPECT_NEAR(ArcCosD(0.5), 60.0, 1e-12);
  EXPECT_NEAR(TanD(45), 1.0, 1e-12);
  EXPECT_THROW(TanD(std::nan("")), TanError);
  EXPECT_THROW(TanD(INFINITY), TanError);
}

TEST(Angles, DirectionCoversEveryQuadrantAndTheAxes) {
  struct Case {
    double y, x, dir;
  };
  const Case cases[] = {{1, 1, 45},  {1, -1, 135}, {-1, -1, 225}, {-1, 1, 315},
                        {1, 0, 90},  {-1, 0, 270}, {0, 0, 0},     {0, -1, 180}};
  for (const auto& c : cases) EXPECT_NEAR(DirectionD(c.y, c.x), c.dir, 1e-12) << c.y << "," << c.x;
}

TEST(Angles, DegreesAndMinutes) {
  EXPECT_DOUBLE_EQ(DegMinTextToDeg("0", "30"), 0.5);
  EXPECT_DOUBLE_EQ(DegMinTextToDeg("-12", "30"), -12.5);
  EXPECT_DOUBLE_EQ(DegMinTextToDeg("12", "x"), kNoValue);
  EXPECT_DOUBLE_EQ(DegMinTextToDeg("12", ""), 12.0);
  EXPECT_DOUBLE_EQ(DmsToDeg(-5, 30, 36), -5.51);
  const DegMin r = SplitDegMinRounded(10.9999);
  EXPECT_EQ(r.deg, 11);
  EXPECT_EQ(r.min, 0.0);
  const DegMin n = SplitDegMinRounded(-10.9999);
  EXPECT_EQ(n.deg, -11);
  const DegMin s = SplitDegMin(-12.25);
  EXPECT_EQ(s.deg, -12);
  EXPECT_DOUBLE_EQ(s.min, 15.0);
}

}  // namespace
}  // namespace veltrane
