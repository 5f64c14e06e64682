#include <gtest/gtest.h>

#include <cmath>

#include "cli/cli_run.h"

namespace veltrane::cli {
namespace {

TEST(Cli, TimeArguments) {
  const CliRun r = Cli({"time", "--utc", "2000-01-01T12:00:00"});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, R"({"jd0": 2451544.5, "jd": 2451545, "t": 0, "t1900": 1, "delta_t_s": 63.83})");
  const CliRun julian = Cli({"time", "--utc", "1582-10-04T00:00:00"});
  EXPECT_NE(julian.out.find("\"jd0\": 2299159.5"), std::string::npos) << julian.out;
}

TEST(Cli, ConvertShowsTheWindowsTexts) {
  struct Case {
    std::vector<std::string> args;
    int code;
    const char* out;
  };
  const Case cases[] = {
      {{"--quantity", "speed", "--unit", "knots", "--value", "10"},
       0,
       R"({"results": [{"value": "5.1", "unit": "m/s"}, {"value": "18.5", "unit": "km/h"}, {"value": "3", "unit": "beaufort"}]})"},
      {{"--quantity", "speed", "--unit", "beaufort", "--value", "13"}, 1, R"({"error": "Scale is '0-12'"})"},
      {{"--quantity", "length", "--unit", "feet", "--value", "abc"}, 0, R"({"results": []})"},
  };
  for (const auto& c : cases) {
    const CliRun r = Cli(With({"convert"}, c.args));
    EXPECT_EQ(r.code, c.code) << c.out;
    EXPECT_EQ(r.out, c.out);
  }
}

TEST(Cli, BadArgumentsExitTwoWithOneLine) {
  ExpectUsageErrors({{"nosuchcommand"},
                     {"time"},
                     {"time", "--utc", "yesterday"},
                     {"time", "--utc", "2000-01-01T00:00:00", "--extra", "1"},
                     {"convert", "--quantity", "speed", "--unit", "furlongs", "--value", "1"},
                     {"convert", "--quantity", "speed", "--unit"}});
}

TEST(Cli, Version) {
  const CliRun r = Cli({"--version"});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out.rfind("{\"version\": \"", 0), 0u) << r.out;
}

TEST(Json, NumbersStringsAndNull) {
  Json j = Json::Object();
  j.Set("a", 0.1).Set("b", std::nan("")).Set("c", "q\"\n").Set("d", -0.0);
  j.Set("e", Json::Array().Push(Json::Number(1)).Push(Json::Null()));
  EXPECT_EQ(j.Dump(), R"({"a": 0.1, "b": null, "c": "q\"\n", "d": 0, "e": [1, null]})");
}

}  // namespace
}  // namespace veltrane::cli
