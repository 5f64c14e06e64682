#pragma once
// The Moon's apparent place and distance from the truncated lunar theory.
#include "astro/listing.h"

namespace veltrane {

// Mean arguments of the lunar theory, degrees 0..360.
struct MoonArguments {
  double meanLongitude = 0.0;  // L'
  double elongation = 0.0;     // D
  double sunAnomaly = 0.0;     // M
  double moonAnomaly = 0.0;    // M'
  double latitudeArg = 0.0;    // F
};

struct MoonPositionResult {
  double ra = 0.0;          // apparent right ascension, degrees 0..360
  double dec = 0.0;         // apparent declination, degrees
  double parallax = 0.0;    // equatorial horizontal parallax, degrees
  double distance = 0.0;    // km
  double longitude = 0.0;   // geocentric ecliptic longitude, degrees
  double latitude = 0.0;    // geocentric ecliptic latitude, degrees
  double elongation = 0.0;  // Moon minus Sun in longitude, degrees 0..360 (waxing below 180)
  double illuminatedPercent = 0.0;  // to 0.1
};

MoonArguments MoonMeanArguments(double t);

// t: Julian centuries from 2000 January 1.5, dynamical time.
MoonPositionResult MoonPosition(double t, Listing* listing = nullptr);

// Topocentric semidiameter in seconds of arc (rounded to 0.1) of the Moon at an altitude
// (degrees) and distance (km); writes "Semidiameter of Moon:".
double MoonSemidiameter(double altitude, double distance, Listing* listing = nullptr);

}  // namespace veltrane
