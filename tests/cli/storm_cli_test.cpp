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
  EXPECT_NE(r.out.find("\"arrival\": \"4 h  50 min\""), std::string::npos) << r.out;
}

TEST(StormCli, FasterBoatOutrunsTheCyclone) {
  const CliRun r = Cli({"storm-avoid", "--boat", "20,-60", "--boat-speed", "20", "--cyclone", "18,-60", "--heading",
                        "0", "--speed", "10"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("\"outrun\": true"), std::string::npos) << r.out;
  EXPECT_NEAR(JsonNumber(r.out, "course_deg"), 0, 0.01);  // due north, away from a cyclone to the south
  EXPECT_NE(r.out.find("\"time_to_cpa_h\": null"), std::string::npos) << r.out;
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

TEST(StormCli, AcrossTheDateLine) {
  // The demonstration moved to 179 W: the centre lies in east longitude.
  const CliRun centre = Cli({"storm-centre", "--lat", "20", "--lon", "-179", "--wind", "90", "--fall", "1"});
  ASSERT_EQ(centre.code, 0) << centre.err;
  EXPECT_NEAR(JsonNumber(centre.out, "lon"), 179 + 33.2 / 60, 0.002);
  const CliRun across = Cli({"storm-avoid", "--boat", "20,179.9", "--boat-speed", "7", "--cyclone", "18,-179.9",
                             "--heading", "0", "--speed", "20"});
  ASSERT_EQ(across.code, 0) << across.err;
  EXPECT_LT(JsonNumber(across.out, "distance_nm"), 125) << across.out;
}

TEST(StormCli, CentreBeyondThePoleIsAnError) {
  const CliRun r = Cli({"storm-centre", "--lat", "89", "--lon", "0", "--wind", "248", "--fall", "0"});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.out, "{\"error\": \"The position would pass a pole\"}");
}

}  // namespace
}  // namespace veltrane::cli
