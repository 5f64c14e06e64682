#pragma once
// Where the tool finds the star file when no --catalogue is given.
#include <string>

namespace veltrane::cli {

// The user's copy in the settings folder, else the one shipped beside the tool.
std::string DefaultStarFile();

}  // namespace veltrane::cli
