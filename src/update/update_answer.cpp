#include "update/update_answer.h"

namespace veltrane {
namespace {

constexpr std::string_view kBlanks = " \t\r\f\v";

std::string_view Trim(std::string_view s) {
  const size_t first = s.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// Value of the first "Version" line in section "Veltrane".
std::optional<std::string_view> VersionValue(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  bool inSection = false;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = Trim(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      const size_t close = line.find(']');
      inSection = close != std::string_view::npos && SameName(Trim(line.substr(1, close - 1)), "Veltrane");
      continue;
    }
    const size_t equals = line.find('=');
    if (inSection && equals != std::string_view::npos && SameName(Trim(line.substr(0, equals)), "Version"))
      return Trim(line.substr(equals + 1));
  }
  return std::nullopt;
}

}  // namespace

std::optional<AnnouncedVersion> ReadAnnouncedVersion(std::string_view iniText) {
  const std::optional<std::string_view> value = VersionValue(iniText);
  if (!value) return std::nullopt;
  const std::string_view field = value->substr(0, value->find_first_of(kBlanks));
  const std::optional<VersionNumber> number = ParseVersion(field);
  if (!number) return std::nullopt;
  return AnnouncedVersion{std::string(field), *number};
}

UpdateVerdict JudgeUpdate(const std::optional<std::string>& answer, const VersionNumber& running) {
  if (!answer) return {};
  UpdateVerdict verdict{UpdateOutcome::NotAvailable, ReadAnnouncedVersion(*answer)};
  if (verdict.announced && verdict.announced->number > running) verdict.outcome = UpdateOutcome::Available;
  return verdict;
}

}  // namespace veltrane
