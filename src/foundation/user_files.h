#pragma once
// The files a user may change ("SETS.INI", "Position.txt", "Readme.txt", the compass tables
// "*.cmp") live in the settings folder; the program folder holds only the shipped copies.
#include <string>
#include <vector>

namespace veltrane {

// What a start installed into the settings folder.
struct InstalledFiles {
  bool starFile = false;            // "Mstars.dat" is there, copied now or before
  std::vector<std::string> failed;  // the user files that could not be copied
};

// The star file "Mstars.dat", from the current folder first, then the program folder, and the
// shipped user files, each only when the settings folder lacks it and never over a file there.
// Folders end with '/'.
InstalledFiles InstallProgramFiles(const std::string& currentFolder, const std::string& programFolder,
                                   const std::string& settingsFolder);

}  // namespace veltrane
