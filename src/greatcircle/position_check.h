#pragma once
// The position file editor's checker: what is wrong with one line of "Position.txt" and the
// line with its signs put right.
#include <string>

namespace veltrane {

struct LineCheck {
  std::string name;  // the part before "="
  // " latitude" and/or " longitud" followed by "Erroneos Name" when a part is out of range or
  // not a position at all; empty when both are sound.
  std::string rangeMessage;
  // "Latitude Name " and/or "Longitud Name " when a sign disagrees with the hemisphere letter.
  std::string signNotes;
  // name "=" latitude "," longitude "," rest, with the signs put right (when signNotes is set).
  std::string repaired;
};

LineCheck CheckPositionLine(const std::string& line);

}  // namespace veltrane
