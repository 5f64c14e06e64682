#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_run.h"

namespace veltrane::cli {
namespace {

TEST(PlanetCli, VenusApparentPlace) {
  // 0h dynamical time of 1992 December 20 is 23:58:59 UT of the 19th.
  const CliRun r = Cli({"planet", "--name", "Venus", "--utc", "1992-12-19T23:58:59"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NEAR(JsonNumber(r.out, "ra_deg"), 316.1727, 0.003);
  EXPECT_NEAR(JsonNumber(r.out, "dec_deg"), -18.8880, 0.003);
  EXPECT_NEAR(JsonNumber(r.out, "distance_au"), 0.91095, 0.0001);
  EXPECT_NEAR(JsonNumber(r.out, "illuminated_fraction"), 0.647, 0.001);
  for (const char* key : {"\"jd\"", "\"delta_t_s\"", "\"r_au\"", "\"hp_deg\"", "\"phase_angle_deg\"",
                          "\"magnitude\": -4.2", "\"gast_h\"", "\"gha_deg\""})
    EXPECT_NE(r.out.find(key), std::string::npos) << key;
}

TEST(PlanetCli, SaturnHasNoMagnitudeAndObserverAddsPlaces) {
  const CliRun r = Cli({"planet", "--name", "saturn", "--utc", "2024-09-08T04:00:00", "--lat",
                     "60", "--lon", "25"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("\"magnitude\": null"), std::string::npos);
  EXPECT_NE(r.out.find("\"topocentric\""), std::string::npos);
  EXPECT_NE(r.out.find("\"horizontal\""), std::string::npos);
  EXPECT_NEAR(JsonNumber(r.out, "phase_angle_deg"), 0.0, 0.5);  // at opposition
}

TEST(PlanetCli, BadArgumentsAreUsageErrors) {
  ExpectUsageErrors({
      {"planet", "--name", "pluto", "--utc", "2024-01-01T00:00:00"},
      {"planet", "--name", "mars"},
      {"planet", "--name", "mars", "--utc", "2024-01-01T00:00:00", "--lat", "10"},
      {"almanac", "--year", "4001"},
      {"almanac", "--year", "2024", "--shadow", "2"},
      {"almanac", "--year", "20x4"},
  });
}

TEST(AlmanacCli, YearOfEventsInOrder) {
  const CliRun r = Cli({"almanac", "--year", "2024"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("{\"year\": 2024, \"events\": ["), std::string::npos);
  EXPECT_NE(r.out.find("\"kind\": \"solar_eclipse\", \"jde\": "), std::string::npos);
  EXPECT_NE(r.out.find("\"utc\": \"2024-04-08T18:1"), std::string::npos);
  EXPECT_NE(r.out.find("\"type\": \"total\""), std::string::npos);
  EXPECT_NE(r.out.find("\"kind\": \"opposition\", \"body\": \"jupiter\""), std::string::npos);
  EXPECT_NE(r.out.find("\"partial_semiduration_h\""), std::string::npos);
  EXPECT_EQ(r.out.find("null"), std::string::npos);
  EXPECT_LT(r.out.find("march_equinox"), r.out.find("june_solstice"));
  EXPECT_LT(r.out.find("september_equinox"), r.out.find("december_solstice"));
}

TEST(AlmanacCli, LargerShadowForLunarEclipses) {
  const CliRun usual = Cli({"almanac", "--year", "1973"});
  const CliRun larger = Cli({"almanac", "--year", "1973", "--shadow", "1"});
  ASSERT_EQ(usual.code, 0);
  ASSERT_EQ(larger.code, 0);
  const std::string marker = "\"utc\": \"1973-06-15T";
  const auto a = usual.out.find(marker), b = larger.out.find(marker);
  ASSERT_NE(a, std::string::npos);
  ASSERT_NE(b, std::string::npos);
  EXPECT_GT(JsonNumber(larger.out.substr(b), "magnitude"), JsonNumber(usual.out.substr(a), "magnitude"));
}

TEST(JupiterMoonsCli, FourSatellites) {
  const CliRun r = Cli({"jupiter-moons", "--utc", "1992-12-16T00:00:00"});
  ASSERT_EQ(r.code, 0) << r.err;
  const std::string io = r.out.substr(r.out.find("\"io\""));
  EXPECT_NEAR(JsonNumber(io, "x"), -3.44, 0.02);
  const std::string callisto = r.out.substr(r.out.find("\"callisto\""));
  EXPECT_NEAR(JsonNumber(callisto, "x"), 7.08, 0.02);
  EXPECT_NEAR(JsonNumber(callisto, "y"), 1.10, 0.01);
  EXPECT_NE(r.out.find("\"europa\""), std::string::npos);
  EXPECT_NE(r.out.find("\"ganymede\""), std::string::npos);
}

}  // namespace
}  // namespace veltrane::cli
