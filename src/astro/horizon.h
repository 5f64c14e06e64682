#pragma once
// Altitude, azimuth and atmospheric refraction seen by an observer.
#include "foundation/position_record.h"

namespace veltrane {

struct HorizontalResult {
  double lha = 0.0;         // local hour angle, degrees 0..360
  double altitude = 0.0;    // geometric altitude, degrees
  double azimuth = 0.0;     // degrees from north through east
  double refraction = 0.0;  // refraction at that altitude, degrees
};

// Refraction in minutes of arc at an apparent altitude (degrees), pressure (hPa) and
// temperature (°C). Zero for bodies more than 2° below the horizon, where the formula has no
// meaning (and divides by zero near -5.11°).
double Refraction(double altitude, double pressure, double temperature);

// observer: latitude and longitude (west positive); gha: Greenwich hour angle; dec: declination.
HorizontalResult HorizontalCoords(const PositionRecord& observer, double gha, double dec,
                                  double pressure, double temperature);

}  // namespace veltrane
