#include "foundation/paths.h"

#include <cstdlib>

namespace veltrane {

std::string SettingsFolderFromEnvironment() {
  std::string folder;
  if (const char* home = std::getenv("VELTRANE_HOME"); home && *home) {
    folder = home;
  } else {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* user = std::getenv("HOME");
    folder = (xdg && *xdg) ? std::string(xdg) : std::string(user ? user : ".") + "/.config";
    folder += "/Corvex/Veltrane";
  }
  if (folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace veltrane
