#include "foundation/position_text.h"

#include <gtest/gtest.h>

namespace veltrane {
namespace {

TEST(ReadAngleText, TakesWhatTheTypingChecksTakeAndSaysWhyNot) {
  struct Case {
    const char *deg, *min;
    bool minus;
    int maxDeg;
    std::optional<double> value;
    const char* message;
  };
  const Case cases[] = {
      {"12", "30", false, 90, 12.5, ""},
      {"12", "30", true, 90, -12.5, ""},
      {"12", "", false, 90, 12.0, ""},
      {"12", "  ", true, 180, -12.0, ""},
      {"0", "59.9", false, 90, 59.9 / 60, ""},
      {"0", "59.9", true, 90, -59.9 / 60, ""},
      {"90", "0", true, 90, -90.0, ""},
      {"180", "", false, 180, 180.0, ""},
      {"90", "0.1", false, 90, {}, "Not greater than 90 degrees"},
      {"180", "0.1", false, 180, {}, "Not greater than 180 degrees"},
      {"91", "", false, 90, {}, "0 .. 90"},
      {"181", "0", false, 180, {}, "0 .. 180"},
      {"-5", "", false, 90, {}, "0 .. 90"},
      {"1.5", "", false, 90, {}, "0 .. 90"},
      {"", "10", false, 90, {}, "0 .. 90"},
      {"x", "", false, 180, {}, "0 .. 180"},
      {"10", "60", false, 180, {}, "0 .. 59.9"},
      {"10", "59.95", false, 180, {}, "0 .. 59.9"},
      {"10", "-1", false, 180, {}, "0 .. 59.9"},
      {"10", "nan", false, 180, {}, "0 .. 59.9"},
  };
  for (const auto& c : cases) {
    const AngleReading r = ReadAngleText({c.deg, c.min, c.minus}, c.maxDeg);
    ASSERT_EQ(r.value.has_value(), c.value.has_value()) << c.deg << " " << c.min;
    if (r.value) {
      EXPECT_NEAR(*r.value, *c.value, 1e-12) << c.deg << " " << c.min;
    }
    EXPECT_EQ(r.message, c.message) << c.deg << " " << c.min;
  }
}

TEST(AngleTextOf, UnsignedDegreesTenthsOfMinutesAndTheHemisphere) {
  struct Case {
    double x;
    const char *deg, *min;
    bool minus;
  } cases[] = {
      {16.6, "16", "36.0", false},    {-60.5, "60", "30.0", true},   {3.0, "3", "00.0", false},
      {20.1, "20", "06.0", false},    {-20.1, "20", "06.0", true},   {10.9999, "11", "00.0", false},
      {-10.9999, "11", "00.0", true}, {9.0 + 9.96 / 60, "9", "10.0", false},
      {179.9999, "180", "00.0", false},
      // Zero, and what rounds to it, is on the equator or the prime meridian.
      {0.0, "0", "00.0", false},      {-0.0, "0", "00.0", false},    {-0.0008, "0", "00.0", false},
      {-0.001, "0", "00.1", true},    {-0.5, "0", "30.0", true},
  };
  for (const Case& c : cases) {
    const AngleText t = AngleTextOf(c.x);
    EXPECT_EQ(t.deg, c.deg) << c.x;
    EXPECT_EQ(t.min, c.min) << c.x;
    EXPECT_EQ(t.minus, c.minus) << c.x;
  }
  EXPECT_EQ(DegMinJoined(20.555), "20\u00b0 33.3'");
  EXPECT_EQ(DegMinJoined(-0.5), "0\u00b0 30.0'");
  EXPECT_EQ(DegMinWithHemisphere(-20.555, AngleKind::Latitude), "20\u00b0 33.3'  S");
  EXPECT_EQ(DegMinWithHemisphere(20.555, AngleKind::Latitude), "20\u00b0 33.3'  N");
  EXPECT_EQ(DegMinWithHemisphere(-0.0004, AngleKind::Latitude), "0\u00b0 00.0'  N");
  EXPECT_EQ(DegMinWithHemisphere(-0.0004, AngleKind::Longitude), "0\u00b0 00.0'  W");
  EXPECT_EQ(DegMinWithHemisphere(-120.0, AngleKind::Longitude), "120\u00b0 00.0'  E");
}

TEST(PositionText, ReadsLatitudeThenLongitude) {
  const PositionReading ok = ReadPositionText({{"60", "9.7", true}, {"24", "57.3", true}});
  ASSERT_TRUE(ok.value);
  EXPECT_NEAR(ok.value->Lat, -(60 + 9.7 / 60), 1e-12);
  EXPECT_NEAR(ok.value->Lon, -(24 + 57.3 / 60), 1e-12);
  EXPECT_EQ(ok.value->Direction, 0.0);
  EXPECT_TRUE(ok.message.empty());

  // A latitude field is checked against 90, a longitude field against 180; the latitude speaks first.
  EXPECT_EQ(ReadPositionText({{"91", "", false}, {"181", "", false}}).message, "0 .. 90");
  EXPECT_EQ(ReadPositionText({{"90", "", false}, {"181", "", false}}).message, "0 .. 180");
  EXPECT_TRUE(ReadPositionText({{"90", "", false}, {"180", "", false}}).value);
  EXPECT_FALSE(ReadPositionText({{"10", "", false}, {"", "", false}}).value);
}

}  // namespace
}  // namespace veltrane
