#pragma once
// The named-positions file "Position.txt": one place a line, name "=" latitude "," longitude,
// each part degrees "_" minutes "_" hemisphere letter ("12_30.5_N,-4_10_E"), then optionally ","
// and the zone (hours UT minus local time). The degrees may carry a sign, which readers ignore:
// the letter decides. Parts written with blanks ("60 9.7 N,24 57.3 E,-2") read the same.
#include <optional>
#include <string>
#include <vector>

namespace veltrane {

inline constexpr const char* kPositionFileName = "Position.txt";

// A place as the window's fields take it: texts of degrees (no sign) and minutes.
struct NamedPosition {
  std::string name;
  std::string latDeg, latMin;
  bool north = true;
  std::string lonDeg, lonMin;
  bool west = true;
  std::string zone{};  // UT minus local time in hours as typed; empty when the line has none
};

// The place of one line; nothing when the line is not a sound position (no "=", a blank name,
// degrees that are not whole numbers in range, minutes that are not 0..60).
std::optional<NamedPosition> ParsePositionLine(const std::string& line);
// Names of the sound lines, in file order.
std::vector<std::string> PlaceNames(const std::vector<std::string>& lines);
// The name a combo box's text stands for: the text up to its first comma, without blanks.
std::string PlaceKey(const std::string& typed);
// The first sound line whose name matches, without regard to letter case.
std::optional<NamedPosition> FindPlace(const std::vector<std::string>& lines, const std::string& name);
// A name a line can hold: not blank, without "=" or a line break.
bool IsPlaceName(const std::string& name);
// Whether any line carries this name (sound or not), without regard to letter case.
bool HasPlaceName(const std::vector<std::string>& lines, const std::string& name);
// The line for a place, southern and eastern degrees with a leading "-"; empty minutes are "0";
// the zone, when there is one, as the third part.
std::string FormatPositionLine(const NamedPosition& place);

enum class AppendResult { Appended, Exists, Failed };
// Appends the place's line to the file (created when missing), unless the name is in it.
// The file is rewritten atomically.
AppendResult AppendPlace(const std::string& path, const NamedPosition& place);

}  // namespace veltrane
