#include "greatcircle/position_file.h"

#include <cctype>

#include "foundation/calendar.h"
#include "foundation/numbers.h"
#include "foundation/text_file.h"

namespace veltrane {
namespace {

struct Part {
  std::string deg, min;
  bool first = true;  // N or W
};

// "-33 51.7 S" as "-33_51.7_S".
std::string Underscored(const std::string& text) {
  if (text.find('_') != std::string::npos) return text;
  std::string out;
  for (char c : TrimBlanks(text)) {
    const bool blank = c == ' ' || c == '\t';
    if (!blank) out += c;
    else if (!out.empty() && out.back() != '_') out += '_';
  }
  return out;
}

// A field without the spaces and tabs around it, in any mix, so that the place written back
// reads the same.
std::string Stripped(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// "-33_51.7_S": degrees without sign, minutes, and whether the letter is `firstLetter`.
std::optional<Part> ParsePart(const std::string& written, int maxDeg, char firstLetter) {
  const std::string text = Underscored(written);
  Part p;
  p.deg = Stripped(GetField(text, '_', 0));
  // "-  18": blanks after the sign are not part of the degrees.
  if (!p.deg.empty() && p.deg.front() == '-') p.deg = Stripped(p.deg.substr(1));
  p.min = Stripped(GetField(text, '_', 1));
  const std::string letter = Stripped(GetField(text, '_', 2));
  const auto deg = ParseInt(p.deg);
  const auto min = p.min.empty() ? std::optional<double>(0.0) : ParseReal(p.min);
  if (!deg || *deg < 0 || *deg > maxDeg || !min || *min < 0.0 || *min >= 60.0 || letter.empty()) return std::nullopt;
  if (*deg == maxDeg && *min > 0.0) return std::nullopt;
  // A hand-edited file may write the letter in lower case.
  p.first = std::toupper(static_cast<unsigned char>(letter.front())) == firstLetter;
  return p;
}

std::string NameOf(const std::string& line) { return TrimBlanks(line.substr(0, line.find('='))); }

}  // namespace

std::optional<NamedPosition> ParsePositionLine(const std::string& line) {
  const size_t eq = line.find('=');
  if (eq == std::string::npos) return std::nullopt;
  NamedPosition place;
  place.name = NameOf(line);
  if (place.name.empty()) return std::nullopt;
  const std::string value = line.substr(eq + 1);
  const auto lat = ParsePart(GetField(value, ',', 0), 90, 'N');
  const auto lon = ParsePart(GetField(value, ',', 1), 180, 'W');
  if (!lat || !lon) return std::nullopt;
  place.latDeg = lat->deg, place.latMin = lat->min, place.north = lat->first;
  place.lonDeg = lon->deg, place.lonMin = lon->min, place.west = lon->first;
  place.zone = GetField(TrimBlanks(GetField(value, ',', 2)), ' ', 0);
  return place;
}

std::vector<std::string> PlaceNames(const std::vector<std::string>& lines) {
  std::vector<std::string> names;
  for (const auto& line : lines)
    if (const auto place = ParsePositionLine(line)) names.push_back(place->name);
  return names;
}

std::string PlaceKey(const std::string& typed) { return TrimBlanks(typed.substr(0, typed.find(','))); }

std::optional<NamedPosition> FindPlace(const std::vector<std::string>& lines, const std::string& name) {
  const std::string key = LowerFold(TrimBlanks(name));
  for (const auto& line : lines) {
    const auto place = ParsePositionLine(line);
    if (place && LowerFold(place->name) == key) return place;
  }
  return std::nullopt;
}

bool HasPlaceName(const std::vector<std::string>& lines, const std::string& name) {
  const std::string key = LowerFold(TrimBlanks(name));
  for (const auto& line : lines)
    if (line.find('=') != std::string::npos && LowerFold(NameOf(line)) == key) return true;
  return false;
}

std::string FormatPositionLine(const NamedPosition& place) {
  auto part = [](const std::string& deg, const std::string& min, bool first, const char* letters) {
    return std::string(first ? "" : "-") + deg + "_" + (min.empty() ? "0" : min) + "_" + letters[first ? 0 : 1];
  };
  return place.name + "=" + part(place.latDeg, place.latMin, place.north, "NS") + "," +
         part(place.lonDeg, place.lonMin, place.west, "WE") + (place.zone.empty() ? "" : "," + place.zone);
}

bool IsPlaceName(const std::string& name) {
  return !TrimBlanks(name).empty() && name.find_first_of("=\r\n") == std::string::npos;
}

AppendResult AppendPlace(const std::string& path, const NamedPosition& place) {
  if (!IsPlaceName(place.name)) return AppendResult::Failed;
  std::string text;
  if (FileExists(path)) {
    const auto old = ReadTextFile(path);
    if (!old) return AppendResult::Failed;
    text = *old;
  }
  const auto lines = ReadTextLines(path).value_or(std::vector<std::string>{});
  if (HasPlaceName(lines, place.name)) return AppendResult::Exists;
  if (!text.empty() && text.back() != '\n') text += '\n';
  text += FormatPositionLine(place) + "\n";
  return WriteFileAtomically(path, text) ? AppendResult::Appended : AppendResult::Failed;
}

}  // namespace veltrane
