#include "storm/position_texts.h"

#include <gtest/gtest.h>

namespace veltrane {
namespace {

TEST(DegMinFields, MinutesNeverShowSixty) {
  struct Case {
    double x;
    const char* deg;
    const char* min;
  } cases[] = {{16.6, "16", "36.0"}, {-60.5, "60", "30.0"}, {3.0, "3", "00.0"}, {20.1, "20", "06.0"},
               {10.9999, "11", "00.0"}, {-10.9999, "11", "00.0"}};
  for (const Case& c : cases) {
    const DegMinTexts t = DegMinFields(c.x);
    EXPECT_EQ(t.deg, c.deg) << c.x;
    EXPECT_EQ(t.min, c.min) << c.x;
  }
  EXPECT_EQ(DegMinJoined(20.555), "20\u00b0 33.3'");
}

}  // namespace
}  // namespace veltrane
