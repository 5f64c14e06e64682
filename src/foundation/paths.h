#pragma once
// Where the program keeps its files.
#include <string>

namespace veltrane {

// VELTRANE_HOME when set, else $XDG_CONFIG_HOME (or ~/.config) + "/Corvex/Veltrane"; ends with '/'.
std::string SettingsFolderFromEnvironment();
// The folder of the running program's executable, ending with '/'; empty when the system
// does not say.
std::string ExecutableFolder();

}  // namespace veltrane
