#include "cli/commands.h"

namespace veltrane::cli {

void RegisterAstroCommands(CommandTable&) {}

}  // namespace veltrane::cli
