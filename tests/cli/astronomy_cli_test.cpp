// identify, twilight and the almanac's CSV on the command line.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cli/cli_run.h"

namespace veltrane::cli {
namespace {

TEST(AstronomyCli, TwilightKeysTimesAndNulls) {
  const CliRun r = Cli({"twilight", "--date", "2026-03-20", "--at", "59.4,24.75", "--zone", "-2"});
  ASSERT_EQ(r.code, 0) << r.err;
  // Within two minutes of a precise ephemeris: 03:42, 17:16; 02:54, 18:05; 02:01, 18:58.
  for (const char* pair : {"\"civil_begin_utc\": \"03:42\"", "\"civil_end_utc\": \"17:16\"",
                           "\"nautical_begin_utc\": \"02:54\"", "\"nautical_end_utc\": \"18:05\"",
                           "\"astronomical_begin_utc\": \"02:01\"", "\"astronomical_end_utc\": \"18:58\""})
    EXPECT_NE(r.out.find(pair), std::string::npos) << pair << " in " << r.out;
  EXPECT_EQ(r.out.find("custom_begin_utc"), std::string::npos);
  // June at 50 N: the Sun never gets 18 degrees down.
  const CliRun june = Cli({"twilight", "--date", "2026-06-21", "--at", "50,-5", "--altitude", "-0.8333"});
  ASSERT_EQ(june.code, 0) << june.err;
  EXPECT_NE(june.out.find("\"astronomical_begin_utc\": null"), std::string::npos);
  EXPECT_NE(june.out.find("\"astronomical_end_utc\": null"), std::string::npos);
  EXPECT_NE(june.out.find("\"custom_begin_utc\": \"04:"), std::string::npos) << june.out;
}

TEST(AstronomyCli, IdentifyNamesTheMeasuredStarFirst) {
  // Sirius from Helsinki, 2026-01-15 22:00 UT: 12.77 degrees high (airless), bearing 188.57.
  const CliRun r = Cli({"identify", "--utc", "2026-01-15T22:00:00", "--at", "60.15,24.95", "--hs", "12.84",
                        "--azimuth", "188.57", "--max-magnitude", "2"});
  ASSERT_EQ(r.code, 0) << r.err;
  const size_t first = r.out.find("\"name\": ");
  ASSERT_NE(first, std::string::npos);
  EXPECT_EQ(r.out.substr(first, 16), "\"name\": \"Sirius\"");
  EXPECT_NEAR(JsonNumber(r.out, "distance_deg"), 0.0, 0.02);
  EXPECT_NEAR(JsonNumber(r.out, "ho_deg"), 12.77, 0.02);
  EXPECT_GE(std::count(r.out.begin(), r.out.end(), '{'), 4);  // the whole, observed and two matches
  for (const char* key : {"\"dec_deg\"", "\"lha_deg\"", "\"height_deg\"", "\"azimuth_deg\"", "\"magnitude\"",
                          "\"kind\": \"star\""})
    EXPECT_NE(r.out.find(key), std::string::npos) << key;
  const CliRun missing = Cli({"identify", "--utc", "2026-01-15T22:00:00", "--at", "60,25", "--hs", "12",
                              "--azimuth", "188", "--catalogue", "/nonexistent/Mstars.dat"});
  EXPECT_EQ(missing.code, 1);
  EXPECT_NE(missing.out.find("is missing"), std::string::npos);
}

TEST(AstronomyCli, AlmanacCsvAndBadArguments) {
  const CliRun r = Cli({"almanac", "--year", "2026", "--format", "csv", "--zone", "-3"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
            "utc,local,event,kind,body,type,magnitude,partial_semiduration_h,total_semiduration_h,jde");
  EXPECT_NE(r.out.find("2026-01-03T10:03,2026-01-03T13:03,Full Moon,full_moon"), std::string::npos);
  EXPECT_NE(r.out.back(), '\n');
  ExpectUsageErrors({
      {"almanac", "--year", "2026", "--format", "xml"},
      {"twilight", "--date", "2026-03-20", "--at", "60,25", "--zone", "15"},
      {"identify", "--utc", "2026-01-15T22:00:00", "--at", "60,25", "--hs", "12"},
      {"identify", "--utc", "2026-01-15T22:00:00", "--at", "60,25", "--hs", "12", "--azimuth", "361"},
  });
}

}  // namespace
}  // namespace veltrane::cli
