// Writes the manual page veltrane-cli(1) from the tool's own commands and option texts, so the
// page says what --help says.
#include <iostream>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/commands.h"

namespace {

// Text safe in a roff line: backslashes and minus signs escaped, no line starting a request.
std::string Roff(const std::string& text) {
  std::string out;
  bool lineStart = true;
  for (const char c : text) {
    if (lineStart && (c == '.' || c == '\'')) out += "\\&";
    if (c == '\\') out += "\\e";
    else if (c == '-') out += "\\-";
    else out += c;
    lineStart = c == '\n';
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string version = argc > 1 ? argv[1] : "";
  CLI::App app;
  veltrane::cli::CommandSet commands(app);
  veltrane::cli::RegisterAllCommands(commands);

  std::cout << ".TH VELTRANE\\-CLI 1 \"\" \"Veltrane " << Roff(version) << "\" \"User Commands\"\n"
            << ".SH NAME\nveltrane\\-cli \\- navigation and astronomy computations for scripts, as JSON\n"
            << ".SH SYNOPSIS\n.B veltrane\\-cli\n.I COMMAND\n[\\fIOPTION VALUE\\fR ...]\n.br\n"
            << ".B veltrane\\-cli\n.I COMMAND\n.B \\-\\-help\n"
            << ".SH DESCRIPTION\nRuns the computations of the Veltrane program and prints one JSON object on "
               "standard output. Positions are LAT,LON in decimal degrees, north and east positive; times are UT, "
               "YYYY\\-MM\\-DDThh:mm:ss.\n"
            << ".SH EXIT STATUS\n0 with the answer; 1 with {\"error\": ...} when the result cannot be computed; "
               "2 with a message on standard error for bad arguments.\n"
            << ".SH COMMANDS\n";
  for (const CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; })) {
    std::cout << ".SS " << Roff(command->get_name()) << "\n" << Roff(command->get_description()) << "\n";
    for (const CLI::Option* option : command->get_options()) {
      if (option->get_name() == "--help") continue;
      std::string name = option->get_name();
      if (option->get_type_size() != 0) name += " " + option->get_type_name();
      std::cout << ".TP\n.B " << Roff(name) << "\n" << Roff(option->get_description());
      if (option->get_required()) std::cout << " (required)";
      std::cout << "\n";
    }
  }
  std::cout << ".SH FILES\n.TP\n~/.config/Corvex/Veltrane/\nthe settings folder (or $VELTRANE_HOME), "
               "with the star file Mstars.dat and Settings.ini\n";
  return 0;
}
