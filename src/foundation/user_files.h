#pragma once
// The files a user may change ("SETS.INI", "Position.txt", "Readme.txt", the compass tables
// "*.cmp") live in the settings folder; the program folder holds only the shipped copies.
#include <string>
#include <vector>

namespace veltrane {

// Copies each shipped file the settings folder lacks into it, never over a file already
// there; the names that could not be copied.
std::vector<std::string> InstallShippedUserFiles(const std::string& programFolder, const std::string& settingsFolder);

}  // namespace veltrane
