#include "update/version.h"

namespace veltrane {

std::optional<VersionNumber> ParseVersion(std::string_view text) {
  VersionNumber version{};
  size_t part = 0;
  size_t digits = 0;
  std::uint32_t value = 0;
  for (const char c : text) {
    if (c == '.') {
      if (digits == 0 || part == version.size() - 1) return std::nullopt;
      version[part++] = static_cast<std::uint16_t>(value);
      digits = 0;
      value = 0;
    } else if (c >= '0' && c <= '9') {
      value = value * 10 + static_cast<std::uint32_t>(c - '0');
      // Five digits at most, leading zeros too: the text is shown as the server sent it.
      if (value > 0xFFFF || ++digits > 5) return std::nullopt;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0) return std::nullopt;
  version[part] = static_cast<std::uint16_t>(value);
  return version;
}

std::string VersionString(const VersionNumber& version) {
  std::string text;
  for (const auto part : version) {
    if (!text.empty()) text += '.';
    text += std::to_string(part);
  }
  return text;
}

}  // namespace veltrane
