#pragma once
// The almanac's events as people read them: one line a title and details, and the same events
// as CSV for a spreadsheet.
#include <string>
#include <vector>

#include "astro/almanac_year.h"

namespace veltrane {

// "March equinox", "Full Moon", "Total eclipse of the Sun", "Opposition of Mars" ...
std::string AlmanacEventTitle(const AlmanacEvent& e);
// "magnitude 1.230, partial phase 1h 42m either side, totality 0h 35m either side"; empty
// for events without details.
std::string AlmanacEventDetails(const AlmanacEvent& e);
// Uranus and Neptune, which only the "total" list shows.
bool IsFaintPlanetEvent(const AlmanacEvent& e);

// Header row and one row an event, times in UT and in local time (zoneHours: UT minus local).
std::string AlmanacCsv(const std::vector<AlmanacEvent>& events, double zoneHours);

}  // namespace veltrane
