#include "cli/commands.h"

namespace veltrane::cli {

void RegisterGreatCircleCommands(CommandTable&) {}

}  // namespace veltrane::cli
