// veltrane-cli: the program's computations for scripts, one JSON object on standard output.
#include <iostream>

#include "cli/commands.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string out, err;
  const int code = veltrane::cli::RunCli(args, out, err);
  if (!out.empty()) std::cout << out << "\n";
  if (!err.empty()) std::cerr << err << "\n";
  return code;
}
