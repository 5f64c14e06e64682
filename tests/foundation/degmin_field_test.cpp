#include "foundation/degmin_field.h"

#include <gtest/gtest.h>

namespace veltrane {
namespace {

TEST(FieldAngle, TakesWhatTheTypingChecksTake) {
  struct Case {
    const char *deg, *min;
    int maxDeg;
    std::optional<double> value;
  };
  const Case cases[] = {
      {"12", "30", 90, 12.5},   {"12", "", 90, 12.0},      {"12", "  ", 90, 12.0},      {"0", "59.9", 90, 59.9 / 60},
      {"90", "0", 90, 90.0},    {"90", "0.1", 90, {}},     {"91", "", 90, {}},
      {"-5", "", 90, {}},       {"1.5", "", 90, {}},       {"", "10", 90, {}},
      {"x", "", 180, {}},       {"10", "60", 180, {}},     {"10", "-1", 180, {}},
      {"10", "nan", 180, {}},   {"180", "", 180, 180.0},
  };
  for (const auto& c : cases) {
    const auto v = FieldAngle(c.deg, c.min, c.maxDeg);
    ASSERT_EQ(v.has_value(), c.value.has_value()) << c.deg << " " << c.min;
    if (v) {
      EXPECT_NEAR(*v, *c.value, 1e-12) << c.deg << " " << c.min;
    }
  }
}

}  // namespace
}  // namespace veltrane
