#pragma once
// Running the tool inside a test, and reading numbers back from the JSON it prints.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace veltrane::cli {

struct CliRun {
  int code = 0;
  std::string out, err;
};

inline CliRun Cli(const std::vector<std::string>& args) {
  CliRun r;
  r.code = RunCli(args, r.out, r.err);
  return r;
}

// The command line `args` followed by `more`.
inline std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

inline bool HasText(const std::string& out, const std::string& text) { return out.find(text) != std::string::npos; }

// Each command line is refused as bad arguments: exit 2, nothing printed, one line of message.
inline void ExpectUsageErrors(const std::vector<std::vector<std::string>>& lines) {
  for (const auto& args : lines) {
    const CliRun r = Cli(args);
    const std::string what = args.empty() ? "(nothing)" : args.front() + " ... " + args.back();
    EXPECT_EQ(r.code, 2) << what << ": " << r.out;
    EXPECT_EQ(r.out, "") << what;
    EXPECT_FALSE(r.err.empty()) << what;
    EXPECT_EQ(r.err.find('\n'), std::string::npos) << what;
  }
}

// The number after the n-th (from 0) "key": of the output; NaN when there is none or it is null.
inline double JsonNumber(const std::string& json, const std::string& key, int n = 0) {
  const std::string tag = "\"" + key + "\": ";
  size_t at = std::string::npos;
  for (int i = 0; i <= n; ++i) {
    at = json.find(tag, at == std::string::npos ? 0 : at + 1);
    if (at == std::string::npos) return NAN;
  }
  const char* start = json.c_str() + at + tag.size();
  char* end = nullptr;
  const double v = std::strtod(start, &end);
  return end == start ? NAN : v;
}

}  // namespace veltrane::cli
