#pragma once
// A star's catalogue place (epoch 2000.0) carried to its apparent place of the date.
#include "astro/listing.h"
#include "astro/topocentric.h"

namespace veltrane {

struct StarCorrection {
  double dRa = 0.0;   // seconds of arc
  double dDec = 0.0;  // seconds of arc
};

// raHours, decDeg: epoch 2000.0; pmRa: seconds of time per year; pmDec: seconds of arc per
// year; t: Julian centuries from 2000 January 1.5. Returns degrees, right ascension 0..360.
EquatorialPlace StarApparentPlace(double raHours, double decDeg, double pmRa, double pmDec,
                                  double t, Listing* listing = nullptr);
// Nutation and annual aberration of a star at ra, dec (degrees).
StarCorrection StarNutationAberration(double t, double ra, double dec,
                                      Listing* listing = nullptr);

}  // namespace veltrane
