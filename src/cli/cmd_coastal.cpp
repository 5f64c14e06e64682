#include "cli/commands.h"

namespace veltrane::cli {

void RegisterCoastalCommands(CommandTable&) {}

}  // namespace veltrane::cli
