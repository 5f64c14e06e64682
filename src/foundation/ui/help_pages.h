#pragma once
// Which help page each window opens with "&Help" and F1.
#include <string>

namespace veltrane {

// The page (with its section, "calculators.html#tides") for a window's object name; the contents
// page for a window that has none of its own.
std::string HelpPageFor(const std::string& windowName);

}  // namespace veltrane
