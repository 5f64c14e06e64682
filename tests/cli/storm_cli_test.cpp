#include <gtest/gtest.h>

#include "cli/cli_run.h"

namespace veltrane::cli {
namespace {

TEST(StormCli, CentreOfTheDemonstration) {
  const CliRun r = Cli({"storm-centre", "--lat", "20", "--lon", "-60", "--wind", "90", "--fall", "1"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(JsonNumber(r.out, "bearing_deg"), 202);
  EXPECT_EQ(JsonNumber(r.out, "distance_nm"), 220);
  EXPECT_NEAR(JsonNumber(r.out, "lat"), 16.6, 0.001);
  EXPECT_NEAR(JsonNumber(r.out, "lon"), -(61 + 26.8 / 60), 0.001);

  const CliRun cloud = Cli({"storm-centre", "--lat", "-10", "--lon", "60", "--wind", "10", "--fall", "0.19",
                            "--unit", "IM", "--source", "cloud"});
  ASSERT_EQ(cloud.code, 0) << cloud.err;
  EXPECT_EQ(JsonNumber(cloud.out, "bearing_deg"), 280);
  EXPECT_EQ(JsonNumber(cloud.out, "distance_nm"), 25);

  // The demonstration moved to 179 W: the centre lies in east longitude.
  const CliRun across = Cli({"storm-centre", "--lat", "20", "--lon", "-179", "--wind", "90", "--fall", "1"});
  EXPECT_NEAR(JsonNumber(across.out, "lon"), 179 + 33.2 / 60, 0.002) << across.out;
  const CliRun pole = Cli({"storm-centre", "--lat", "89", "--lon", "0", "--wind", "248", "--fall", "0"});
  EXPECT_EQ(pole.code, 1);
  EXPECT_EQ(pole.out, "{\"error\": \"The position would pass a pole\"}");
}

TEST(StormCli, AvoidanceOfTheDemonstration) {
  const CliRun r = Cli({"storm-avoid", "--boat", "20.116667,-60.215", "--boat-speed", "7", "--cyclone",
                        "17.345,-60.836667", "--heading", "38", "--speed", "28"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NEAR(JsonNumber(r.out, "course_deg"), 322, 0.5);
  EXPECT_NEAR(JsonNumber(r.out, "relative_speed_kn"), 27, 0.5);
  EXPECT_NEAR(JsonNumber(r.out, "relative_distance_nm"), 129, 0.5);
  EXPECT_NEAR(JsonNumber(r.out, "time_to_cpa_h"), 4.77, 0.01);
  EXPECT_NEAR(JsonNumber(r.out, "distance_to_cpa_nm"), 110, 0.5);
  EXPECT_NEAR(JsonNumber(r.out, "lat"), 20 + 33.3 / 60, 0.002);
  EXPECT_NEAR(JsonNumber(r.out, "lon"), -(60 + 34.8 / 60), 0.002);
  EXPECT_TRUE(HasText(r.out, "\"arrival\": \"4 h  50 min\"")) << r.out;

  // A faster boat runs due north, away from a cyclone to the south.
  const CliRun outrun = Cli({"storm-avoid", "--boat", "20,-60", "--boat-speed", "20", "--cyclone", "18,-60",
                             "--heading", "0", "--speed", "10"});
  EXPECT_TRUE(HasText(outrun.out, "\"outrun\": true")) << outrun.out;
  EXPECT_NEAR(JsonNumber(outrun.out, "course_deg"), 0, 0.01);
  EXPECT_TRUE(HasText(outrun.out, "\"time_to_cpa_h\": null")) << outrun.out;
  // Across the date line the distance is the short way.
  const CliRun across = Cli({"storm-avoid", "--boat", "20,179.9", "--boat-speed", "7", "--cyclone", "18,-179.9",
                             "--heading", "0", "--speed", "20"});
  EXPECT_LT(JsonNumber(across.out, "distance_nm"), 125) << across.out;
}

TEST(StormCli, BadArgumentsAreUsageErrors) {
  ExpectUsageErrors({
      {"storm-centre", "--lat", "20", "--lon", "-60", "--wind", "90.5", "--fall", "1"},
      {"storm-centre", "--lat", "20", "--lon", "-60", "--wind", "90", "--fall", "-1"},
      {"storm-centre", "--lat", "20", "--lon", "-60", "--wind", "90", "--fall", "0.191", "--unit", "IM"},  // as the windows
      {"storm-centre", "--lat", "20", "--lon", "-60", "--wind", "90", "--fall", "7.001"},
      {"storm-centre", "--lat", "20", "--lon", "-60", "--wind", "90", "--fall", "1", "--unit", "hPa"},
      {"storm-centre", "--lat", "95", "--lon", "-60", "--wind", "90", "--fall", "1"},
      {"storm-avoid", "--boat", "20,-60", "--boat-speed", "7", "--cyclone", "18,-60", "--heading", "0", "--speed", "0"},
      {"storm-avoid", "--boat", "20,-60", "--boat-speed", "-1", "--cyclone", "18,-60", "--heading", "0", "--speed", "9"},
  });
}

}  // namespace
}  // namespace veltrane::cli
