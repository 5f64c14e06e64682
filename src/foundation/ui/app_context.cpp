#include "foundation/ui/app_context.h"

#include <unistd.h>

namespace veltrane {

std::string AppContext::DataFolder() const {
  if (!programFolder.empty() && ::access(programFolder.c_str(), W_OK) == 0) return programFolder;
  return settingsFolder;
}

}  // namespace veltrane
