#include <gtest/gtest.h>

#include <cstdlib>

#include "cli/cli_run.h"

namespace veltrane::cli {
namespace {

int Count(const std::string& out, const std::string& text) {
  int n = 0;
  for (size_t at = out.find(text); at != std::string::npos; at = out.find(text, at + 1)) ++n;
  return n;
}

TEST(GreatCircleCli, SanFranciscoToSydney) {
  const CliRun r = Cli({"great-circle", "--from", "37.7916667,-122.4633333", "--to", "-33.8616667,151.2116667"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NEAR(JsonNumber(r.out, "distance_nm"), 6445.2, 0.05);
  EXPECT_NEAR(JsonNumber(r.out, "initial_course_deg"), 240.3, 0.05);
  EXPECT_NEAR(JsonNumber(r.out, "lat"), 46 + 39.5 / 60, 0.001);  // the vertex comes first
  EXPECT_NEAR(JsonNumber(r.out, "lon"), -79.5, 0.001);
  EXPECT_NE(r.out.find("\"sailing_direction\": \"West\""), std::string::npos);
  EXPECT_NEAR(JsonNumber(r.out, "andoyer_km"), 11931.333, 0.001);
  EXPECT_NEAR(JsonNumber(r.out, "wgs84_km"), 11931.395, 0.001);
  EXPECT_EQ(Count(r.out, "\"leg_nm\""), 16);
  EXPECT_EQ(Count(r.out, "\"leg_nm\": null"), 1);
  EXPECT_NEAR(JsonNumber(r.out, "total_nm", 14), 6447.0, 0.05);
  EXPECT_NEAR(JsonNumber(r.out, "lon", 16), 151.2116667, 1e-6);  // the end point, east positive
  EXPECT_NEAR(JsonNumber(r.out, "lon", 11), 177.5367, 0.001);  // past the date line: east
}

TEST(GreatCircleCli, StepAndDegenerateRoutes) {
  const CliRun east = Cli({"great-circle", "--from", "40.7,-74", "--to", "38.7,-9.1", "--step", "10"});
  EXPECT_EQ(Count(east.out, "\"leg_nm\""), 8);
  EXPECT_NE(east.out.find("\"sailing_direction\": \"East\""), std::string::npos);
  EXPECT_NEAR(JsonNumber(east.out, "lon"), -44.746, 0.001);  // the vertex on the route, mid-Atlantic

  const CliRun same = Cli({"great-circle", "--from", "12,30", "--to", "12,30"});
  ASSERT_EQ(same.code, 0);
  EXPECT_NE(same.out.find("\"initial_course_deg\": null"), std::string::npos) << same.out;
  EXPECT_NE(same.out.find("\"vertex\": null"), std::string::npos);
  EXPECT_NE(same.out.find("\"course_deg\": null"), std::string::npos);
  EXPECT_NE(same.out.find("\"andoyer_km\": 0"), std::string::npos);
  EXPECT_NE(same.out.find("\"waypoints\": []"), std::string::npos);

  const CliRun antipodes = Cli({"great-circle", "--from", "20,30", "--to", "-20,-150"});
  EXPECT_NE(antipodes.out.find("\"andoyer_km\": null"), std::string::npos) << antipodes.out;
  EXPECT_NEAR(JsonNumber(antipodes.out, "distance_nm"), 10800, 1e-6);
  // A route along the equator is solved but has no vertex.
  EXPECT_TRUE(HasText(Cli({"great-circle", "--from", "0,10", "--to", "0,-20"}).out, "\"vertex\": null"));

}

TEST(GreatCircleCli, BadArguments) {
  ExpectUsageErrors({
      {"great-circle", "--from", "12,30"},
      {"great-circle", "--from", "12,30", "--to", "95,0"},
      {"great-circle", "--from", "12,30", "--to", "1,2", "--step", "0"},
      {"great-circle", "--from", "12,30", "--to", "1,2", "--step", "2.5"},
      {"great-circle", "--from", "12,30", "--to", "1,2", "--arc"},
  });
}

}  // namespace
}  // namespace veltrane::cli
