// The small calculators on the command line: the figures the windows show, and refusals.
#include <gtest/gtest.h>

#include "cli/cli_run.h"

namespace veltrane::cli {
namespace {

const std::vector<std::string> kTides = {"tide", "--high", "4", "--high-time", "12:00", "--low", "1", "--low-time",
                                         "06:00"};

TEST(CalculatorsCli, Answers) {
  const struct {
    std::vector<std::string> args;
    const char* key;
    double value;
    const char* text;  // a text the answer holds
  } cases[] = {
      {With(kTides, {"--low-first", "--time", "09:00"}), "height", 2.5, ""},
      {With(kTides, {"--low-first", "--height", "2.5"}), "", 0, "\"time\": \"09:00\""},
      // High water first by default: the low water at 05:00 is the next morning.
      {{"tide", "--high", "5", "--high-time", "23:00", "--low", "1", "--low-time", "05:00", "--height", "2"}, "", 0,
       "\"time\": \"03:00\""},
      {{"wind", "--heading", "0", "--boat-speed", "5", "--apparent-angle", "30", "--apparent-speed", "10", "--side",
        "starboard"},
       "true_direction_deg", 54.0, "\"true_speed_kn\": 6.19"},
      {{"meet", "--course-other", "90", "--speed-other", "5", "--direction", "0", "--speed-own", "10", "--distance",
        "10"},
       "course_deg", 30.0, "\"time_h\": 1.1547"},
  };
  for (const auto& c : cases) {
    const CliRun r = Cli(c.args);
    ASSERT_EQ(r.code, 0) << c.args[0] << " " << r.err;
    if (*c.key) {
      EXPECT_NEAR(JsonNumber(r.out, c.key), c.value, 1e-9) << r.out;
    }
    EXPECT_TRUE(HasText(r.out, c.text)) << r.out;
  }
  EXPECT_NEAR(JsonNumber(Cli(cases[4].args).out, "distance_nm"), 11.547, 1e-3);
}

TEST(CalculatorsCli, Refusals) {
  const struct {
    std::vector<std::string> args;
    const char* error;
  } cases[] = {
      {{"tide", "--high", "4", "--high-time", "6:00", "--low", "1", "--low-time", "06:00", "--time", "9:00"},
       "No answer: high and low water times are equal"},
      {{"wind", "--heading", "0", "--boat-speed", "5", "--apparent-angle", "0", "--apparent-speed", "5", "--side",
        "port"},
       "No answer: the true wind is calm"},
      {{"meet", "--course-other", "90", "--speed-other", "15", "--direction", "0", "--speed-own", "10", "--distance",
        "10"},
       "No meeting: the other boat is too fast"},
  };
  for (const auto& c : cases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.code, 1) << r.err;
    EXPECT_EQ(r.out, std::string("{\"error\": \"") + c.error + "\"}");
  }
  ExpectUsageErrors({
      kTides,
      With(kTides, {"--time", "9:00", "--height", "2"}),
      {"tide", "--high", "4", "--high-time", "25:00", "--low", "1", "--low-time", "06:00", "--time", "9:00"},
      {"tide", "--high", "4", "--high-time", "12:00", "--low", "1", "--low-time", "24:00", "--time", "9:00"},
      With(kTides, {"--time", "9:60"}),
      {"wind", "--heading", "0", "--boat-speed", "5", "--apparent-angle", "30", "--apparent-speed", "10", "--side",
       "left"},
  });
}

}  // namespace
}  // namespace veltrane::cli
