#pragma once
// Short nutation series and the obliquity of the ecliptic.
#include "astro/listing.h"

namespace veltrane {

struct NutationResult {
  double sunTrueLongitude = 0.0;  // degrees, the Sun's true longitude used by the series
  double dPsi = 0.0;              // nutation in longitude, seconds of arc
  double dEps = 0.0;              // nutation in obliquity, seconds of arc
};

// t: Julian centuries from 2000 January 1.5.
NutationResult Nutation(double t, Listing* listing = nullptr);
// Mean obliquity of the ecliptic in degrees.
double MeanObliquity(double t);

// The equation of the centre of the Sun for its mean anomaly m (degrees); shared by the Sun's
// position and the nutation series.
double SunEquationOfCentre(double t, double m);
// The Sun's mean anomaly in degrees, 0..360.
double SunMeanAnomaly(double t);

}  // namespace veltrane
