#pragma once
// The Earth's heliocentric place from the planetary theory VSOP87, truncated.
#include <array>
#include <span>

namespace veltrane {

// One term A cos(B + C tau): A in 1e-8 radians (1e-8 AU for the radius vector), B in radians,
// C in radians per Julian millennium.
struct SeriesTerm {
  double a, b, c;
};

// The terms of each coordinate, one list for each power of tau.
struct EarthSeriesTables {
  std::array<std::span<const SeriesTerm>, 6> longitude;
  std::array<std::span<const SeriesTerm>, 2> latitude;
  std::array<std::span<const SeriesTerm>, 5> radius;
};
const EarthSeriesTables& EarthSeries();

// On the mean ecliptic and equinox of the date.
struct EarthHeliocentric {
  double longitude = 0.0;  // radians, not reduced
  double latitude = 0.0;   // radians
  double radius = 0.0;     // AU
};

// tau: Julian millennia from 2000 January 1.5, dynamical time.
EarthHeliocentric EarthHeliocentricPlace(double tau);

}  // namespace veltrane
