#include "coastal/distance_off.h"

#include <gtest/gtest.h>

#include "foundation/formats.h"

namespace veltrane {
namespace {

TEST(DistanceOff, HorizonAngle) {
  // 10 ft eye, 1 degree below the horizon, no index error: dip 3.07' makes 1.0511 degrees.
  const auto feet = DistanceByHorizonAngleFeet(1.0, 0.0, 10.0);
  ASSERT_TRUE(feet);
  EXPECT_NEAR(*feet, 545.1, 0.1);
  EXPECT_EQ(HorizonAngleText(*feet, false), "545  feet   (0.1  NM)");
  EXPECT_EQ(HorizonAngleText(*feet, true), "166  m   (0.1  NM)");
  // An index error that swallows the angle leaves no triangle.
  EXPECT_FALSE(DistanceByHorizonAngleFeet(1.0, 2.0, 10.0));
  EXPECT_FALSE(DistanceByHorizonAngleFeet(90.0, 0.0, 10.0));
}

TEST(DistanceOff, ObjectOfKnownHeight) {
  const auto feet = DistanceToObjectFeet(1.0, 0.0, 100.0 * kFeetPerMetre);
  ASSERT_TRUE(feet);
  EXPECT_EQ(ObjectDistanceText(*feet, true), "5730  m   (3.09  NM)");
  EXPECT_FALSE(DistanceToObjectFeet(-1.0, 0.0, 100.0));
  EXPECT_FALSE(DistanceToObjectFeet(180.0, 0.0, 100.0));
}

TEST(DistanceOff, BeyondTheHorizon) {
  // A 100 m light seen 0.1 degrees above the horizon from 3 m.
  const auto d = DistanceBeyondHorizon(0.1, 0.0, 3.0 * kFeetPerMetre, 100.0 * kFeetPerMetre);
  ASSERT_TRUE(d);
  EXPECT_NEAR(*d, 17.43, 0.01);
  // An object lower than the eye, seen above the horizon, gives no positive distance.
  EXPECT_FALSE(DistanceBeyondHorizon(1.0, 0.0, 100.0, 10.0));
}

// The index error is taken off every sextant angle alike: a sextant reading 3' too much gives
// the distance of the angle 3' smaller, whichever the function.
TEST(DistanceOff, IndexErrorComesOffEverySextantAngle) {
  const double index = 3.0 / 60.0, eye = 10.0, object = 300.0;
  struct Case {
    const char* function;
    std::optional<double> withError, corrected;
  } cases[] = {
      {"horizon angle", DistanceByHorizonAngleFeet(0.5 + index, index, eye), DistanceByHorizonAngleFeet(0.5, 0.0, eye)},
      {"object", DistanceToObjectFeet(0.5 + index, index, object), DistanceToObjectFeet(0.5, 0.0, object)},
      {"beyond", DistanceBeyondHorizon(0.1 + index, index, eye, object), DistanceBeyondHorizon(0.1, 0.0, eye, object)},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(c.withError && c.corrected) << c.function;
    EXPECT_NEAR(*c.withError, *c.corrected, 1e-9 * *c.corrected) << c.function;
  }
  EXPECT_FALSE(DistanceToObjectFeet(0.5, 1.0, object));  // the error swallows the angle
}

TEST(DistanceOff, DistanceTimeSpeed) {
  struct Case {
    RunAnswer answer;
    const char* fault;
  } cases[] = {
      {RunHours(500, 5), "Time more than 99 hours"},
      {RunHours(-10, 5), "No answer for negative values"},
      {RunSpeed(10, -1), "No answer for negative values"},
      {RunDistance(-5, 1), "No answer for negative values"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.answer.fault, c.fault);
  EXPECT_TRUE(RunHours(499.9, 5).fault.empty());
}

TEST(DistanceOff, RunTime) {
  struct Case {
    const char* text;
    double hours;
  } cases[] = {{"02:30", 2.5}, {"10:15", 10.25}, {":", 0.0}, {"", 0.0}, {"01:30:59", 1.5}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(RunTimeHours(c.text), c.hours) << c.text;
}

}  // namespace
}  // namespace veltrane
