#pragma once
// The Sun, nutation and obliquity of the 1900-epoch theory the planets are computed with,
// so that the planets and their Sun come from the same series. T: centuries from 1900 Jan 0.5.

namespace veltrane {

struct Sun1900Place {
  double longitude = 0.0;     // true longitude with perturbations, degrees (not reduced)
  double R = 0.0;             // radius vector, AU
  double meanAnomaly = 0.0;   // degrees, reduced to (-360, 360)
};

struct Nutation1900Terms {
  double dPsi = 0.0;  // seconds of arc
  double dEps = 0.0;  // seconds of arc
};

Sun1900Place Sun1900(double t1900);
Nutation1900Terms Nutation1900(double t1900);
double Obliquity1900(double t1900);  // mean obliquity, degrees

}  // namespace veltrane
