#include "astro/day_crossings.h"

#include <cmath>

#include "foundation/angles.h"

namespace veltrane {
namespace {

constexpr double kSecondInHours = 1.0 / 3600.0;
constexpr int kMaxSteps = 30;

// The time in (a, b) where f, of opposite signs fa and fb at the ends, is zero: false position
// with the Illinois halving, each trial time with the body's own place, until a step moves the
// time less than a second.
double Solve(const std::function<double(double)>& f, double a, double fa, double b, double fb) {
  enum class Kept { None, A, B } kept = Kept::None;
  double c = a;
  for (int i = 0; i < kMaxSteps; ++i) {
    const double next = (a * fb - b * fa) / (fb - fa);
    const bool settled = i > 0 && std::fabs(next - c) < kSecondInHours;
    c = next;
    if (settled) break;
    const double fc = f(c);
    if (fc == 0.0) break;
    if ((fc < 0.0) == (fa < 0.0)) {
      a = c, fa = fc;
      if (kept == Kept::B) fb /= 2.0;
      kept = Kept::B;
    } else {
      b = c, fb = fc;
      if (kept == Kept::A) fa /= 2.0;
      kept = Kept::A;
    }
  }
  return c;
}

}  // namespace

double AltitudeOf(const GhaDec& place, double latitude, double lonWest) {
  return ArcSinD(SinD(latitude) * SinD(place.dec) +
                 CosD(latitude) * CosD(place.dec) * CosD(place.gha - lonWest));
}

DayCrossings CrossingsOfDay(const std::vector<PlaceSample>& samples, const GhaDecAt& placeAt, double latitude,
                            double lonWest, double altitude) {
  const auto above = [&](double hours) { return AltitudeOf(placeAt(hours), latitude, lonWest) - altitude; };
  DayCrossings r;
  bool anyAbove = false;
  double before = 0.0;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double now = AltitudeOf(samples[i].place, latitude, lonWest) - altitude;
    anyAbove = anyAbove || now >= 0.0;
    if (i > 0 && (before < 0.0) != (now < 0.0)) {
      std::optional<double>& event = before < 0.0 ? r.rise : r.set;
      if (!event) event = Solve(above, samples[i - 1].hours, before, samples[i].hours, now);
    }
    before = now;
  }
  if (!r.rise && !r.set) r.status = anyAbove ? HorizonStatus::Always : HorizonStatus::Never;
  return r;
}

}  // namespace veltrane
