#pragma once
// The Sun's geometric and apparent place.
#include "astro/listing.h"

namespace veltrane {

struct SunPositionResult {
  double trueLongitude = 0.0;  // degrees, not reduced to 0..360
  double radiusVector = 0.0;   // AU
};

struct SunApparentResult {
  double ra = 0.0;        // apparent right ascension, degrees 0..360
  double dec = 0.0;       // apparent declination, degrees
  double parallax = 0.0;  // equatorial horizontal parallax, degrees
};

// Semidiameter of the Sun at 1 AU, seconds of arc.
inline constexpr double kSunSemidiameter1Au = 959.63;

// Equatorial horizontal parallax of the Sun, degrees, at a distance in AU.
double SunHorizontalParallax(double radiusVector);

// t: Julian centuries from 2000 January 1.5 (dynamical time when the caller adds Delta T).
SunPositionResult SunPosition(double t, Listing* listing = nullptr);
SunApparentResult SunApparent(double t, Listing* listing = nullptr);

}  // namespace veltrane
