#pragma once
// Instants of the conjunctions and oppositions of the planets: mean instant plus periodic terms.
#include "astro/planet_orbit.h"

namespace veltrane {

// Event 0: inferior conjunction (Mercury, Venus) or opposition (Mars to Neptune);
// event 1: superior conjunction or conjunction with the Sun.
inline constexpr int kFirstPhenomenon = 0;
inline constexpr int kSecondPhenomenon = 1;

// "inferior_conjunction", "superior_conjunction", "opposition" or "conjunction".
const char* PhenomenonName(Planet planet, int event);
// Mean synodic period, days.
double SynodicPeriod(Planet planet);

// The cycle number k of the event near the start of a year (integer part of the mean count).
double PhenomenonCycle(Planet planet, int event, int year);
// JDE of the event of cycle k.
double PhenomenonInstant(Planet planet, int event, double k);

}  // namespace veltrane
