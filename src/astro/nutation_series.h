#pragma once
// Nutation in longitude and obliquity from the full IAU 1980 series, to a few thousandths of a
// second of arc.

namespace veltrane {

struct NutationAngles {
  double dPsi = 0.0;  // nutation in longitude, seconds of arc
  double dEps = 0.0;  // nutation in obliquity, seconds of arc
};

// t: Julian centuries from 2000 January 1.5, dynamical time.
NutationAngles NutationIau1980(double t);

}  // namespace veltrane
