#include "cli/star_file.h"

#include "foundation/paths.h"
#include "foundation/text_file.h"

namespace veltrane::cli {

std::string DefaultStarFile() {
  const std::string settings = SettingsFolderFromEnvironment() + "Mstars.dat";
  if (FileExists(settings)) return settings;
  return ExecutableFolder() + "Mstars.dat";
}

}  // namespace veltrane::cli
