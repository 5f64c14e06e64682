#include "cli/commands.h"

namespace veltrane::cli {

void RegisterStormCommands(CommandTable&) {}

}  // namespace veltrane::cli
