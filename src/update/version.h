#pragma once
// Version numbers of the program: four parts (major, minor, release, build), compared part by
// part as numbers, so 5.10.0.0 is newer than 5.4.5.0 and older than 6.0.0.0.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace veltrane {

using VersionNumber = std::array<std::uint16_t, 4>;

// "5.4.5.0" or a shorter "5.4" (missing parts are 0): one to four parts of digits joined by
// dots, each part at most 65535 in at most five digits. Anything else is not a version number.
std::optional<VersionNumber> ParseVersion(std::string_view text);
// "5.4.5.0".
std::string VersionString(const VersionNumber& version);
// The running program's version, set once for the whole project at build time.
VersionNumber ThisVersion();

}  // namespace veltrane
