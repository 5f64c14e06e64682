#pragma once
// The Sun's apparent place from the Earth's planetary theory, to about a second of arc: for
// the almanac pages, where the short solar theory's 0.01 degree is too coarse.

namespace veltrane {

struct SunPrecisePlace {
  double ra = 0.0;            // apparent right ascension, degrees 0..360
  double dec = 0.0;           // apparent declination, degrees
  double longitude = 0.0;     // apparent ecliptic longitude, degrees 0..360
  double radiusVector = 0.0;  // AU
};

// t: Julian centuries from 2000 January 1.5, dynamical time.
SunPrecisePlace SunApparentPrecise(double t);

}  // namespace veltrane
