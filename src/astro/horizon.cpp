#include "astro/horizon.h"

#include <cmath>

#include "foundation/angles.h"

namespace veltrane {

double Refraction(double altitude, double pressure, double temperature) {
  if (altitude < -2.0) return 0.0;
  return 1.02 / TanD(altitude + 10.3 / (altitude + 5.11)) * (pressure / 1010.0) *
         (283.0 / (272.0 + temperature));
}

HorizontalResult HorizontalCoords(const PositionRecord& observer, double gha, double dec,
                                  double pressure, double temperature) {
  const double phi = observer.Lat;
  HorizontalResult r;
  r.lha = Mod360(gha - observer.Lon);
  if (r.lha < 0.0) r.lha += 360.0;
  r.altitude = ArcSinD(SinD(dec) * SinD(phi) + CosD(dec) * CosD(phi) * CosD(r.lha));
  const double denominator = CosD(phi) * CosD(r.altitude);
  if (std::fabs(denominator) > 1e-12) {
    r.azimuth = ArcCosD((SinD(dec) - SinD(phi) * SinD(r.altitude)) / denominator);
    if (SinD(r.lha) > 0.0) r.azimuth = 360.0 - r.azimuth;
  } else {
    // At a pole or with the body at the zenith the cosine formula is 0/0; the same azimuth
    // written as a direction keeps a limit there.
    r.azimuth = DirectionD(-CosD(dec) * SinD(r.lha),
                           SinD(dec) * CosD(phi) - CosD(dec) * SinD(phi) * CosD(r.lha));
  }
  r.refraction = Refraction(r.altitude, pressure, temperature) / 60.0;
  return r;
}

}  // namespace veltrane
