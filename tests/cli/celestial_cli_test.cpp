// The celestial navigation commands: a sight, the fix, noon, the time sight and equal
// altitudes, against the window's figures and each other, and their bad arguments.
#include <gtest/gtest.h>

#include <cmath>

#include "cli/cli_run.h"

namespace veltrane::cli {
namespace {

const std::vector<std::string> kMustang = {"sight", "--body", "sun", "--utc", "1977-03-31T13:53:24",
                                           "--ap", "39.766667,-52.4", "--hs", "47.683333"};

TEST(CelestialCli, MustangSunSight) {
  const CliRun r = Cli(kMustang);
  ASSERT_EQ(r.code, 0) << r.err;
  // The first demonstration of the window: 4.2 miles towards on 140.9.
  EXPECT_NEAR(JsonNumber(r.out, "intercept_nm"), -4.2, 0.05);
  EXPECT_TRUE(HasText(r.out, "\"towards\": true"));
  EXPECT_NEAR(JsonNumber(r.out, "zn_deg"), 140.92, 0.02);
  EXPECT_NEAR(JsonNumber(r.out, "gha_deg"), 27.3067, 0.01);
  EXPECT_NEAR(JsonNumber(r.out, "lha_deg"), 27.3067 - 52.4 + 360.0, 0.01);  // 52.4 W
  EXPECT_NEAR(JsonNumber(r.out, "dec_deg"), 4.2476, 0.005);
  EXPECT_NEAR(JsonNumber(r.out, "correction_arcmin"), 15.20, 0.005);
  EXPECT_NEAR(JsonNumber(r.out, "intercept_nm"), 60.0 * (JsonNumber(r.out, "hc_deg") - JsonNumber(r.out, "ho_deg")),
              1e-9);
  EXPECT_GT(JsonNumber(r.out, "hc_refracted_deg"), JsonNumber(r.out, "hc_deg"));
  EXPECT_NEAR(JsonNumber(r.out, "direction_deg"), 230.92, 0.02);
  EXPECT_NEAR(JsonNumber(r.out, "lon"), -52.3429, 1e-4);  // east positive: the foot lies west
  EXPECT_NEAR(JsonNumber(r.out, "delta_t_s"), 47.7, 0.5);
}

TEST(CelestialCli, SightOptionsChangeTheCorrection) {
  const CliRun r = Cli(With(kMustang, {"--limb", "upper", "--eye-height", "2", "--index-error", "-1.5"}));
  ASSERT_EQ(r.code, 0) << r.err;
  // Upper limb takes off two semidiameters; dip of 2 m 2.48', index error 1.5'.
  EXPECT_NEAR(JsonNumber(r.out, "correction_arcmin"), 15.20 - 2 * 16.02 - 2.48 - 1.5, 0.05);
  const CliRun star = Cli({"sight", "--body", "star", "--star", "Vega", "--utc", "1977-06-11T22:29:21", "--ap",
                           "41.366667,166.583333", "--hs", "4.5"});
  ASSERT_EQ(star.code, 0) << star.err;
  EXPECT_NEAR(JsonNumber(star.out, "dec_deg"), 38.76308, 0.002);
  EXPECT_NEAR(JsonNumber(star.out, "zn_deg"), 320.1653, 0.01);
  const CliRun unknown = Cli({"sight", "--body", "star", "--star", "Nostar", "--utc", "1977-06-11T22:29:21",
                              "--ap", "41,166", "--hs", "4.5"});
  EXPECT_EQ(unknown.code, 1);
  EXPECT_TRUE(HasText(unknown.out, "No star named"));
}

TEST(CelestialCli, FixOfTwoLines) {
  const CliRun r = Cli({"fix", "--lop", "90,40,-30", "--lop", "0,41,-31"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NEAR(JsonNumber(r.out, "lat"), 40.0, 1e-9);
  EXPECT_NEAR(JsonNumber(r.out, "lon"), -31.0, 1e-9);
  const CliRun parallel = Cli({"fix", "--lop", "45,40,-30", "--lop", "225.5,41,-31"});
  EXPECT_EQ(parallel.code, 1);
  EXPECT_EQ(parallel.out, "{\"error\": \"Parallel LOP\"}");
  const CliRun withDr = Cli({"fix", "--lop", "90,40,-30", "--lop", "0,41,-31", "--dr", "40,-30"});
  EXPECT_EQ(withDr.code, 2);
  EXPECT_NE(withDr.err.find("--dr goes with --sights, not --lop"), std::string::npos) << withDr.err;
}

TEST(CelestialCli, NoonTimeAndLatitude) {
  const CliRun r = Cli({"noon", "--date", "1977-03-31", "--ap", "39.766667,-52.4"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_TRUE(HasText(r.out, "\"noon_utc\": \"15:33:46\"")) << r.out;
  EXPECT_FALSE(HasText(r.out, "\"lat\""));
  const double dec = JsonNumber(r.out, "dec_deg");
  // A Sun observed at 90 - 39.77 + dec (after the corrections) gives back the latitude.
  const CliRun lat = Cli({"noon", "--date", "1977-03-31", "--ap", "39.5,-52.4", "--hs", "54.25"});
  ASSERT_EQ(lat.code, 0) << lat.err;
  EXPECT_NEAR(JsonNumber(lat.out, "lat"), 90.0 + dec - 54.25 - (15.2 - 0.0) / 60.0, 0.02);
}

TEST(CelestialCli, TimeSightFindsTheLongitudeOfTheTrueAltitude) {
  const CliRun sight = Cli(kMustang);
  const double hc = JsonNumber(sight.out, "hc_deg");
  const CliRun r = Cli({"time-sight", "--body", "sun", "--utc", "1977-03-31T13:53:24", "--ap", "39.766667,-50",
                        "--h", std::to_string(hc)});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NEAR(JsonNumber(r.out, "lon"), -52.4, 1.0 / 60.0);
  EXPECT_LT(JsonNumber(r.out, "meridian_angle_deg"), 0.0);  // east of the meridian before noon
  const CliRun impossible = Cli({"time-sight", "--body", "sun", "--utc", "1977-03-31T13:53:24", "--ap",
                                 "39.766667,-50", "--h", "80"});
  EXPECT_EQ(impossible.code, 1);
  EXPECT_TRUE(HasText(impossible.out, "cannot be reached"));
}

TEST(CelestialCli, EqualAltitudes) {
  const CliRun r = Cli({"equal-altitudes", "--date", "1977-06-12", "--first", "10:00:00", "--second", "14:00:00",
                        "--ap", "41.2,-22.4"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_TRUE(HasText(r.out, "\"middle_utc\": \"12:00:00\""));
  EXPECT_NEAR(JsonNumber(r.out, "lon"), -JsonNumber(r.out, "gha_deg"), 1e-9);  // east positive
  EXPECT_LT(std::fabs(JsonNumber(r.out, "lon")), 0.5);
}

TEST(CelestialCli, BadArguments) {
  ExpectUsageErrors({
      {"sight", "--body", "star", "--utc", "1977-03-31T13:53:24", "--ap", "39,-52", "--hs", "47"},
      {"sight", "--body", "pluto", "--utc", "1977-03-31T13:53:24", "--ap", "39,-52", "--hs", "47"},
      {"sight", "--body", "sun", "--utc", "1977-03-31T13:53:24", "--ap", "39,-52", "--hs", "91"},
      {"sight", "--body", "sun", "--utc", "1977-03-31T13:53:24", "--ap", "39,-52", "--hs", "47", "--obstruction", "0"},
      {"sight", "--body", "sun", "--utc", "1977-03-31T13:53:24", "--ap", "39,-52", "--hs", "47", "--pressure", "900"},
      {"fix", "--lop", "90,40,-30"},
      {"fix", "--lop", "90,40", "--lop", "0,41,-31"},
      {"fix", "--lop", "90,40,-30", "--lop", "0,41,x"},
      {"fix", "--lop", "90,40,-30", "--lop", "0,41,-31", "--fix-time", "1977-03-31T13:53:24"},
      {"fix", "--lop", "90,40,-30", "--lop", "0,41,-31", "--course", "45", "--speed", "6"},
      {"fix", "--lop", "90,40,-30", "--lop", "0,41,-31", "--speed", "6"},
      {"fix", "--lop", "90,40,-30", "--lop", "0,41,-31", "--sigma-arcmin", "2"},
      {"fix", "--lop", "90,40,-30", "--lop", "0,41,-31", "--catalogue", "Mstars.dat"},
      {"equal-altitudes", "--date", "1977-06-12", "--first", "10:00", "--second", "25:00:00", "--ap", "41,-22"},
  });
}

}  // namespace
}  // namespace veltrane::cli
