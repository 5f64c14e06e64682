#include "cli/commands.h"

namespace veltrane::cli {

Result ErrorResult(const std::string& message) { return {Json::Object().Set("error", message), 1}; }

CommandTable AllCommands() {
  CommandTable table;
  RegisterFoundationCommands(table);
  RegisterConvertCommands(table);
  RegisterAstroCommands(table);
  RegisterPlanetCommands(table);
  RegisterCoastalCommands(table);
  RegisterCalculatorCommands(table);
  RegisterGreatCircleCommands(table);
  RegisterStormCommands(table);
  return table;
}

int RunCli(const std::vector<std::string>& argv, std::string& out, std::string& err) {
  const CommandTable table = AllCommands();
  if (argv.empty()) {
    err = "usage: veltrane-cli COMMAND [--option value ...]; commands:";
    for (const auto& kv : table) err += " " + kv.first;
    return 2;
  }
  const auto it = table.find(argv[0]);
  if (it == table.end()) {
    err = "unknown command '" + argv[0] + "'";
    return 2;
  }
  try {
    const Result r = it->second(std::vector<std::string>(argv.begin() + 1, argv.end()));
    out = r.json.Dump();
    return r.exitCode;
  } catch (const UsageError& e) {
    err = e.what();
    return 2;
  }
}

}  // namespace veltrane::cli
