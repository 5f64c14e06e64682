#include "foundation/ui/app_context.h"

namespace veltrane {

std::string AppContext::DataFolder() const { return settingsFolder; }

}  // namespace veltrane
