#include "foundation/paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

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

std::string ExecutableFolder() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error || exe.empty()) return {};
  std::string folder = exe.parent_path().string();
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string ProgramFolderFor(const std::string& executableFolder) {
  namespace fs = std::filesystem;
  if (executableFolder.empty()) return executableFolder;
  std::error_code error;
  if (fs::exists(fs::path(executableFolder) / "Mstars.dat", error)) return executableFolder;
  const fs::path installed = (fs::path(executableFolder) / ".." / "share" / "veltrane").lexically_normal();
  if (fs::is_directory(installed, error)) return installed.string() + "/";
  return executableFolder;
}

}  // namespace veltrane
