// The astronomy commands: keys, values against published figures, and bad arguments.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/moon.h"
#include "cli/cli_run.h"
#include "support/star_file.h"
#include "support/temp_folder.h"

namespace veltrane::cli {
namespace {

TEST(AstroCli, SunMoonAndSiderealTime) {
  const CliRun sun = Cli({"sun", "--utc", "1992-10-13T00:00:00"});
  ASSERT_EQ(sun.code, 0) << sun.err;
  // Computed for dynamical time: Delta T of about 59 s moves the Sun by 2.4''.
  EXPECT_NEAR(JsonNumber(sun.out, "ra_deg"), 198.38083 + 59.0 / 86400.0 * 0.9856 * 0.92, 1e-4);
  EXPECT_NEAR(JsonNumber(sun.out, "dec_deg"), -7.78507, 1e-3);
  EXPECT_NEAR(JsonNumber(sun.out, "r_au"), 0.99766, 1e-5);
  EXPECT_NEAR(JsonNumber(sun.out, "semidiameter_arcsec"), 961.9, 1e-9);
  for (const char* key : {"jd", "delta_t_s", "hp_deg", "gast_h", "gha_deg"})
    EXPECT_TRUE(std::isfinite(JsonNumber(sun.out, key))) << key;

  const CliRun moon = Cli({"moon", "--utc", "1992-04-12T00:00:00", "--lat", "52", "--lon", "4.9"});
  ASSERT_EQ(moon.code, 0) << moon.err;
  for (const char* key : {"ra_deg", "dec_deg", "hp_deg", "distance_km", "semidiameter_arcsec",
                          "gast_h", "gha_deg", "illuminated_percent", "elongation_deg",
                          "lha_deg", "altitude_deg", "azimuth_deg", "refraction_deg"})
    EXPECT_TRUE(std::isfinite(JsonNumber(moon.out, key))) << key;
  EXPECT_TRUE(HasText(moon.out, "\"topocentric\": {\"ra_deg\": "));
  EXPECT_FALSE(HasText(moon.out, "r_au"));
  // Computed for dynamical time: Delta T moves the Moon by half a minute of arc.
  const double t = -0.077221081451;
  const double dt = JsonNumber(moon.out, "delta_t_s") / 86400.0 / 36525.0;
  EXPECT_NEAR(JsonNumber(moon.out, "ra_deg"), MoonPosition(t + dt).ra, 1e-6);
  EXPECT_GT(std::fabs(JsonNumber(moon.out, "ra_deg") - MoonPosition(t).ra), 25.0 / 3600.0);
  EXPECT_NEAR(JsonNumber(moon.out, "distance_km"), 368409.7, 5.0);

  const CliRun st = Cli({"sidereal", "--utc", "1987-04-10T19:21:00"});
  ASSERT_EQ(st.code, 0);
  EXPECT_NEAR(JsonNumber(st.out, "gmst_h"), 8.0 + 34.0 / 60.0 + 57.0896 / 3600.0, 1e-6);
  EXPECT_NEAR(JsonNumber(st.out, "dpsi_arcsec"), -3.9, 0.5);
}

TEST(AstroCli, RisingAndSetting) {
  struct Case {
    std::vector<std::string> args;
    const char* expected;
  };
  const Case cases[] = {
      // Greenwich at midsummer: sunrise 04:43 and sunset 21:21 British Summer Time.
      {{"--body", "sun", "--date", "2024-06-21", "--lat", "51.4779", "--lon", "0"},
       R"({"rise_utc": "03:43", "transit_utc": "12:02", "set_utc": "20:21", "status": null)"},
      {{"--body", "sun", "--date", "2024-06-21", "--lat", "80", "--lon", "15"},
       R"({"rise_utc": null, "transit_utc": null, "set_utc": null, "status": "Always")"},
      {{"--body", "sun", "--date", "2024-12-21", "--lat", "-90", "--lon", "0"},
       R"({"rise_utc": null, "transit_utc": null, "set_utc": null, "status": "Always")"},
      {{"--body", "sun", "--date", "2024-12-21", "--lat", "90", "--lon", "0"},
       R"({"rise_utc": null, "transit_utc": null, "set_utc": null, "status": "Never")"},
  };
  for (const Case& c : cases) {
    const CliRun r = Cli(With({"rise-set"}, c.args));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(HasText(r.out, c.expected)) << r.out;
  }
  const CliRun moon = Cli({"rise-set", "--body", "moon", "--date", "2024-06-21", "--lat", "51.4779",
                        "--lon", "0", "--zone", "-1"});
  ASSERT_EQ(moon.code, 0) << moon.err;
  EXPECT_TRUE(HasText(moon.out, "\"status\": null")) << moon.out;
}

class AstroCliStars : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.Write("stars.dat", test::StarFileBytes({test::kTitleRecord, test::kSiriusRecord,
                                                    {"Mintaka", "05:32:00.4", "-00:17:57", "+0.0001", "-0.001",
                                                     "132220", "2.23"}}));
  }
  const test::TempFolder folder_;
  const std::string path_ = folder_.File("stars.dat");
};

TEST_F(AstroCliStars, ApparentPlaceByNameAndItsRisingAndSetting) {
  const CliRun r = Cli({"star", "--name", "SIRIUS", "--utc", "2024-01-01T00:00:00", "--catalogue",
                     path_, "--lat", "-33.9", "--lon", "18.4"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_TRUE(HasText(r.out, "{\"name\": \"Sirius\"")) << r.out;
  // Sirius, apparent place at the start of 2024: 6h46m13s, -16°45'.
  EXPECT_NEAR(JsonNumber(r.out, "ra_deg"), 15.0 * (6.0 + 46.0 / 60.0 + 13.0 / 3600.0), 0.01);
  EXPECT_NEAR(JsonNumber(r.out, "dec_deg"), -(16.0 + 45.0 / 60.0), 0.01);
  EXPECT_TRUE(std::isfinite(JsonNumber(r.out, "altitude_deg")));

  const CliRun south = Cli({"star", "--name", "mintaka", "--utc", "2000-01-01T12:00:00",
                         "--catalogue", path_});
  ASSERT_EQ(south.code, 0) << south.err;
  EXPECT_NEAR(JsonNumber(south.out, "dec_deg"), -0.30, 0.01);  // south of the equator, not north

  const CliRun rs = Cli({"rise-set", "--body", "star", "--name", "Sirius", "--date", "2024-01-01",
                      "--lat", "60", "--lon", "10", "--catalogue", path_});
  ASSERT_EQ(rs.code, 0) << rs.err;
  EXPECT_TRUE(HasText(rs.out, "\"status\": null")) << rs.out;
}

TEST_F(AstroCliStars, FaultsAreReported) {
  for (const std::string& catalogue : {path_, path_ + ".no"}) {
    const CliRun r = Cli({"star", "--name", catalogue == path_ ? "Vega" : "Sirius", "--utc", "2024-01-01T00:00:00",
                          "--catalogue", catalogue});
    EXPECT_EQ(r.code, 1) << catalogue;
    EXPECT_TRUE(HasText(r.out, "{\"error\": ")) << r.out;
  }
  ExpectUsageErrors({
      {"star", "--utc", "2024-01-01T00:00:00", "--catalogue", path_},
      {"sun", "--utc", "2024-01-01T00:00:00", "--lat", "10"},
      {"rise-set", "--body", "mars", "--date", "2024-01-01", "--lat", "0", "--lon", "0"},
      {"sidereal", "--utc", "2024-01-01T00:00:00", "--lat", "0"},
  });
}

// A day the calendar does not have must not be read as the next month's; years before 1 count
// from 0 (-0004 is a leap year, -0001 is not).
TEST(AstroCli, DaysOutsideTheCalendarAreRefused) {
  const std::pair<const char*, int> cases[] = {{"2023-02-29", 2}, {"2024-04-31", 2}, {"1582-10-10", 2},
                                               {"2024-02-29", 0}, {"-0004-02-29", 0}, {"-0001-02-29", 2}};
  for (const auto& [date, code] : cases) {
    EXPECT_EQ(Cli({"sun", "--utc", std::string(date) + "T00:00:00"}).code, code) << date;
    EXPECT_EQ(Cli({"rise-set", "--body", "sun", "--date", date, "--lat", "0", "--lon", "0"}).code, code) << date;
  }
}

TEST(AstroCli, FarYearsGiveNumbers) {
  for (const char* utc : {"-2000-03-01T00:00:00", "4000-12-31T23:59:59"}) {
    for (const char* body : {"sun", "moon"}) {
      const CliRun r = Cli({body, "--utc", utc, "--lat", "90", "--lon", "0"});
      ASSERT_EQ(r.code, 0) << r.err;
      EXPECT_FALSE(HasText(r.out, "null")) << r.out;
    }
  }
}

}  // namespace
}  // namespace veltrane::cli
