#include "foundation/user_files.h"

#include <filesystem>
#include <system_error>

#include "foundation/text_file.h"

namespace veltrane {

namespace {

bool IsUserFile(const std::string& name) {
  if (name == "SETS.INI" || name == "Position.txt" || name == "Readme.txt") return true;
  return name.size() > 4 && name.compare(name.size() - 4, 4, ".cmp") == 0;
}

// Copies each shipped user file the settings folder lacks into it, never over a file already
// there; the names that could not be copied.
std::vector<std::string> InstallShippedUserFiles(const std::string& programFolder, const std::string& settingsFolder) {
  namespace fs = std::filesystem;
  std::vector<std::string> failed;
  std::error_code ec;
  for (fs::directory_iterator it(programFolder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    std::error_code typeError;
    if (!IsUserFile(name) || !it->is_regular_file(typeError)) continue;
    if (InstallMissingFile(programFolder + name, settingsFolder + name) == InstallResult::Failed)
      failed.push_back(name);
  }
  return failed;
}

}  // namespace

InstalledFiles InstallProgramFiles(const std::string& currentFolder, const std::string& programFolder,
                                   const std::string& settingsFolder) {
  // A copy interrupted by a crash leaves no star file, so a later start installs it again.
  const std::string target = settingsFolder + "Mstars.dat";
  InstalledFiles installed;
  installed.starFile = FileExists(target);
  for (const std::string& source : {currentFolder + "Mstars.dat", programFolder + "Mstars.dat"}) {
    if (installed.starFile || !FileExists(source)) continue;
    installed.starFile = InstallMissingFile(source, target) != InstallResult::Failed;
  }
  installed.failed = InstallShippedUserFiles(programFolder, settingsFolder);
  return installed;
}

}  // namespace veltrane
