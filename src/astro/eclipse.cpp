#include "astro/eclipse.h"

#include <cmath>

#include "astro/moon_phase.h"
#include "foundation/angles.h"

namespace veltrane {
namespace {

// Eclipse seasons come every six lunations at most; the cap only bounds the search.
constexpr int kMaxLunations = 30;

// A lunation whose true New Moon lies before jd, so that no eclipse after jd is passed over.
double SearchStart(double jd) { return FloorReal((jd - kNewMoonEpoch) / kSynodicMonth) - 1.0; }

// Radii of the penumbra, the umbra and the totality limit in the fundamental plane.
struct ShadowConstants {
  double pen, umb, tot;
};
constexpr ShadowConstants kShadow[2] = {
    {1.5573, 1.0128, 0.4678},
    {1.571, 1.0157, 0.4707},
};

}  // namespace

EclipseGeometry EclipseCore(double k) {
  const double T = k / 1236.85;
  const LunationArguments a = PhaseArguments(k, T);
  const double M = a.M, Mp = a.Mp;
  const double F1 = a.F - 0.02665 * SinD(a.Omega);
  const double A1 = 299.77 + 0.107408 * k - 0.009173 * T * T;
  const double E = 1.0 - 0.002516 * T - 0.0000074 * T * T;

  EclipseGeometry g;
  g.Mp = Mp;
  g.jde = a.meanJde - 0.4075 * SinD(Mp) + 0.1721 * E * SinD(M) + 0.0161 * SinD(2 * Mp) -
          0.0097 * SinD(2 * F1) + 0.0073 * E * SinD(Mp - M) - 0.005 * E * SinD(Mp + M) -
          0.0023 * SinD(Mp - 2 * F1) + 0.0021 * E * SinD(2 * M) + 0.0012 * SinD(Mp + 2 * F1) +
          0.0006 * E * SinD(2 * Mp + M) - 0.0004 * SinD(3 * Mp) - 0.0003 * E * SinD(M + 2 * F1) +
          0.0003 * SinD(Mod360(A1)) - 0.0002 * E * SinD(M - 2 * F1) -
          0.0002 * E * SinD(2 * Mp - M) - 0.0002 * SinD(a.Omega);
  const double P = 0.207 * E * SinD(M) + 0.0024 * E * SinD(2 * M) - 0.0392 * SinD(Mp) +
                   0.0116 * SinD(2 * Mp) - 0.0073 * E * SinD(Mp + M) + 0.0067 * E * SinD(Mp - M) +
                   0.0118 * SinD(2 * F1);
  const double Q = 5.2207 - 0.0048 * E * CosD(M) + 0.002 * E * CosD(2 * M) - 0.3299 * CosD(Mp) -
                   0.006 * E * CosD(Mp + M) + 0.0041 * E * CosD(Mp - M);
  const double W = std::fabs(CosD(F1));
  g.gamma = (P * CosD(F1) + Q * SinD(F1)) * (1.0 - 0.0048 * W);
  g.u = 0.0059 + 0.0046 * E * CosD(M) - 0.0182 * CosD(Mp) + 0.0004 * CosD(2 * Mp) -
        0.0005 * CosD(M + Mp);
  return g;
}

SolarEclipseResult SolarEclipse(double jd) {
  double k = SearchStart(jd);
  EclipseGeometry g;
  for (int n = 0; n < kMaxLunations; ++n, k += 1.0) {
    g = EclipseCore(k);
    if (g.jde > jd && 1.5433 + g.u > std::fabs(g.gamma)) break;
  }

  SolarEclipseResult r;
  r.jde = g.jde;
  r.gamma = g.gamma;
  const double ag = std::fabs(g.gamma), u = g.u;
  if (ag < 0.9972) {
    if (u < 0.0)
      r.type = kSolarTotal;
    else if (u <= 0.0047 && 0.00464 * std::sqrt(1.0 - g.gamma * g.gamma) > u)
      r.type = kSolarAnnularTotal;
    else
      r.type = kSolarAnnular;
  } else if (ag < 0.9972 + std::fabs(u)) {
    r.type = u <= 0.0047 ? kSolarNonCentralTotal : kSolarNonCentralAnnular;
  } else {
    r.type = kSolarPartial;
    r.magnitude = (1.5433 + u - ag) / (0.5461 + 2.0 * u);
  }
  return r;
}

LunarEclipseResult LunarEclipse(int mode, double jd) {
  const ShadowConstants& c = kShadow[mode == 1 ? 1 : 0];
  double k = SearchStart(jd) + 0.5;
  LunarEclipseResult r;
  EclipseGeometry g;
  for (int n = 0; n < kMaxLunations; ++n, k += 1.0) {
    g = EclipseCore(k);
    const double ag = std::fabs(g.gamma);
    r.type = kLunarTotal;
    r.magnitude = (c.umb - g.u - ag) / 0.545;
    if (r.magnitude < 0.0) {
      r.type = kLunarPenumbral;
      r.magnitude = (c.pen + g.u - ag) / 0.545;
    }
    if (g.jde > jd && r.magnitude > 0.0) break;
  }
  r.jde = g.jde;
  r.gamma = g.gamma;
  const double ag = std::fabs(g.gamma);
  // Hourly motion of the Moon relative to the shadow, in Earth radii.
  const double n = 0.5458 + 0.04 * CosD(g.Mp);
  double p = c.pen + g.u;
  if (r.type != kLunarPenumbral) {
    p = c.umb - g.u;
    const double t = c.tot - g.u;
    if (ag >= t)
      r.type = kLunarPartial;
    else
      r.totalSemiDuration = std::sqrt(t * t - g.gamma * g.gamma) / n;
  }
  r.partialSemiDuration = ag < p ? std::sqrt(p * p - g.gamma * g.gamma) / n : 0.0;
  return r;
}

}  // namespace veltrane
