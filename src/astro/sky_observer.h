#pragma once
// The observer and the instant every computation for the astronomy windows starts from.
#include "foundation/calendar.h"

namespace veltrane {

struct SkyObserver {
  double latitude = 0.0;      // degrees, north positive
  double lonWest = 0.0;       // degrees, west positive
  double height = 0.0;        // metres above the ellipsoid
  double pressure = 1010.0;   // hPa
  double temperature = 10.0;  // degrees C
};

struct SkyInstant {
  double jd0 = 0.0;     // Julian day of 0h UT
  double hours = 0.0;   // UT
  double deltaT = 0.0;  // TD minus UT, seconds
  // Julian centuries from 2000 January 1.5 in dynamical time: bodies are placed at UT + Delta T.
  double DynamicalCenturies() const {
    return JulianCenturiesSinceJ2000(jd0 + hours / 24.0 + deltaT / 86400.0);
  }
};

}  // namespace veltrane
