// sail, course-distance and current answer as Navigate's tasks do, with east-positive longitudes.
#include <gtest/gtest.h>

#include <cmath>

#include "cli/cli_run.h"
#include "support/temp_folder.h"

namespace veltrane::cli {
namespace {

TEST(CoastalCli, SailingAndCourseDistance) {
  const struct {
    std::vector<std::string> args;
    const char* key1;
    double v1;
    const char* key2;
    double v2;
  } cases[] = {
      {{"sail", "--from", "0,0", "--course", "90", "--distance", "60"}, "lat", 0, "lon", 1},
      {{"sail", "--from", "0,179.5", "--course", "90", "--distance", "60"}, "lat", 0, "lon", -179.5},
      {{"sail", "--from", "60,0", "--course", "270", "--distance", "60", "--method", "midlat"}, "lat", 60, "lon", -2},
      {{"sail", "--from", "10,20", "--course", "45", "--distance", "0"}, "lat", 10, "lon", 20},  // no run
      {{"course-distance", "--from", "0,-1", "--to", "0,0"}, "course_deg", 90, "distance_nm", 60},
      {{"current", "--set", "90", "--drift", "5", "--water-track", "0", "--boat-speed", "5"},
       "ground_track_deg", 45, "ground_speed_kn", std::sqrt(50.0)},
      {{"current", "--water-track", "0", "--boat-speed", "5", "--track", "45", "--ground-speed", "7.0710678118654755"},
       "set_deg", 90, "drift_kn", 5},
      {{"cross-bearing", "--a", "60,25,0", "--b", "60.1666666667,25.1666666667,270"}, "lat", 60.1666666667, "lon", 25},
  };
  for (const auto& c : cases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.code, 0) << c.args[0] << " " << r.err;
    EXPECT_NEAR(JsonNumber(r.out, c.key1), c.v1, 1e-9) << r.out;
    EXPECT_NEAR(JsonNumber(r.out, c.key2), c.v2, 1e-9) << r.out;
  }
}

TEST(CoastalCli, DeviationTableAndFailures) {
  const test::TempFolder folder;
  folder.Write("table.cmp", "0 2\n90 4\n");
  const std::string table = folder.File("table.cmp");
  CliRun r = Cli({"deviation", "--table", table, "--heading", "45.7"});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(JsonNumber(r.out, "deviation_deg"), 3);
  r = Cli({"deviation", "--table", table, "--heading", "94", "--reverse"});
  EXPECT_EQ(JsonNumber(r.out, "deviation_deg"), 4);

  const struct {
    std::vector<std::string> args;
    const char* json;
  } failures[] = {
      {{"deviation", "--table", folder.File("none.cmp"), "--heading", "10"}, "{\"error\": \"File "},
      {{"cross-bearing", "--a", "0,0,10", "--b", "1,1,190.5"}, "{\"error\": \"Lines do not cross\"}"},
      {{"sail", "--from", "89.5,0", "--course", "10", "--distance", "60"}, "{\"error\": \"The run reaches a pole"},
      {{"course-distance", "--from", "10,10", "--to", "10,10"},
       "{\"error\": \"Give proper start and end point values\"}"},
  };
  for (const auto& c : failures) {
    r = Cli(c.args);
    EXPECT_EQ(r.code, 1) << c.args[0];
    EXPECT_EQ(r.out.rfind(c.json, 0), 0u) << r.out;
  }

  ExpectUsageErrors({
      {"sail", "--from", "91,0", "--course", "0", "--distance", "1"},
      {"sail", "--from", "0,0", "--course", "0", "--distance", "1", "--method", "great"},
      {"cross-bearing", "--a", "0,0", "--b", "1,1,5"},
      {"current", "--set", "90", "--water-track", "0", "--boat-speed", "5"},
      {"current", "--set", "90", "--drift", "5", "--water-track", "0", "--boat-speed", "5", "--ground-speed", "4"},
      {"current", "--water-track", "0", "--boat-speed", "5", "--track", "45"},
  });
}

}  // namespace
}  // namespace veltrane::cli
