// Every command fed the same bad values, one option at a time: it answers with one JSON object
// (exit 0), with {"error": ...} (exit 1) or with one line on standard error (exit 2), and it
// never crashes or hangs.
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/cli_run.h"
#include "cli/isolated_run.h"
#include "support/star_file.h"
#include "support/temp_folder.h"

namespace veltrane::cli {
namespace {

// Long enough for a loaded machine and the sanitizer build (half a year of almanac pages takes
// seconds there); only a hang passes it.
constexpr std::chrono::milliseconds kHang{20000};

const std::vector<std::string>& BadValueTable() {
  static const std::vector<std::string> values = {
      "", " ", "nan", "NaN", "-nan", "inf", "-inf", "infinity", "1e400", "-1e400", "-0", "+0",
      "1e15", "-1e15", "1e308", "4.9e-324", "1e-320", "2147483648", "-2147483649", "9223372036854775808",
      "0x10", "1,5", "12abc", "91", "-91", "181", "-181", "360.0000001", "-0.0000001",
      "90,180", "-90,-180", "91,0", "0,181", "0,-181", "nan,0", "0,inf", "1e400,0", ",", "1,2,3,4",
      "0,0,1e15", "2023-02-29T00:00:00", "2024-13-01T00:00:00", "2024-00-10T00:00:00",
      "2024-01-01T24:00:00", "2024-01-01T23:60:00", "2024-01-01T23:59:60", "1582-10-10T00:00:00",
      "-2001-12-31T23:59:59", "4001-01-01T00:00:00", "100000-01-01T00:00:00",
      "2147483647-12-31T12:00:00", "-2147483648-01-01T00:00:00", "2024-01-01T-1:00:00",
      "25:00", "12:60", "-1:00", "24:00", std::string(100000, '7'), std::string(100000, 'x'),
      "a\nb", "line\r\nbreak", "\x01\x02\x1b[2J", "\t", "\xff\xfe", "--", "-", "-h",
  };
  return values;
}

// A command line each command answers; every value in it is replaced in turn by each bad one.
std::map<std::string, std::vector<std::string>> Baselines(const std::string& table, const std::string& stars) {
  return {
      {"almanac", {"--year", "2024", "--shadow", "1"}},
      {"almanac-pages", {"--from", "2024-01-01", "--days", "1", "--format", "json"}},
      // Nothing listens on the discard port: the check answers "Contact not established".
      {"check-update", {"--base", "http://127.0.0.1:9/"}},
      {"convert", {"--quantity", "speed", "--unit", "knots", "--value", "10"}},
      {"course-distance", {"--from", "60,0", "--to", "61,1"}},
      {"cross-bearing", {"--a", "60,25,0", "--b", "60.1,25.1,270"}},
      {"current", {"--set", "90", "--drift", "5", "--water-track", "0", "--boat-speed", "5"}},
      {"deviation", {"--table", table, "--heading", "45", "--reverse"}},
      {"great-circle", {"--from", "37.8,-122.5", "--to", "-33.9,151.2", "--step", "6"}},
      {"identify", {"--utc", "2024-01-01T20:00:00", "--at", "40,-30", "--hs", "20", "--azimuth", "120",
                    "--max-magnitude", "3", "--eye-height", "3", "--pressure", "1010", "--temperature", "10",
                    "--catalogue", stars}},
      {"jupiter-moons", {"--utc", "1992-12-16T00:00:00"}},
      {"meet", {"--course-other", "90", "--speed-other", "5", "--direction", "0", "--speed-own", "10",
                "--distance", "10"}},
      {"moon", {"--utc", "1992-04-12T00:00:00", "--lat", "52", "--lon", "4.9", "--height", "10",
                "--pressure", "1000", "--temp", "5"}},
      {"plan-sights", {"--date", "2024-03-20", "--at", "40,-30", "--twilight", "morning", "--catalogue", stars}},
      {"planet", {"--name", "jupiter", "--utc", "2024-01-01T00:00:00", "--lat", "60", "--lon", "25"}},
      {"rise-set", {"--body", "star", "--name", "Sirius", "--date", "2024-01-01", "--lat", "60", "--lon", "10",
                    "--zone", "1", "--catalogue", stars}},
      {"sail", {"--from", "0,0", "--course", "90", "--distance", "60", "--method", "midlat"}},
      {"sidereal", {"--utc", "1987-04-10T19:21:00"}},
      {"star", {"--name", "Sirius", "--utc", "2024-01-01T00:00:00", "--catalogue", stars, "--lat", "-33.9",
                "--lon", "18.4"}},
      {"storm-avoid", {"--boat", "20,-60", "--boat-speed", "7", "--cyclone", "17,-61", "--heading", "38",
                       "--speed", "28"}},
      {"storm-centre", {"--lat", "20", "--lon", "-60", "--wind", "90", "--fall", "1", "--unit", "mb",
                        "--source", "wind"}},
      {"equal-altitudes", {"--date", "2024-03-20", "--first", "10:00:00", "--second", "14:00:00", "--ap", "50,-5"}},
      {"fix", {"--lop", "45,50,-5", "--lop", "135,50,-5"}},
      {"noon", {"--date", "2024-03-20", "--ap", "50,-5", "--hs", "40", "--eye-height", "3"}},
      {"sight", {"--body", "sun", "--utc", "1977-03-31T13:53:24", "--ap", "35,-20", "--hs", "47", "--index-error",
                 "1", "--eye-height", "3", "--pressure", "1010", "--temperature", "10", "--limb", "lower"}},
      {"sun", {"--utc", "1992-10-13T00:00:00", "--lat", "0", "--lon", "0"}},
      {"time-sight", {"--body", "star", "--star", "Sirius", "--catalogue", stars, "--utc", "2024-01-01T20:00:00",
                      "--ap", "40,-30", "--h", "20"}},
      {"tide", {"--high", "4", "--high-time", "12:00", "--low", "1", "--low-time", "06:00", "--time", "09:00"}},
      {"time", {"--utc", "2000-01-01T12:00:00"}},
      {"twilight", {"--date", "2024-03-20", "--at", "50,-5", "--zone", "1", "--altitude", "-3"}},
      {"version", {}},
      {"wind", {"--heading", "0", "--boat-speed", "5", "--apparent-angle", "30", "--apparent-speed", "10",
                "--side", "starboard"}},
  };
}

// The contract of every answer; empty when it holds.
std::string Broken(const IsolatedRun& r) {
  if (!r.finished) return "hangs";
  if (r.signal) return "ends on signal " + std::to_string(r.signal);
  if (r.code == 2) {
    if (!r.out.empty()) return "exit 2 with output";
    if (r.err.empty() || r.err.find('\n') != std::string::npos) return "exit 2 without one line: " + r.err;
    return "";
  }
  if (r.code != 0 && r.code != 1) return "exit " + std::to_string(r.code);
  if (!r.err.empty()) return "message with exit " + std::to_string(r.code);
  const auto json = nlohmann::json::parse(r.out, nullptr, false);
  if (json.is_discarded() || !json.is_object()) return "not one JSON object: " + r.out.substr(0, 200);
  if (r.code == 1 && !(json.contains("error") && json["error"].is_string())) return "exit 1 without error";
  return "";
}

class BadValues : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.Write("table.cmp", "0 2\n90 4\n180 -1\n270 0\n");
    folder_.Write("stars.dat", test::StarFileBytes({test::kTitleRecord, test::kSiriusRecord}));
  }
  const test::TempFolder folder_;
  const std::string table_ = folder_.File("table.cmp"), stars_ = folder_.File("stars.dat");
};

TEST_F(BadValues, EveryCommandHasABaselineThatAnswers) {
  const auto baselines = Baselines(table_, stars_);
  for (const std::string& name : CommandNames()) {
    const auto it = baselines.find(name);
    ASSERT_NE(it, baselines.end()) << "give the command " << name << " a baseline here";
    const IsolatedRun r = RunIsolated(With({name}, it->second), kHang);
    EXPECT_EQ(r.code, name == "check-update" ? 1 : 0) << name << " " << r.err << r.out;
  }
}

TEST_F(BadValues, EveryOptionTakesEveryBadValueWithinTheContract) {
  int runs = 0;
  for (const auto& [name, baseline] : Baselines(table_, stars_)) {
    for (size_t i = 0; i < baseline.size(); ++i) {
      if (baseline[i].rfind("--", 0) == 0) continue;  // an option's name, not its value
      for (const std::string& bad : BadValueTable()) {
        std::vector<std::string> args = With({name}, baseline);
        args[i + 1] = bad;
        const IsolatedRun r = RunIsolated(args, kHang);
        ++runs;
        const std::string broken = Broken(r);
        EXPECT_EQ(broken, "") << name << " " << baseline[i - 1] << " '" << OneLine(bad) << "'";
      }
    }
    // A bad value as a stray word, and as an option of its own.
    for (const std::string& bad : {std::string("\x01\n"), std::string(100000, 'x'), std::string("--nan")}) {
      EXPECT_EQ(Broken(RunIsolated(With(With({name}, baseline), {bad}), kHang)), "")
          << name << " + '" << OneLine(bad) << "'";
    }
  }
  EXPECT_GT(runs, 3000);
}

TEST(BadCommandLines, EndInOneLineOfUsage) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {}, {""}, {"\n"}, {"-"}, {"--"}, {"--nosuch"}, {std::string(100000, 'c')}, {"sun\n"}}) {
    const IsolatedRun r = RunIsolated(args, kHang);
    EXPECT_EQ(r.code, 2) << Broken(r);
    EXPECT_EQ(Broken(r), "");
  }
}

}  // namespace
}  // namespace veltrane::cli
