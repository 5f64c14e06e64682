#pragma once
// The events of one year for the almanac: equinoxes and solstices, the Moon's phases, eclipses,
// and the conjunctions and oppositions of the planets, in order of time.
#include <optional>
#include <vector>

#include "astro/planet_orbit.h"

namespace veltrane {

struct AlmanacEvent {
  const char* kind = "";  // "march_equinox", "new_moon", "solar_eclipse", "opposition", ...
  std::optional<Planet> planet;  // conjunctions and oppositions
  double jde = 0.0;              // Julian Ephemeris Day
  double jdUt = 0.0;             // the same instant in Universal Time (the program's Delta T)
  const char* eclipseType = nullptr;  // "total", "partial", ... for eclipses
  std::optional<double> magnitude;
  std::optional<double> partialSemiDuration;  // hours, lunar eclipses
  std::optional<double> totalSemiDuration;    // hours, total lunar eclipses
};

// Every event whose instant in Universal Time falls in the year (astronomical numbering, 0 is
// 1 B.C.); shadowMode 0 or 1 selects the Earth's shadow for lunar eclipses.
std::vector<AlmanacEvent> YearEvents(int year, int shadowMode);

// "mercury" .. "neptune".
const char* PlanetKey(Planet planet);

}  // namespace veltrane
