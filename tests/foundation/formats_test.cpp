#include "foundation/formats.h"

#include <gtest/gtest.h>

#include "foundation/numbers.h"

namespace veltrane {
namespace {

TEST(Formats, DegreeMinuteTexts) {
  struct Case {
    std::string (*fn)(double);
    double in;
    const char* out;
  };
  const Case cases[] = {
      {FmtDegMin, 12.5, "12° 30.0'"},   {FmtDegMin, 12.1, "12° 06.0'"},  {FmtDegMin, -0.5, "0° 30.0'"},
      {FmtDegMin, 3.0, "3° 0.00'"},     {FmtDegMin, 9.0 + 9.96 / 60, "9° 10.0'"},
      {FmtDegMin, -12.25, "-12° 15.0'"}, {FmtDegMinAbs, -12.25, "12° 15.0'"},
      {FmtDegMinSec, 5.5125, "5° 30' 45.00''"}, {FmtHMS, 13.5125, "13 h 30 m 45 s"},
      {FmtHMS, 23.99999, "0 h 00 m 00 s"}, {FmtHMS, 1.0 + 1.0 / 3600, "1 h 00 m 01 s"},
      {FmtTenths, 0.0, "0"},             {FmtTenths, 2.25, "2.2"},        {FmtTenths, 2.35, "2.4"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.fn(c.in), c.out) << c.in;
}

TEST(Numbers, ConversionAcceptsDecimalTextOnly) {
  EXPECT_EQ(ParseReal("12.5"), 12.5);
  EXPECT_EQ(ParseReal(" -3e2 "), -300.0);
  EXPECT_EQ(ParseReal(".5"), 0.5);
  for (const char* bad : {"", "-", ".", "nan", "inf", "0x10", "1,5", "12a", "1e", "1e999"})
    EXPECT_FALSE(ParseReal(bad).has_value()) << bad;
  EXPECT_EQ(ParseInt("-12"), -12);
  for (const char* bad : {"", "1.0", "99999999999", "+", "1 2"}) EXPECT_FALSE(ParseInt(bad).has_value()) << bad;
}

TEST(Numbers, RoundingIsHalfToEvenAndNeverMinusZero) {
  EXPECT_EQ(RoundHalfEven(2.5), 2.0);
  EXPECT_EQ(RoundHalfEven(3.5), 4.0);
  EXPECT_EQ(Str(-0.04, 1), "0.0");
  EXPECT_EQ(Str(1.25, 1), "1.2");
  EXPECT_EQ(IntStr(-3.9), "-3");
  EXPECT_EQ(Str(1e20, 1), "100000000000000000000.0");
}

}  // namespace
}  // namespace veltrane
