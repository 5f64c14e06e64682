#pragma once
// Instants of the equinoxes and solstices.

namespace veltrane {

// event: 0 March equinox, 1 June solstice, 2 September equinox, 3 December solstice.
// Result in Julian Ephemeris Days (dynamical time).
double EquinoxSolstice(int year, int event);

}  // namespace veltrane
