#pragma once
// The tool's commands.
//
// To add commands, write src/cli/cmd_<area>.cpp with one registration function,
//
//   void RegisterTideCommands(CommandSet& commands) {
//     auto o = std::make_shared<TideOptions>();  // the values its options are read into
//     CLI::App* c = commands.Add("tide", "Height of the tide at a time", [o] { return Tide(*o); });
//     AddNumber(c, "--high", o->high, "height of high water, m", -50, 50)->required();
//   }
//
// declare it below and call it from RegisterAllCommands in commands.cpp. The helpers of
// options.h check each option as it is read (a fault is exit 2, with the option's limits in
// --help). The run function returns the JSON answer (exit 0) or ErrorResult(...) (exit 1);
// it throws UsageError for options that do not go together (exit 2). Any other exception
// becomes {"error": ...} with exit 1 at the top, so no command ends on a signal.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/json.h"
#include "cli/options.h"

namespace veltrane::cli {

// The result printed on standard output and the exit code (0, or 1 for {"error": ...}).
struct Result {
  Json json;
  int exitCode = 0;
  // Printed as it stands instead of the JSON (the almanac's CSV).
  std::optional<std::string> text{};
};

Result ErrorResult(const std::string& message);

using Run = std::function<Result()>;

class CommandSet {
 public:
  explicit CommandSet(CLI::App& app) : app_(app) {}
  // A sub-command for its options; run answers once they are all read and checked.
  CLI::App* Add(const std::string& name, const std::string& description, Run run);
  // The run of the sub-command that was given, or null.
  const Run* Chosen() const;
  const Run* Named(const std::string& name) const;
  std::vector<std::string> Names() const;

 private:
  CLI::App& app_;
  std::map<std::string, Run> runs_;
};

void RegisterAlmanacPagesCommands(CommandSet& commands);
void RegisterAstroCommands(CommandSet& commands);
void RegisterAstronomyCommands(CommandSet& commands);
void RegisterCalculatorCommands(CommandSet& commands);
void RegisterCelestialCommands(CommandSet& commands);
void RegisterCoastalCommands(CommandSet& commands);
void RegisterConvertCommands(CommandSet& commands);
void RegisterFoundationCommands(CommandSet& commands);
void RegisterGreatCircleCommands(CommandSet& commands);
void RegisterPlanetCommands(CommandSet& commands);
void RegisterSightLogCommands(CommandSet& commands);
void RegisterStormCommands(CommandSet& commands);
void RegisterUpdateCommands(CommandSet& commands);

void RegisterAllCommands(CommandSet& commands);
// The names of all commands, for going through every one.
std::vector<std::string> CommandNames();

// Runs one command line (argv without the program name): the JSON answer in out, or a
// one-line message in err; returns the exit code. Tests may register their own commands.
int RunCli(const std::vector<std::string>& argv, std::string& out, std::string& err,
           const std::function<void(CommandSet&)>& registerCommands = RegisterAllCommands);

}  // namespace veltrane::cli
