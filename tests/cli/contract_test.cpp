// The command line's contract: help for every command, the years the engine holds for, the
// window fields' limits, one longitude range, messages on one line, and no error escaping.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "cli/cli_run.h"

namespace veltrane::cli {
namespace {

TEST(CliContract, EveryCommandHasHelpWithItsOptions) {
  for (const std::string& name : CommandNames()) {
    const CliRun r = Cli({name, "--help"});
    EXPECT_EQ(r.code, 0) << name;
    EXPECT_NE(r.out.find("Usage: " + name), std::string::npos) << r.out;
  }
  const CliRun sun = Cli({"sun", "--help"});
  EXPECT_NE(sun.out.find("--utc UTC REQUIRED"), std::string::npos) << sun.out;
  EXPECT_NE(sun.out.find("observer's longitude, degrees east, -180..180"), std::string::npos) << sun.out;
  EXPECT_NE(Cli({"wind", "--help"}).out.find("boat's speed, kn, 0..30"), std::string::npos);
}

TEST(CliContract, ErrorsInsideACommandEndAsErrorObjects) {
  struct Case {
    ::veltrane::cli::Run run;
    const char* json;
  };
  const Case cases[] = {
      {[]() -> Result { throw std::out_of_range("table index out of range"); },
       R"({"error": "table index out of range"})"},
      {[]() -> Result { throw std::bad_alloc(); }, R"({"error": "std::bad_alloc"})"},
      {[]() -> Result { throw 42; }, R"({"error": "the computation failed"})"},
      {[]() -> Result { throw UsageError("--a and --b go together"); }, ""},
  };
  for (const Case& c : cases) {
    std::string out, err;
    const int code = RunCli({"fail"}, out, err, [&c](CommandSet& commands) { commands.Add("fail", "", c.run); });
    EXPECT_EQ(out, c.json);
    EXPECT_EQ(code, *c.json ? 1 : 2);
    EXPECT_EQ(err, *c.json ? "" : "--a and --b go together");
  }
}

// Years -2000..4000 for every command that takes a time, exactly at the limits.
TEST(CliContract, YearsTheEngineHoldsFor) {
  const std::vector<std::vector<std::string>> commands = {
      {"sun", "--utc"}, {"moon", "--utc"}, {"planet", "--name", "jupiter", "--utc"},
      {"sidereal", "--utc"}, {"time", "--utc"}, {"jupiter-moons", "--utc"},
      {"rise-set", "--body", "moon", "--lat", "10", "--lon", "10", "--date"},
  };
  const struct {
    const char* utc;
    int code;
  } years[] = {
      {"-2000-01-01T00:00:00", 0}, {"-2001-12-31T23:59:59", 2}, {"4000-12-31T23:59:59", 0},
      {"4001-01-01T00:00:00", 2}, {"100000-01-01T00:00:00", 2}, {"2147483647-12-31T12:00:00", 2},
  };
  for (const auto& command : commands) {
    for (const auto& y : years) {
      const CliRun r = Cli(With(command, {y.utc}));
      EXPECT_EQ(r.code, y.code) << command[0] << " " << y.utc << " " << r.err;
    }
  }
  EXPECT_EQ(Cli({"almanac", "--year", "-2000"}).code, 0);
  EXPECT_EQ(Cli({"almanac", "--year", "-2001"}).code, 2);
}

// Each option at its last accepted value and just past it.
TEST(CliContract, OptionsTakeTheWindowFieldsLimits) {
  const std::vector<std::string> wind = {"wind", "--side", "port", "--apparent-angle", "30"};
  const std::vector<std::string> meet = {"meet", "--course-other", "90", "--direction", "0", "--distance", "10"};
  const std::vector<std::string> storm = {"storm-avoid", "--boat", "20,-60", "--cyclone", "17,-61", "--heading", "38"};
  const struct {
    std::vector<std::string> args;
    const char *option, *good, *bad;
  } cases[] = {
      {With(wind, {"--boat-speed", "5", "--apparent-speed", "10"}), "--heading", "360", "360.01"},
      {With(wind, {"--boat-speed", "5", "--apparent-speed", "10"}), "--heading", "0", "-0.01"},
      {With(wind, {"--heading", "0", "--apparent-speed", "10"}), "--boat-speed", "30", "30.01"},
      {With(wind, {"--heading", "0", "--boat-speed", "5"}), "--apparent-speed", "99", "99.01"},
      {With(meet, {"--speed-own", "10"}), "--speed-other", "30", "30.01"},
      {With(meet, {"--speed-other", "5"}), "--speed-own", "30", "30.01"},
      {{"meet", "--course-other", "90", "--speed-other", "5", "--direction", "0", "--speed-own", "10"},
       "--distance", "999", "999.01"},
      {{"sail", "--from", "0,0", "--course", "90"}, "--distance", "9999.9", "10000"},
      {{"current", "--set", "90", "--water-track", "0", "--boat-speed", "5"}, "--drift", "14", "14.01"},
      {With(storm, {"--speed", "28"}), "--boat-speed", "30", "30.01"},
      {With(storm, {"--boat-speed", "7"}), "--speed", "60", "60.01"},
      {{"tide", "--high-time", "12:00", "--low", "1", "--low-time", "06:00", "--time", "09:00"}, "--high", "99.9",
       "100"},
      {{"great-circle", "--from", "0,0", "--to", "10,10"}, "--step", "10", "11"},
      {{"sun", "--utc", "2024-01-01", "--lat", "0"}, "--lon", "180", "180.01"},
      {{"sun", "--utc", "2024-01-01", "--lat", "0"}, "--lon", "-180", "-180.01"},
      {{"planet", "--name", "mars", "--utc", "2024-01-01", "--lon", "0"}, "--lat", "-90", "-90.01"},
      {{"rise-set", "--body", "sun", "--date", "2024-06-21", "--lat", "0"}, "--lon", "180", "181"},
      {{"moon", "--utc", "2024-01-01", "--lat", "0", "--lon", "0"}, "--height", "100000", "100001"},
  };
  for (const auto& c : cases) {
    const CliRun good = Cli(With(c.args, {c.option, c.good}));
    EXPECT_NE(good.code, 2) << c.args[0] << " " << c.option << " " << c.good << ": " << good.err;
    const CliRun bad = Cli(With(c.args, {c.option, c.bad}));
    EXPECT_EQ(bad.code, 2) << c.args[0] << " " << c.option << " " << c.bad;
  }
}

TEST(CliContract, MessagesEchoArgumentsOnOneLine) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"sun", "--utc", "2024\n01-01"}, "--utc: '2024\\n01-01' is not a time YYYY-MM-DDThh:mm:ss"},
      {{"sun", "--utc", "2024-01-01", "--lat", "\x1b[2J", "--lon", "0"}, "--lat: '\\x1b[2J' is not a number"},
      {{"time\r"}, "unknown command 'time\\r'; commands:"},
      {{"wind", "--heading", "1e15", "--boat-speed", "5", "--apparent-angle", "30", "--apparent-speed", "10",
        "--side", "port"},
       "--heading: must lie in 0..360"},
  };
  for (const auto& c : cases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err.rfind(c.message, 0), 0u) << r.err;
  }
  const CliRun longText = Cli({"sun", "--utc", std::string(100000, '\n')});
  EXPECT_EQ(longText.err.find('\n'), std::string::npos);
  EXPECT_LT(longText.err.size(), 400u);
  EXPECT_EQ(OneLine("\xc3\xa9\t\x7f"), "\xc3\xa9\\t\\x7f");
}

}  // namespace
}  // namespace veltrane::cli
