#include "convert/conversions.h"

#include <gtest/gtest.h>

namespace veltrane {
namespace {

using Results = std::vector<std::pair<std::string, std::string>>;

Results Converted(Quantity q, const std::string& unit, const std::string& text) {
  Results r;
  for (const auto& v : Convert(q, unit, text).results) r.emplace_back(v.value, v.unit);
  return r;
}

TEST(Conversions, ProgramRoundingConstants) {
  struct Case {
    Quantity q;
    const char *unit, *text;
    Results expected;
  };
  const Case cases[] = {
      {Quantity::Temperature, "Celsius", "100", {{"212", "Fahrenheit"}}},
      {Quantity::Temperature, "Fahrenheit", "212", {{"100", "Celsius"}}},
      {Quantity::Temperature, "Fahrenheit", "32", {{"0", "Celsius"}}},
      {Quantity::Speed, "m/s", "0.4", {{"0.8", "knots"}, {"1.4", "km/h"}, {"0", "beaufort"}}},
      {Quantity::Speed, "m/s", "0.5", {{"1.0", "knots"}, {"1.8", "km/h"}, {"1", "beaufort"}}},
      {Quantity::Speed, "m/s", "1000", {{"1943.8", "knots"}, {"3600.0", "km/h"}, {"12", "beaufort"}}},
      {Quantity::Speed, "knots", "1000", {{"514.4", "m/s"}, {"1852.0", "km/h"}, {"12", "beaufort"}}},
      {Quantity::Speed, "knots", "64", {{"32.9", "m/s"}, {"118.5", "km/h"}, {"12", "beaufort"}}},
      {Quantity::Speed, "km/h", "100", {{"54.0", "knots"}, {"27.8", "m/s"}, {"10", "beaufort"}}},
      {Quantity::Speed, "km/h", "10000", {{"5399.6", "knots"}, {"2777.8", "m/s"}, {"12", "beaufort"}}},
      {Quantity::Speed, "beaufort", "0", {{"0", "knots"}, {"0", "m/s"}, {"0", "km/h"}}},
      {Quantity::Speed, "beaufort", "3.7", {{"7 - 10", "knots"}, {"3.6 - 5.1", "m/s"}, {"13.0 - 18.5", "km/h"}}},
      {Quantity::Speed, "beaufort", "12", {{"64 +", "knots"}, {"32.9 +", "m/s"}, {"118.5 +", "km/h"}}},
      {Quantity::Pressure, "mb", "1013", {{"759.75", "mmHg"}, {"29.914", "IM"}}},
      {Quantity::Pressure, "mmHg", "760", {{"1013.3", "mb"}, {"29.924", "IM"}}},
      {Quantity::Pressure, "IM", "29.92", {{"759.91", "mmHg"}, {"1013.2", "mb"}}},
      // Values large enough for every digit of each factor to show.
      {Quantity::Mass, "ounces", "10000", {{"625.000", "pounds"}, {"283492.5", "grams"}}},
      {Quantity::Mass, "pounds", "10000", {{"160000.0", "ounces"}, {"4535.900", "kilograms"}}},
      {Quantity::Mass, "kilograms", "1000", {{"35275.2", "ounces"}, {"2204.63", "pounds"}}},
      {Quantity::Volume, "USgallons", "10000", {{"8326.70", "BIgallons"}, {"37853.10", "liters"}}},
      {Quantity::Volume, "BIgallons", "10000", {{"12009.50", "USgallons"}, {"45459.68", "liters"}}},
      {Quantity::Volume, "liters", "10000", {{"2641.800", "USgallons"}, {"2199.748", "BIgallons"}}},
      {Quantity::Length, "inches", "39", {{"3.25", "feet"}, {"99.06", "cm"}, {"0.001", "NM"}}},
      {Quantity::Length, "inches", "100000", {{"8333.33", "feet"}, {"2540.00", "m"}, {"1.371", "NM"}}},
      {Quantity::Length, "feet", "3", {{"36.00", "inches"}, {"91.44", "cm"}, {"0.000", "NM"}}},
      {Quantity::Length, "feet", "100000", {{"1200000.00", "inches"}, {"30480.00", "m"}, {"16.458", "NM"}}},
      {Quantity::Length, "meters", "1000000", {{"39370080.00", "inches"}, {"3280840.00", "feet"}, {"539.957", "NM"}}},
      {Quantity::Length, "NM", "10", {{"729133.9", "inches"}, {"60761.2", "feet"}, {"18520.00", "meters"}}},
      {Quantity::Area, "sq inch", "30", {{"0.210", "sq feet"}, {"193.55", "sq cm"}}},
      {Quantity::Area, "sq inch", "100000", {{"694.440", "sq feet"}, {"64.52", "sq m"}}},
      {Quantity::Area, "sq feet", "2", {{"288.00", "sq inches"}, {"1858.1", "sq cm"}}},
      {Quantity::Area, "sq feet", "10000", {{"1440000.00", "sq inches"}, {"929.03", "sq m"}}},
      {Quantity::Area, "sq meter", "1000", {{"1550003.20", "sq inches"}, {"10763.91", "sq feet"}}},
      {Quantity::Angle, "degrees", "1.5", {{"90", "minutes"}, {"5400", "seconds"}, {"0.02618", "radians"}}},
      {Quantity::Angle, "degrees", "1.51", {{"90.60", "minutes"}, {"5436", "seconds"}, {"0.02635", "radians"}}},
      {Quantity::Angle, "minutes", "90", {{"1.500", "degrees"}, {"5400", "seconds"}, {"0.02618", "radians"}}},
      {Quantity::Angle, "seconds", "3600", {{"1.00000", "degrees"}, {"60.000", "minutes"}, {"0.017453", "radians"}}},
      {Quantity::Angle, "radians", "1", {{"57.2958", "degrees"}, {"3437.748", "minutes"}, {"206264.88", "seconds"}}},
  };
  for (const auto& c : cases) EXPECT_EQ(Converted(c.q, c.unit, c.text), c.expected) << c.unit << " " << c.text;
}

TEST(Conversions, BeaufortScale) {
  const std::pair<double, const char*> cases[] = {{0.4, "0"}, {0.6, "1"}, {3.4, "1"}, {3.6, "2"}, {10.4, "3"},
                                                  {47.5, "10"}, {63.4, "11"}, {63.5, "12"}, {200, "12"}};
  for (const auto& [knots, force] : cases) EXPECT_EQ(BeaufortNumber(knots), force) << knots;
  // Each force's range of knots follows the one below it and gives that force back at both ends.
  int previousHigh = 0;
  for (int force = 1; force <= 12; ++force) {
    const std::string range = Convert(Quantity::Speed, "beaufort", std::to_string(force)).results.at(0).value;
    const int low = std::stoi(range);
    EXPECT_EQ(low, previousHigh + 1) << range;
    EXPECT_EQ(BeaufortNumber(low), std::to_string(force)) << range;
    const size_t dash = range.find(" - ");
    if (force == 12) {
      EXPECT_EQ(range, "64 +");
      break;
    }
    ASSERT_NE(dash, std::string::npos) << range;
    previousHigh = std::stoi(range.substr(dash + 3));
    EXPECT_EQ(BeaufortNumber(previousHigh), std::to_string(force)) << range;
  }
}

TEST(Conversions, ForceOutsideScaleAndTruncation) {
  for (const char* text : {"13", "-1", "12.5e3"}) {
    const Conversion c = Convert(Quantity::Speed, "beaufort", text);
    EXPECT_EQ(c.error, "Scale is '0-12'") << text;
    EXPECT_TRUE(c.results.empty()) << text;
  }
  EXPECT_EQ(Convert(Quantity::Speed, "beaufort", "3.7").input, "3");
  EXPECT_FALSE(Convert(Quantity::Speed, "beaufort", "3").input.has_value());
}

TEST(Conversions, TextThatIsNoNumberClearsWithoutMessage) {
  for (const char* text : {"", "abc", "1,5", "-", "1e300"}) {
    const Conversion c = Convert(Quantity::Length, "feet", text);
    EXPECT_TRUE(c.results.empty()) << text;
    EXPECT_TRUE(c.error.empty()) << text;
  }
}

}  // namespace
}  // namespace veltrane
