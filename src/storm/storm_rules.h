#pragma once
// The rules every storm window shares: where the cyclone centre lies from the wind, how far
// from the rate of the barometer's fall, the pressure units, compass points and plot vectors.
#include <optional>
#include <string>

#include "coastal/nav_utl.h"
#include "greatcircle/grutil.h"

namespace veltrane {

// What the observed direction is the direction of.
enum class BearingSource { Wind = 0, Cloud = 1, Centre = 2 };

enum class PressureUnit { Millibar = 0, InchHg = 1, MmHg = 2 };

// Bearing of the centre in whole degrees from the direction the wind (or the low clouds) comes
// from; an observed centre direction is returned as it is, and so is any on the equator.
int CentreBearing(int direction, const PositionRecord& position, BearingSource source);

// Distance to the centre in nautical miles from the rate of fall in inches of mercury per hour.
// Never negative: a fall so steep that the formula would pass zero puts the centre at the boat.
double CentreDistance(double inchesPerHour);

struct FallRate {
  double inchesPerHour = 0.0;  // kept to three decimals
  bool valid = true;           // false below 0 or above 9 inches an hour
};
FallRate FallToInches(PressureUnit unit, double value);
// The steepest fall an hour the windows take in each unit: beyond it the distance table no
// longer holds.
double FallEntryLimit(PressureUnit unit);

// Dead reckoning by mid-latitude sailing, the longitude kept within 180 degrees of Greenwich so a
// run across the date line reads as a position; nothing when the run passes a pole.
std::optional<PositionRecord> DeadReckon(const PositionRecord& start, double distance, double course);
// Course and distance by mid-latitude sailing the short way round, across the date line too.
CourseDistance ShortCourseDistance(const PositionRecord& from, const PositionRecord& to);

// "N", "NE" ... "NW"; empty for a direction that fits no sector.
std::string CompassPoint8(double direction);
// "N", "E", "S" or "W".
std::string CompassPoint4(double direction);

struct PixelPoint {
  int x = 0;
  int y = 0;
  bool operator==(const PixelPoint&) const = default;
};
// End of a vector of the given length (pixels) drawn from (x0, y0) in a compass direction on a
// screen whose y grows downwards.
PixelPoint PlotVectorEnd(int direction, int x0, int y0, double length);

// n mod 360, keeping the sign of n.
int IntMod360(int n);

}  // namespace veltrane
