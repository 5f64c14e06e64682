#pragma once
// Compass deviation tables: one "<compass>.cmp" text file per compass, pairs of whole numbers
// "heading deviation" (deviation east positive, magnetic = compass + deviation). The file is
// read again at every lookup, so an edited table takes effect at once.
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

struct CompassDeviation {
  int deviation = 0;
  std::string message;  // "File X.cmp not found." when the table is missing, else empty
};
// The deviation for a heading of the named compass, its table looked up in the folders in
// order.
CompassDeviation DeviationFor(const std::vector<std::string>& folders, const std::string& compass,
                              double heading, HeadingKind kind);

}  // namespace veltrane
