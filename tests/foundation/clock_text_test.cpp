#include "foundation/clock_text.h"

#include <gtest/gtest.h>

namespace veltrane {
namespace {

TEST(ClockText, HoursAndMinutes) {
  struct Case {
    double hours;
    bool wrap;
    const char* text;
  } cases[] = {
      {2.5, false, "02:30"},    {7.0 / 3.0, false, "02:20"}, {9.99999, false, "10:00"},
      {23.99999, true, "00:00"}, {29.5, true, "05:30"},      {123.25, false, "123:15"},
      {0.0, false, "00:00"},
  };
  for (const auto& c : cases) EXPECT_EQ(FmtClockHHMM(c.hours, c.wrap), c.text) << c.hours;
}

}  // namespace
}  // namespace veltrane
