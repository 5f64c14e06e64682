#pragma once
// Compass deviation tables: one "<compass>.cmp" text file per compass, pairs of whole numbers
// "heading deviation" (deviation east positive, magnetic = compass + deviation). The file is
// read again for every computation, so an edited table takes effect at once.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltrane {

struct DeviationTable {
  std::array<int, 361> value{};  // by compass heading 0..360
  std::array<bool, 361> present{};
};

// Reads pairs until the end or the first word that is not a number. Pairs with a heading
// outside 0..360 or a deviation beyond 180 degrees are ignored; a heading given twice keeps
// its last value.
DeviationTable ParseDeviationTable(std::string_view text);
// Deviation at a whole compass heading, interpolated linearly between the nearest headings
// present below and above (across north), rounded to whole degrees; 0 for an empty table.
int LookupDeviation(const DeviationTable& table, int heading);
// Deviation to subtract from a whole magnetic heading to get the compass heading: the
// deviation of the compass heading that this magnetic heading comes from.
int ReverseLookupDeviation(const DeviationTable& table, int magnetic);

enum class HeadingKind { Compass, Magnetic };

// The deviation for any heading: a compass heading is truncated to whole degrees and looked
// up directly, a magnetic one rounded and looked up in reverse.
int DeviationAtHeading(const DeviationTable& table, double heading, HeadingKind kind);

// "Ideal" names the compass without deviation; no file is read for it.
bool IsIdealCompass(std::string_view name);
// The compasses whose non-empty "*.cmp" tables lie in the folders, sorted, without "Ideal".
std::vector<std::string> CompassNames(const std::vector<std::string>& folders);

// The table of a compass chosen by name, read once for a computation: none for the ideal
// compass or no name; a named table that is missing counts as ideal and carries its message.
struct CompassTable {
  std::optional<DeviationTable> table;
  std::string message;  // "File X.cmp not found." when the named table is missing, else empty
};
CompassTable FindCompassTable(const std::vector<std::string>& folders, const std::string& compass);

}  // namespace veltrane
