#include "astro/rise_transit_set.h"

#include <cmath>

#include "astro/sidereal_time.h"
#include "foundation/angles.h"

namespace veltrane {
namespace {

constexpr int kMaxRefinements = 20;

double DayFraction(double m) { return m - std::floor(m); }

// Quadratic interpolation through the values of three days at n days from the middle one.
struct Interpolation {
  double y2, a, b, c;
  Interpolation(double y1, double y2in, double y3) : y2(y2in), a(y2in - y1), b(y3 - y2in), c(b - a) {}
  double At(double n) const { return y2 + n / 2.0 * (a + b + n * c); }
};

enum class Event { Rise, Transit, Set };

struct Refiner {
  const RiseTransitSetInput& in;
  double theta0;
  Interpolation ra, dec;

  double Refine(double m, Event event) const {
    for (int i = 0; i < kMaxRefinements; ++i) {
      const double theta = Mod360(theta0 + 360.985647 * m);
      const double n = m + in.deltaT / 86400.0;
      double h = Mod360(theta - in.lonWest - ra.At(n));
      if (h >= 180.0) h -= 360.0;
      if (h < -180.0) h += 360.0;
      double dm;
      if (event == Event::Transit) {
        dm = -h / 360.0;
      } else {
        const double delta = dec.At(n);
        const double alt = ArcSinD(SinD(in.latitude) * SinD(delta) +
                                   CosD(in.latitude) * CosD(delta) * CosD(h));
        dm = (alt - in.h0) / (360.0 * CosD(delta) * CosD(in.latitude) * SinD(h));
      }
      // A step of a day or more (or none at all, at a pole) is no correction.
      if (!(std::fabs(dm) < 1.0)) break;
      m += dm;
      if (std::fabs(dm) <= 0.0002) break;
    }
    return m;
  }
};

// Moves an event onto the local calendar day of the date: a local clock reading before
// midnight belongs to the next UT day's event, one after the following midnight to the
// previous one.
double OnLocalDay(double m, double zoneHours) {
  const double local = 24.0 * m - zoneHours;
  if (local < 0.0) return m + 1.0;
  if (local >= 24.0) return m - 1.0;
  return m;
}

}  // namespace

std::string HorizonStatusText(HorizonStatus status) {
  switch (status) {
    case HorizonStatus::Always: return "Always";
    case HorizonStatus::Never: return "Never";
    case HorizonStatus::Crosses: break;
  }
  return "";
}

RiseTransitSetResult RiseTransitSet(const RiseTransitSetInput& in) {
  const double ra2 = in.ra[1];
  const double ra1 = ra2 + Wrap180(in.ra[0] - ra2);
  const double ra3 = ra2 + Wrap180(in.ra[2] - ra2);
  const Refiner refiner{in, Mod360(15.0 * SiderealTime(in.jd0, 0.0).apparent),
                        Interpolation(ra1, ra2, ra3),
                        Interpolation(in.dec[0], in.dec[1], in.dec[2])};

  const double phi = in.latitude, delta2 = in.dec[1];
  const double numerator = SinD(in.h0) - SinD(phi) * SinD(delta2);
  const double denominator = CosD(phi) * CosD(delta2);
  // At a pole (or for a body at a celestial pole) the altitude does not change in a day.
  const double cosH0 = std::fabs(denominator) > 1e-12 ? numerator / denominator
                                                      : (numerator > 0.0 ? 2.0 : -2.0);

  RiseTransitSetResult r;
  const double m0 = DayFraction((ra2 + in.lonWest - refiner.theta0) / 360.0);
  r.transit = DayFraction(refiner.Refine(m0, Event::Transit));
  if (cosH0 < -1.0) {
    r.status = HorizonStatus::Always;
    r.set = DayFraction(m0 + 0.5);
    return r;
  }
  if (cosH0 > 1.0) {
    r.status = HorizonStatus::Never;
    r.set = m0;
    return r;
  }
  const double h0 = ArcCosD(cosH0);
  const double m1 = OnLocalDay(DayFraction(m0 - h0 / 360.0), in.zoneHours);
  const double m2 = OnLocalDay(DayFraction(m0 + h0 / 360.0), in.zoneHours);
  r.rise = DayFraction(refiner.Refine(m1, Event::Rise));
  r.set = DayFraction(refiner.Refine(m2, Event::Set));
  return r;
}

}  // namespace veltrane
