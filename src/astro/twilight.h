#pragma once
// When the Sun's centre passes a given altitude in the morning and in the evening: twilight.
#include <optional>

#include "astro/rise_transit_set.h"
#include "astro/sky_observer.h"

namespace veltrane {

inline constexpr double kCivilTwilight = -6.0;
inline constexpr double kNauticalTwilight = -12.0;
inline constexpr double kAstronomicalTwilight = -18.0;

// Hours UT of the date (0..24); nothing when the Sun does not pass that altitude that day
// (it stays above it, or below it, all day).
struct SunCrossings {
  std::optional<double> morning;
  std::optional<double> evening;
  HorizonStatus status = HorizonStatus::Crosses;  // Always: the Sun stays above that altitude
};

// zoneHours: UT minus local time; the crossings are those of the local calendar day.
// The observer's height, pressure and temperature play no part.
SunCrossings SunAltitudeCrossings(const SkyObserver& observer, const SkyInstant& day, double altitude,
                                  double zoneHours);

struct Twilight {
  SunCrossings civil, nautical, astronomical;
};
Twilight TwilightOfDay(const SkyObserver& observer, const SkyInstant& day, double zoneHours);

}  // namespace veltrane
