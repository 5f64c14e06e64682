// fix --sights and plan-sights: a log of simulated sights fixed through the tool, its bad
// arguments and damaged logs, and the twilight planner's answer.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include <nlohmann/json.hpp>

#include "celestial/simulated_sights.h"
#include "cli/cli_run.h"
#include "coastal/nav_utl.h"
#include "support/temp_folder.h"

namespace veltrane::cli {
namespace {

using nlohmann::json;

class SightLogCli : public ::testing::Test {
 protected:
  void SetUp() override { folder_.Write("Mstars.dat", test::StarFileBytes(stars_)); }

  // A log of star sights taken at `truth` (35 N, 40 W) with the given errors, written as a file.
  std::string Log(const std::vector<double>& azimuths, const std::vector<double>& errors,
                  const std::vector<SightInstant>& times = {}, const std::vector<PositionRecord>& where = {}) {
    const auto names = test::StarsNear(stars_, truth_, when_, azimuths);
    std::vector<LoggedSight> sights;
    for (size_t i = 0; i < names.size(); ++i)
      sights.push_back(test::SimulatedStarSight(stars_, names[i], where.empty() ? truth_ : where[i],
                                                times.empty() ? when_ : times[i], errors[i]));
    const std::string path = dir_ + "log" + std::to_string(++logs_) + ".csv";
    std::ofstream(path) << SightLogText(sights);
    return path;
  }
  std::vector<std::string> Fix(const std::string& log, const std::vector<std::string>& more = {}) const {
    return With({"fix", "--sights", log, "--dr", "35.07,-40.08", "--catalogue", dir_ + "Mstars.dat"}, more);
  }
  static double MilesOff(const json& j) {
    return std::hypot(j["lat"].get<double>() - 35.0, (j["lon"].get<double>() + 40.0) * std::cos(35.0 * M_PI / 180.0)) * 60.0;
  }

  const std::vector<StarRecord> stars_ = test::ShippedStars();
  const PositionRecord truth_{0.0, 35.0, 40.0};
  const SightInstant when_ = test::At(2026, 3, 20, 20.5);
  const test::TempFolder folder_;
  const std::string dir_ = folder_.Path();
  int logs_ = 0;
};

TEST_F(SightLogCli, FixOfThreeStars) {
  const CliRun r = Cli(Fix(Log({10.0, 130.0, 250.0}, {0.0, 0.0, 0.0})));
  ASSERT_EQ(r.code, 0) << r.err << r.out;
  const json j = json::parse(r.out);
  EXPECT_LT(MilesOff(j), 0.01);
  EXPECT_GE(j["iterations"].get<int>(), 2);
  EXPECT_GT(j["ellipse"]["semi_major_nm"].get<double>(), 1.0);  // 1' a sight by default
  EXPECT_LE(j["ellipse"]["semi_minor_nm"].get<double>(), j["ellipse"]["semi_major_nm"].get<double>());
  EXPECT_GE(j["ellipse"]["orientation_deg"].get<double>(), 0.0);
  EXPECT_LT(j["ellipse"]["orientation_deg"].get<double>(), 180.0);
  ASSERT_EQ(j["sights"].size(), 3u);
  for (int i = 0; i < 3; ++i) {
    const json& s = j["sights"][i];
    EXPECT_EQ(s["index"].get<int>(), i + 1);
    EXPECT_GT(std::fabs(s["intercept_nm"].get<double>()), 0.5);
    EXPECT_LT(std::fabs(s["residual_nm"].get<double>()), 0.01);
    EXPECT_FALSE(s["blunder"].get<bool>());
    const double wanted[] = {10.0, 130.0, 250.0};
    EXPECT_NEAR(s["zn_deg"].get<double>(), wanted[i], 25.0);
  }
  EXPECT_TRUE(j["without_blunders"].is_null());
  EXPECT_EQ(j["fix_utc"], "2026-03-20T20:30:00");
  // A smaller standard error draws a smaller ellipse, in proportion.
  const json half = json::parse(Cli(Fix(Log({10.0, 130.0, 250.0}, {0.0, 0.0, 0.0}), {"--sigma-arcmin", "0.5"})).out);
  EXPECT_NEAR(half["ellipse"]["semi_major_nm"].get<double>() * 2.0, j["ellipse"]["semi_major_nm"].get<double>(), 1e-3);
}

TEST_F(SightLogCli, BlunderFlaggedAndRunningFix) {
  const json b = json::parse(Cli(Fix(Log({0.0, 70.0, 150.0, 250.0}, {0.0, 10.0, 0.0, 0.0}))).out);
  EXPECT_TRUE(b["sights"][1]["blunder"].get<bool>());
  EXPECT_FALSE(b["sights"][0]["blunder"].get<bool>());
  ASSERT_TRUE(b["without_blunders"].is_object());
  EXPECT_LT(MilesOff(b["without_blunders"]), 0.5);

  std::vector<PositionRecord> where;
  for (double back : {12.0, 6.0, 0.0}) where.push_back(*MidLatitudePosition(truth_, back, 225.0));
  const std::string log = Log({20.0, 140.0, 260.0}, {0.0, 0.0, 0.0},
                              {test::At(2026, 3, 20, 18.5), test::At(2026, 3, 20, 19.5), when_}, where);
  const json running = json::parse(Cli(Fix(log, {"--course", "45", "--speed", "6"})).out);
  EXPECT_LT(MilesOff(running), 0.05);
  // The fix time defaults to the last sight; given earlier, the fix is where the vessel was then.
  const json earlier =
      json::parse(Cli(Fix(log, {"--course", "45", "--speed", "6", "--fix-time", "2026-03-20T19:30:00"})).out);
  EXPECT_NEAR(MilesOff(earlier), 6.0, 0.05);
  EXPECT_EQ(earlier["fix_utc"], "2026-03-20T19:30:00");
}

TEST_F(SightLogCli, BadLogsAndArguments) {
  const std::string good = Log({10.0, 130.0, 250.0}, {0.0, 0.0, 0.0});
  ExpectUsageErrors({
      {"fix", "--sights", good},
      {"fix", "--sights", good, "--dr", "35,-40", "--course", "45"},
      {"fix", "--sights", good, "--dr", "35,-40", "--speed", "6"},
      {"fix", "--sights", good, "--dr", "35,-40", "--lop", "90,40,-30", "--lop", "0,41,-31"},
      {"fix", "--sights", good, "--dr", "35,-40", "--sigma-arcmin", "0"},
      {"plan-sights", "--date", "2026-03-20", "--at", "35,-40", "--twilight", "noon"},
      {"plan-sights", "--at", "35,-40"},
  });
  std::ofstream(dir_ + "damaged.csv") << kSightLogHeader << "\nstar,Vega,2026-03-20T20:30:00,40,0,0,1010,10,lower,\n"
                                      << "star,Vega,2026-03-20T20:31:00,x,0,0,1010,10,lower,\n";
  std::ofstream(dir_ + "nostar.csv") << kSightLogHeader << "\nstar,Nostar,2026-03-20T20:30:00,40,0,0,1010,10,lower,\n";
  const std::pair<std::string, std::string> failures[] = {
      {dir_ + "missing.csv", "Cannot read the sight log " + dir_ + "missing.csv"},
      {dir_ + "damaged.csv", dir_ + "damaged.csv: Line 3: the sextant altitude must be a number from -5 to 90"},
      {dir_ + "nostar.csv", "The star Nostar is not in the star file"},
  };
  for (const auto& [file, message] : failures) {
    const CliRun r = Cli(Fix(file));
    EXPECT_EQ(r.code, 1) << file;
    EXPECT_EQ(json::parse(r.out)["error"], message);
  }
}

TEST_F(SightLogCli, PlanTheEveningStars) {
  const CliRun r = Cli({"plan-sights", "--date", "2026-03-20", "--at", "35,-40", "--catalogue", dir_ + "Mstars.dat"});
  ASSERT_EQ(r.code, 0) << r.err << r.out;
  const json j = json::parse(r.out);
  // The evening is the default; 40 W keeps the local day 2 h 40 m behind UT.
  EXPECT_LT(std::string(j["twilight"]["civil_utc"]), std::string(j["twilight"]["middle_utc"]));
  EXPECT_LT(std::string(j["twilight"]["middle_utc"]), std::string(j["twilight"]["nautical_utc"]));
  EXPECT_EQ(std::string(j["twilight"]["middle_utc"]).substr(0, 13), "2026-03-20T21");
  ASSERT_GE(j["bodies"].size(), 20u);
  for (const json& b : j["bodies"]) EXPECT_TRUE(b["kind"] == "star" || b["kind"] == "planet" || b["kind"] == "moon");
  EXPECT_EQ(j["best_three"].size(), 3u);
  EXPECT_EQ(j["best_four"].size(), 4u);
  const json morning = json::parse(Cli({"plan-sights", "--date", "2026-03-20", "--at", "35,-40", "--twilight",
                                        "morning", "--catalogue", dir_ + "Mstars.dat"}).out);
  EXPECT_EQ(std::string(morning["twilight"]["middle_utc"]).substr(0, 13), "2026-03-20T08");
  const CliRun arctic = Cli({"plan-sights", "--date", "2026-06-21", "--at", "70,20", "--catalogue", dir_ + "Mstars.dat"});
  EXPECT_EQ(arctic.code, 1);
  EXPECT_EQ(json::parse(arctic.out)["error"],
            "The Sun does not pass through nautical twilight this evening at this latitude");
  const CliRun noStars = Cli({"plan-sights", "--date", "2026-03-20", "--at", "35,-40", "--catalogue", dir_ + "none.dat"});
  EXPECT_EQ(noStars.code, 1);
}

}  // namespace
}  // namespace veltrane::cli
