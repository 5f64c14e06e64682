#include "cli/commands.h"

namespace veltrane::cli {

void RegisterPlanetCommands(CommandTable&) {}

}  // namespace veltrane::cli
