#include "coastal/tides.h"

#include <gtest/gtest.h>

#include <cmath>

namespace veltrane {
namespace {

TEST(Tides, NextDayRule) {
  struct Case {
    double high, low;
    bool highFirst;
    double wantHigh, wantLow;
  } cases[] = {
      {23, 5, true, 23, 29},     // low water after midnight
      {12, 6, true, 12, 30},     // said so, so the low water is tomorrow's
      {12, 6, false, 12, 6},
      {3, 21, false, 27, 21},
      {12.5, 12.2, true, 12.5, 12.2},  // same hour: not moved
  };
  for (const auto& c : cases) {
    const TideTimes t = TideTimesInOrder(c.high, c.low, c.highFirst);
    EXPECT_EQ(t.high, c.wantHigh);
    EXPECT_EQ(t.low, c.wantLow);
  }
}

TEST(Tides, HeightAndTimeAreInverse) {
  const TideTimes times = TideTimesInOrder(12, 6, false);
  EXPECT_NEAR(TideHeightAt(4, 1, times, 9).value, 2.5, 1e-12);
  EXPECT_NEAR(TideHeightAt(4, 1, times, 6).value, 1.0, 1e-12);
  EXPECT_NEAR(TideHeightAt(4, 1, times, 12).value, 4.0, 1e-12);
  EXPECT_NEAR(TideTimeOf(4, 1, times, 2.5).value, 9.0, 1e-12);
  for (double h : {1.0, 1.7, 3.2, 4.0}) {
    const double t = TideTimeOf(4, 1, times, h).value;
    EXPECT_NEAR(TideHeightAt(4, 1, times, t).value, h, 1e-9);
  }
}

TEST(Tides, AfterMidnight) {
  const TideTimes times = TideTimesInOrder(23, 4, true);  // low water 28:00
  // 02:00 is read as 26:00, three fifths of the way down.
  const double at26 = 3.0 - 2.0 * std::cos(72.0 * 3.141592653589793 / 180.0);
  EXPECT_NEAR(TideHeightAt(5, 1, times, 2).value, at26, 1e-12);
  EXPECT_NEAR(TideHeightAt(5, 1, times, 26).value, at26, 1e-12);
  EXPECT_NEAR(TideTimeOf(5, 1, times, at26).value, 26.0, 1e-12);
  // Before the first tide of the evening stays on the first day.
  EXPECT_NEAR(TideHeightAt(5, 1, times, 22).value, TideHeightAt(5, 1, times, 24).value, 1e-12);
}

TEST(Tides, ClockTimes) {
  struct Case {
    const char* text;
    std::optional<double> hours;
  } cases[] = {
      {"09:30", 9.5}, {"9:30", 9.5}, {" 9:30", 9.5}, {"00:00", 0.0}, {"23:59", 23.0 + 59.0 / 60.0},
      {":", std::nullopt},      // an empty time field
      {"12:", std::nullopt},    {"12:3", std::nullopt}, {"24:00", std::nullopt}, {"12:60", std::nullopt},
      {"99:99", std::nullopt},  {"-1:30", std::nullopt}, {"12:30:00", std::nullopt}, {"1230", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(TideClockHours(c.text), c.hours) << c.text;
}

TEST(Tides, FiguresWithoutAnAnswer) {
  const TideTimes same{6, 6};
  EXPECT_EQ(TideHeightAt(4, 1, same, 6).fault, "No answer: high and low water times are equal");
  const TideTimes times{12, 6};
  EXPECT_EQ(TideTimeOf(2, 2, times, 2).fault, "No answer: high and low water heights are equal");
  EXPECT_EQ(TideTimeOf(4, 1, times, 4.5).fault, "No answer: the height is not between low and high water");
  EXPECT_EQ(TideTimeOf(4, 1, times, 0.5).fault, "No answer: the height is not between low and high water");
  EXPECT_TRUE(TideTimeOf(4, 1, times, 4.0).fault.empty());
}

}  // namespace
}  // namespace veltrane
