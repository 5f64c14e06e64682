#pragma once
// Where the program keeps its files.
#include <string>

namespace veltrane {

// VELTRANE_HOME when set, else $XDG_CONFIG_HOME (or ~/.config) + "/Corvex/Veltrane"; ends with '/'.
std::string SettingsFolderFromEnvironment();

}  // namespace veltrane
