#pragma once
// Rising, meridian transit and setting of a body from its places at 0h UT on three days.
#include <array>
#include <string>

namespace veltrane {

enum class HorizonStatus {
  Crosses,  // rises and sets
  Always,   // stays above the horizon all day
  Never,    // stays below the horizon all day
};

// "Always", "Never", or empty when the body crosses the horizon.
std::string HorizonStatusText(HorizonStatus status);

struct RiseTransitSetInput {
  std::array<double, 3> ra{};   // degrees at 0h UT of the day before, the day, the day after
  std::array<double, 3> dec{};  // degrees, the same days
  double h0 = 0.0;              // standard altitude of the centre at rising and setting
  double latitude = 0.0;        // north positive
  double lonWest = 0.0;         // west positive
  double jd0 = 0.0;             // Julian day of 0h UT of the day
  double deltaT = 0.0;          // seconds
  // UT minus local time in hours: a rising or setting that falls on the previous local
  // calendar day is taken one day earlier, so both belong to the local day of the date.
  double zoneHours = 0.0;
};

struct RiseTransitSetResult {
  double rise = 0.0;     // day fractions of UT, 0..1
  double transit = 0.0;
  double set = 0.0;
  HorizonStatus status = HorizonStatus::Crosses;
};

RiseTransitSetResult RiseTransitSet(const RiseTransitSetInput& in);

}  // namespace veltrane
