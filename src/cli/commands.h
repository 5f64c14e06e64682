#pragma once
// The tool's commands. Each area registers its own in its cmd_<area>.cpp.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "cli/args.h"
#include "cli/json.h"

namespace veltrane::cli {

// The result printed on standard output and the exit code (0, or 1 for {"error": ...}).
struct Result {
  Json json;
  int exitCode = 0;
};

Result ErrorResult(const std::string& message);

using Command = std::function<Result(const std::vector<std::string>& words)>;
using CommandTable = std::map<std::string, Command>;

void RegisterFoundationCommands(CommandTable& table);
void RegisterConvertCommands(CommandTable& table);
void RegisterAstroCommands(CommandTable& table);
void RegisterPlanetCommands(CommandTable& table);
void RegisterCoastalCommands(CommandTable& table);
void RegisterCalculatorCommands(CommandTable& table);
void RegisterGreatCircleCommands(CommandTable& table);
void RegisterStormCommands(CommandTable& table);

CommandTable AllCommands();
// Runs one command line (argv without the program name); prints JSON or the usage message.
int RunCli(const std::vector<std::string>& argv, std::string& out, std::string& err);

}  // namespace veltrane::cli
