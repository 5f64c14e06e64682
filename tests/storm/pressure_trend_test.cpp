#include "storm/pressure_trend.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace veltrane {
namespace {

using ::testing::ElementsAre;

TEST(PressureToMillibars, UnitsAndRange) {
  struct Case {
    PressureUnit unit;
    double reading;
    std::optional<int> mb;
  } cases[] = {{PressureUnit::Millibar, 1005, 1005},    {PressureUnit::InchHg, 30, 1016},
               {PressureUnit::InchHg, 29.92, 1013},     {PressureUnit::MmHg, 760, 1013},
               {PressureUnit::Millibar, 949, std::nullopt}, {PressureUnit::Millibar, 1081, std::nullopt},
               {PressureUnit::Millibar, 950, 950},      {PressureUnit::Millibar, 1080, 1080}};
  for (const Case& c : cases) EXPECT_EQ(PressureToMillibars(c.unit, c.reading), c.mb) << c.reading;
}

PressureSituation Situation(bool north, int mb, BaroTendency t, int wind, int course,
                            WindChange change = WindChange::None) {
  PressureSituation s;
  s.north = north;
  s.millibars = mb;
  s.tendency = t;
  s.windDirection = wind;
  s.course = course;
  s.windChange = change;
  return s;
}

TEST(EvaluatePressure, HeadingToAndLeavingACentre) {
  struct Case {
    PressureSituation s;
    const char* status;
    int d1;
    const char* firstLine;
  } cases[] = {
      // 1013 mb is still a Low, 1014 a High.
      {Situation(true, 1013, BaroTendency::Falling, 90, 180), "C", 180, " You are heading to a center of a Low"},
      {Situation(true, 1005, BaroTendency::Rising, 90, 180), "Cc", 180, " You are leaving a center of a Low"},
      {Situation(true, 1014, BaroTendency::Rising, 0, 90), "C", 270, " You are heading to a center of a High"},
      {Situation(false, 1005, BaroTendency::Falling, 90, 0), "C", 0, " You are heading to a center of a Low"},
  };
  for (const Case& c : cases) {
    const PressureAdvice a = EvaluatePressure(c.s);
    EXPECT_EQ(a.status, c.status);
    EXPECT_EQ(a.centreDirection, c.d1);
    ASSERT_FALSE(a.lines.empty());
    EXPECT_EQ(a.lines[0], c.firstLine);
  }
}

TEST(EvaluatePressure, CentreToOneSide) {
  // A low to the south: steering east it is on the starboard side, steering north-west on port.
  PressureAdvice a = EvaluatePressure(Situation(true, 1005, BaroTendency::Falling, 90, 90));
  EXPECT_EQ(a.status, "L");
  EXPECT_THAT(a.lines, ElementsAre(" The nearby pressure is a Low on the S side",
                                   " at the time of barometer not falling any more.",
                                   " The wind will probably turn to the SW.", ""));
  a = EvaluatePressure(Situation(true, 1005, BaroTendency::Steady, 90, 300));
  EXPECT_EQ(a.status, "Rc");
  EXPECT_THAT(a.lines, ElementsAre(" The nearby pressure was a Low on the S side",
                                   " The wind will probably turn to the SW.", ""));
}

TEST(EvaluatePressure, ProbableWindWraps) {
  EXPECT_EQ(EvaluatePressure(Situation(true, 1005, BaroTendency::Falling, 90, 180)).probableWind, 226);
  EXPECT_EQ(EvaluatePressure(Situation(true, 1005, BaroTendency::Falling, 300, 180)).probableWind, 76);
  EXPECT_EQ(EvaluatePressure(Situation(true, 1020, BaroTendency::Falling, 100, 180)).probableWind, 324);
}

TEST(EvaluatePressure, FrontWarningOnlyForAFallingLowTurningTheFrontWay) {
  struct Case {
    bool north;
    int mb;
    BaroTendency t;
    WindChange change;
    bool front;
  } cases[] = {{true, 1005, BaroTendency::Falling, WindChange::Veering, true},
               {false, 1005, BaroTendency::Falling, WindChange::Backing, true},
               {true, 1005, BaroTendency::Falling, WindChange::Backing, false},
               {true, 1005, BaroTendency::Rising, WindChange::Veering, false},
               {true, 1020, BaroTendency::Falling, WindChange::Veering, false}};
  for (const Case& c : cases) {
    const PressureAdvice a = EvaluatePressure(Situation(c.north, c.mb, c.t, 90, 180, c.change));
    EXPECT_EQ(a.lines.back() == " it is a cold front.", c.front) << c.north << " " << c.mb;
  }
}

}  // namespace
}  // namespace veltrane
