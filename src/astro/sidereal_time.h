#pragma once
// Greenwich sidereal time and hour angles.

namespace veltrane {

struct SiderealTimeResult {
  double mean = 0.0;      // mean sidereal time, hours 0..24
  double apparent = 0.0;  // apparent sidereal time, hours (mean plus the equation of the equinoxes)
  double dPsi = 0.0;      // nutation in longitude, seconds of arc
};

// jd0: Julian day of 0h UT; hours: UT.
SiderealTimeResult SiderealTime(double jd0, double hours);
// Hour angle in degrees west of the sidereal time's meridian for a right ascension in degrees.
double HourAngleD(double siderealHours, double raDeg);

}  // namespace veltrane
