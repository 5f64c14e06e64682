// almanac-pages: the tables as JSON, with the keys scripts rely on, and bad runs refused.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_run.h"
#include "support/temp_folder.h"

namespace veltrane::cli {
namespace {

TEST(AlmanacPagesCli, TablesAsJson) {
  const CliRun r = Cli({"almanac-pages", "--from", "2026-12-06", "--days", "2", "--format", "json"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_TRUE(HasText(r.out, "{\"days\": [{\"date\": \"2026-12-06\""));
  EXPECT_TRUE(HasText(r.out, "\"date\": \"2026-12-07\""));
  for (const char* key : {"\"h\": 23", "\"aries_gha\": ", "\"sun\": {\"gha\": ", "\"moon\": {\"gha\": ",
                          "\"v\": ", "\"d\": ", "\"hp\": ", "\"venus\": {\"gha\": ", "\"mars\": {\"gha\": ",
                          "\"jupiter\": {\"gha\": ", "\"saturn\": {\"gha\": ", "\"name\": \"Vega\", \"sha\": ",
                          "\"eot_00h_s\": ", "\"eot_12h_s\": ", "\"mer_pass\": \"11:51\"", "\"sd\": ",
                          "\"mer_pass_upper\": \"09:43\"", "\"mer_pass_lower\": \"22:07\"", "\"age_days\": ",
                          "\"phase_percent\": ", "\"lat\": 72, \"nautical\": ", "\"lat\": -60, "})
    EXPECT_TRUE(HasText(r.out, key)) << key;
  // Sun's GHA at 0h on the first day, and the Moon's horizontal parallax in degrees.
  EXPECT_NEAR(JsonNumber(r.out, "gha", 0), 182.30032, 0.2 / 60.0);
  EXPECT_NEAR(JsonNumber(r.out, "hp", 0), 0.91874, 0.3 / 60.0);
  // Polar night at 72° N: no sunrise, and the key is there as null.
  EXPECT_TRUE(HasText(r.out, "\"sunrise\": null"));
}

TEST(AlmanacPagesCli, BadRunsAreRefused) {
  ExpectUsageErrors({
      {"almanac-pages", "--from", "4001-01-01", "--days", "1"},
      {"almanac-pages", "--from", "-2001-12-31", "--days", "1"},
      {"almanac-pages", "--from", "2026-12-06", "--days", "0"},
      {"almanac-pages", "--from", "2026-12-06", "--days", "-1"},
      {"almanac-pages", "--from", "2026-12-06", "--days", "367"},
      {"almanac-pages", "--days", "1"},
      {"almanac-pages", "--from", "2026-12-06", "--days", "1", "--format", "xml"},
  });
}

TEST(AlmanacPagesCli, PdfFile) {
  const test::TempFolder folder;
  const std::string path = folder.File("december.pdf");
  const CliRun r = Cli({"almanac-pages", "--from", "2026-12-01", "--days", "30", "--out", path});
  ASSERT_EQ(r.code, 0) << r.err << r.out;
  EXPECT_EQ(r.out, "{\"file\": \"" + path + "\", \"pages\": 20}");
  EXPECT_EQ(folder.Read("december.pdf").substr(0, 5), "%PDF-");

  // A folder that is not there: an error, and no file.
  const std::string nowhere = folder.File("none/pages.pdf");
  const CliRun bad = Cli({"almanac-pages", "--from", "2026-12-01", "--days", "3", "--out", nowhere});
  EXPECT_EQ(bad.code, 1);
  EXPECT_EQ(bad.out, "{\"error\": \"Cannot write " + nowhere + "\"}");
  EXPECT_FALSE(std::filesystem::exists(folder.File("none")));
  EXPECT_EQ(Cli({"almanac-pages", "--from", "2026-12-01", "--days", "3", "--out", path, "--format", "json"}).code, 2);
}

}  // namespace
}  // namespace veltrane::cli
