#include "cli/commands.h"

#include <exception>

namespace veltrane::cli {

Result ErrorResult(const std::string& message) { return {Json::Object().Set("error", message), 1}; }

CLI::App* CommandSet::Add(const std::string& name, const std::string& description, Run run) {
  runs_[name] = std::move(run);
  return app_.add_subcommand(name, description);
}

const Run* CommandSet::Chosen() const {
  for (const CLI::App* sub : app_.get_subcommands()) return Named(sub->get_name());
  return nullptr;
}

const Run* CommandSet::Named(const std::string& name) const {
  const auto it = runs_.find(name);
  return it == runs_.end() ? nullptr : &it->second;
}

std::vector<std::string> CommandSet::Names() const {
  std::vector<std::string> names;
  for (const auto& kv : runs_) names.push_back(kv.first);
  return names;
}

void RegisterAllCommands(CommandSet& commands) {
  RegisterAlmanacPagesCommands(commands);
  RegisterAstroCommands(commands);
  RegisterAstronomyCommands(commands);
  RegisterCalculatorCommands(commands);
  RegisterCelestialCommands(commands);
  RegisterCoastalCommands(commands);
  RegisterConvertCommands(commands);
  RegisterFoundationCommands(commands);
  RegisterGreatCircleCommands(commands);
  RegisterPlanetCommands(commands);
  RegisterSightLogCommands(commands);
  RegisterStormCommands(commands);
  RegisterUpdateCommands(commands);
}

std::vector<std::string> CommandNames() {
  CLI::App app;
  CommandSet commands(app);
  RegisterAllCommands(commands);
  return commands.Names();
}

namespace {

int Answer(const Result& result, std::string& out) {
  out = result.text ? *result.text : result.json.Dump();
  return result.exitCode;
}

int Usage(const std::string& message, std::string& err) {
  err = OneLine(message);
  return 2;
}

}  // namespace

int RunCli(const std::vector<std::string>& argv, std::string& out, std::string& err,
           const std::function<void(CommandSet&)>& registerCommands) {
  try {
    CLI::App app("The program's computations for scripts: one JSON object on standard output.",
                 "veltrane-cli");
    bool version = false;
    app.add_flag("--version", version, "print the program's version as JSON");
    app.require_subcommand(0, 1);
    CommandSet commands(app);
    registerCommands(commands);

    std::string names;
    for (const std::string& name : commands.Names()) names += " " + name;
    const std::string usage = "usage: veltrane-cli COMMAND [--option value ...]; commands:" + names;
    if (argv.empty()) return Usage(usage, err);
    if (argv[0].rfind("-", 0) != 0 && !commands.Named(argv[0]))
      return Usage("unknown command '" + argv[0] + "'; commands:" + names, err);

    std::vector<std::string> reversed(argv.rbegin(), argv.rend());
    try {
      app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
      const CLI::App* sub = app.get_subcommands().empty() ? &app : app.get_subcommands().front();
      out = sub->help();
      return 0;
    } catch (const CLI::ParseError& e) {
      return Usage(e.what(), err);
    }
    const Run* run = commands.Chosen();
    if (!run && version) run = commands.Named("version");
    if (!run) return Usage(usage, err);
    return Answer((*run)(), out);
  } catch (const UsageError& e) {
    out.clear();
    return Usage(e.what(), err);
  } catch (const std::exception& e) {
    return Answer(ErrorResult(e.what()), out);
  } catch (...) {
    return Answer(ErrorResult("the computation failed"), out);
  }
}

}  // namespace veltrane::cli
