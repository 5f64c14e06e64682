#include <gtest/gtest.h>

#include <cmath>

#include "cli/cli_run.h"

// sail, course-distance and current answer as Navigate's tasks do.
namespace veltrane::cli {
namespace {

TEST(NavigateCli, AnswersAsTheWindowsTasks) {
  const struct {
    std::vector<std::string> args;
    const char* key1;
    double v1;
    const char* key2;
    double v2;
  } cases[] = {
      {{"sail", "--from", "10,20", "--course", "45", "--distance", "0"}, "lat", 10, "lon", 20},  // no run
      {{"sail", "--from", "0,-179.5", "--course", "270", "--distance", "60"}, "lat", 0, "lon", 179.5},
      // A current too weak to have a set worth giving.
      {{"current", "--water-track", "0", "--boat-speed", "6", "--track", "0.4", "--ground-speed", "6"}, "set_deg", 0,
       "drift_kn", 2 * 6 * std::sin(0.2 * M_PI / 180)},
      // A boat without way on drifts with the whole current.
      {{"current", "--water-track", "0", "--boat-speed", "0", "--track", "45", "--ground-speed", "5"}, "set_deg", 45,
       "drift_kn", 5},
  };
  for (const auto& c : cases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.code, 0) << c.args[0] << " " << r.err;
    EXPECT_NEAR(JsonNumber(r.out, c.key1), c.v1, 1e-9) << r.out;
    EXPECT_NEAR(JsonNumber(r.out, c.key2), c.v2, 1e-9) << r.out;
  }

  // Between one point and itself there is no course.
  const CliRun r = Cli({"course-distance", "--from", "10,10", "--to", "10,10"});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.out.find("\"error\": \"Give proper start and end point values\""), std::string::npos) << r.out;
}

}  // namespace
}  // namespace veltrane::cli
