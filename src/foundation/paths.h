#pragma once
// Where the program keeps its files.
#include <string>

namespace veltrane {

// VELTRANE_HOME when set, else $XDG_CONFIG_HOME (or ~/.config) + "/Corvex/Veltrane"; ends with '/'.
std::string SettingsFolderFromEnvironment();
// The folder of the running program's executable, ending with '/'; empty when the system
// does not say.
std::string ExecutableFolder();
// Folder of the shipped data (star file, help pages, examples): beside the executable in a
// build, ../share/veltrane/ when installed. Ends with '/'.
std::string ProgramFolderFor(const std::string& executableFolder);

}  // namespace veltrane
