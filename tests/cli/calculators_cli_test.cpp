// The small calculators on the command line: the figures the windows show, and refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "cli/cli_run.h"

namespace veltrane::cli {
namespace {

TEST(CalculatorsCli, Tide) {
  const std::vector<std::string> tides = {"tide", "--high", "4", "--high-time", "12:00", "--low", "1",
                                          "--low-time", "06:00", "--low-first"};
  auto args = tides;
  args.insert(args.end(), {"--time", "09:00"});
  CliRun r = Cli(args);
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NEAR(JsonNumber(r.out, "height"), 2.5, 1e-9);
  args = tides;
  args.insert(args.end(), {"--height", "2.5"});
  r = Cli(args);
  EXPECT_NE(r.out.find("\"time\": \"09:00\""), std::string::npos) << r.out;
  // High water first by default: the low water at 05:00 is the next morning.
  r = Cli({"tide", "--high", "5", "--high-time", "23:00", "--low", "1", "--low-time", "05:00", "--height", "2"});
  EXPECT_NE(r.out.find("\"time\": \"03:00\""), std::string::npos) << r.out;
}

TEST(CalculatorsCli, Wind) {
  const CliRun r = Cli({"wind", "--heading", "0", "--boat-speed", "5", "--apparent-angle", "30", "--apparent-speed",
                     "10", "--side", "starboard"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(JsonNumber(r.out, "true_direction_deg"), 54.0);
  EXPECT_NEAR(JsonNumber(r.out, "true_speed_kn"), 6.2, 0.01);
}

TEST(CalculatorsCli, Meet) {
  CliRun r = Cli({"meet", "--course-other", "90", "--speed-other", "5", "--direction", "0", "--speed-own", "10",
               "--distance", "10"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NEAR(JsonNumber(r.out, "course_deg"), 30.0, 1e-9);
  EXPECT_NEAR(JsonNumber(r.out, "time_h"), 1.1547, 1e-4);
  EXPECT_NEAR(JsonNumber(r.out, "distance_nm"), 11.547, 1e-3);
  r = Cli({"meet", "--course-other", "90", "--speed-other", "15", "--direction", "0", "--speed-own", "10",
           "--distance", "10"});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.out.find("No meeting: the other boat is too fast"), std::string::npos) << r.out;
}

TEST(CalculatorsCli, Refusals) {
  struct Case {
    std::vector<std::string> args;
    int code;
  } cases[] = {
      {{"tide", "--high", "4", "--high-time", "12:00", "--low", "1", "--low-time", "06:00"}, 2},
      {{"tide", "--high", "4", "--high-time", "12:00", "--low", "1", "--low-time", "06:00", "--time", "9:00",
        "--height", "2"},
       2},
      {{"tide", "--high", "4", "--high-time", "6:00", "--low", "1", "--low-time", "06:00", "--time", "9:00"}, 1},
      {{"tide", "--high", "4", "--high-time", "25:00", "--low", "1", "--low-time", "06:00", "--time", "9:00"}, 2},
      {{"tide", "--high", "4", "--high-time", "12:00", "--low", "1", "--low-time", "24:00", "--time", "9:00"}, 2},
      {{"tide", "--high", "4", "--high-time", "12:00", "--low", "1", "--low-time", "06:00", "--time", "9:60"}, 2},
      {{"wind", "--heading", "0", "--boat-speed", "5", "--apparent-angle", "30", "--apparent-speed", "10", "--side",
        "left"},
       2},
      {{"wind", "--heading", "0", "--boat-speed", "5", "--apparent-angle", "0", "--apparent-speed", "5", "--side",
        "port"},
       1},
      {{"meet", "--course-other", "90", "--speed-other", "0", "--direction", "0", "--speed-own", "10",
        "--distance", "10"},
       1},
  };
  for (const auto& c : cases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.code, c.code) << r.out << r.err;
    EXPECT_FALSE(r.out.find("null") != std::string::npos) << r.out;
  }
}

}  // namespace
}  // namespace veltrane::cli
