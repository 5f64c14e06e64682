// almanac-pages: the tables as JSON, with the keys scripts rely on, and bad runs refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "cli/cli_run.h"

namespace veltrane::cli {
namespace {

bool HasText(const std::string& json, const std::string& text) { return json.find(text) != std::string::npos; }

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
  const std::vector<std::vector<std::string>> cases = {
      {"almanac-pages", "--from", "4001-01-01", "--days", "1"},
      {"almanac-pages", "--from", "-2001-12-31", "--days", "1"},
      {"almanac-pages", "--from", "2026-12-06", "--days", "0"},
      {"almanac-pages", "--from", "2026-12-06", "--days", "-1"},
      {"almanac-pages", "--from", "2026-12-06", "--days", "367"},
      {"almanac-pages", "--from", "2026-02-29", "--days", "1"},
      {"almanac-pages", "--days", "1"},
      {"almanac-pages", "--from", "2026-12-06", "--days", "1", "--format", "xml"},
  };
  for (const auto& args : cases) {
    const CliRun r = Cli(args);
    EXPECT_EQ(r.code, 2) << args[2] << " " << args[4];
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(r.err.empty());
  }
}

TEST(AlmanacPagesCli, PdfFile) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("veltrane-pages-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "december.pdf").string();
  const CliRun r = Cli({"almanac-pages", "--from", "2026-12-01", "--days", "30", "--out", path});
  ASSERT_EQ(r.code, 0) << r.err << r.out;
  EXPECT_EQ(r.out, "{\"file\": \"" + path + "\", \"pages\": 20}");
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  EXPECT_EQ(bytes.str().substr(0, 5), "%PDF-");

  // A folder that is not there: an error, and no file.
  const std::string nowhere = (folder / "none" / "pages.pdf").string();
  const CliRun bad = Cli({"almanac-pages", "--from", "2026-12-01", "--days", "3", "--out", nowhere});
  EXPECT_EQ(bad.code, 1);
  EXPECT_EQ(bad.out, "{\"error\": \"Cannot write " + nowhere + "\"}");
  EXPECT_FALSE(std::filesystem::exists(folder / "none"));
  EXPECT_EQ(Cli({"almanac-pages", "--from", "2026-12-01", "--days", "3", "--out", path, "--format", "json"}).code, 2);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace veltrane::cli
