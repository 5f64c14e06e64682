#include "cli/commands.h"

namespace veltrane::cli {

void RegisterCalculatorCommands(CommandTable&) {}

}  // namespace veltrane::cli
