#include "astro/moon_phase.h"

#include <cmath>

#include "foundation/angles.h"

namespace veltrane {
namespace {

// c0 + c1 k + T^2 (c2 + T (c3 + T c4))
struct PhaseArgument {
  double c0, c1, c2, c3, c4;
  double At(double k, double T) const { return c0 + c1 * k + T * T * (c2 + T * (c3 + T * c4)); }
};

// The T^3 term of the mean phase is negative in the published theory (and in the eclipse
// search); a positive sign moves ancient phases by up to half an hour.
constexpr PhaseArgument kMeanPhase = {kNewMoonEpoch, kSynodicMonth, 0.0001337, -0.00000015,
                                      0.00000000073};
constexpr PhaseArgument kM = {2.5534, 29.10535669, -0.0000218, -0.00000011, 0};
constexpr PhaseArgument kMp = {201.5643, 385.81693528, 0.0107438, 0.00001239, -0.000000058};
constexpr PhaseArgument kF = {160.7108, 390.67050274, -0.0016341, -0.00000227, 0.000000011};
constexpr PhaseArgument kOmega = {124.7746, -1.5637558, 0.0020691, 0.00000215, 0};

// coefficient * sin(m M + mp M' + f F), times E^|m| for |m| of 1 and 2.
struct PhaseTerm {
  int m, mp, f;
  double newMoon, fullMoon, quarter;
};
constexpr PhaseTerm kTerms[25] = {
    {0, 1, 0, -0.40720, -0.40614, -0.62801},  {1, 0, 0, 0.17241, 0.17302, 0.17172},
    {0, 2, 0, 0.01608, 0.01614, 0.00862},     {0, 0, 2, 0.01039, 0.01043, 0.00804},
    {-1, 1, 0, 0.00739, 0.00734, 0.00454},    {1, 1, 0, -0.00514, -0.00515, -0.01183},
    {2, 0, 0, 0.00208, 0.00209, 0.00204},     {0, 1, -2, -0.00111, -0.00111, -0.00180},
    {0, 1, 2, -0.00057, -0.00057, -0.00070},  {1, 2, 0, 0.00056, 0.00056, 0.00027},
    {0, 3, 0, -0.00042, -0.00042, -0.00040},  {1, 0, 2, 0.00042, 0.00042, 0.00032},
    {1, 0, -2, 0.00038, 0.00038, 0.00032},    {-1, 2, 0, -0.00024, -0.00024, -0.00034},
    {2, 1, 0, -0.00007, -0.00007, -0.00028},  {0, 2, -2, 0.00004, 0.00004, 0.00002},
    {3, 0, 0, 0.00004, 0.00004, 0.00003},     {1, 1, -2, 0.00003, 0.00003, 0.00003},
    {0, 2, 2, 0.00003, 0.00003, 0.00004},     {1, 1, 2, -0.00003, -0.00003, -0.00004},
    {-1, 1, 2, 0.00003, 0.00003, 0.00002},    {-1, 1, -2, -0.00002, -0.00002, -0.00005},
    {1, 3, 0, -0.00002, -0.00002, -0.00002},  {0, 4, 0, 0.00002, 0.00002, 0},
    {-2, 1, 0, 0, 0, 0.00004},
};

// Planetary arguments c0 + c1 k (degrees) and amplitudes (days), each amplitude with its own
// argument as the theory pairs them (the 1977 February New Moon comes out at JDE 2443192.65118).
struct PlanetaryTerm {
  double c0, c1, a;
};
constexpr PlanetaryTerm kPlanetary[14] = {
    {299.77, 0.107408, 0.000325}, {251.88, 0.016321, 0.000165}, {251.83, 26.651886, 0.000164},
    {349.42, 36.412478, 0.000126}, {84.66, 18.206239, 0.00011}, {141.74, 53.303771, 0.000062},
    {207.14, 2.453732, 0.00006},  {154.84, 7.30686, 0.000056},   {34.52, 27.261239, 0.000047},
    {207.19, 0.121824, 0.000042}, {291.34, 1.844379, 0.00004},  {161.72, 24.198154, 0.000037},
    {239.56, 25.513099, 0.000035}, {331.55, 3.592518, 0.000023},
};

}  // namespace

LunationArguments PhaseArguments(double k, double T) {
  LunationArguments a;
  a.meanJde = kMeanPhase.At(k, T);
  a.M = Norm360(kM.At(k, T));
  a.Mp = Norm360(kMp.At(k, T));
  a.F = Norm360(kF.At(k, T));
  a.Omega = Norm360(kOmega.At(k, T));
  return a;
}

double MoonPhase(double k0, int q) {
  const double k = k0 + q / 4.0;
  const double T = k / 1236.85;
  const LunationArguments a = PhaseArguments(k, T);
  const double E = 1.0 - (0.0000074 * T + 0.002516) * T;

  double jde = a.meanJde - 0.00017 * SinD(a.Omega);
  for (const PhaseTerm& t : kTerms) {
    const double c = q == kNewMoon ? t.newMoon : (q == kFullMoon ? t.fullMoon : t.quarter);
    const int m = std::abs(t.m);
    const double eFactor = m == 1 ? E : (m == 2 ? E * E : 1.0);
    jde += c * eFactor * SinD(t.m * a.M + t.mp * a.Mp + t.f * a.F);
  }
  if (q == kFirstQuarter || q == kLastQuarter) {
    const double W = 0.00306 - 0.00038 * E * CosD(a.M) + 0.00026 * CosD(a.Mp) -
                     0.00002 * CosD(a.Mp - a.M) + 0.00002 * CosD(a.Mp + a.M) +
                     0.00002 * CosD(2.0 * a.F);
    jde += q == kFirstQuarter ? W : -W;
  }
  for (int i = 0; i < 14; ++i) {
    double A = kPlanetary[i].c0 + kPlanetary[i].c1 * k;
    if (i == 0) A -= 0.009173 * T * T;
    jde += kPlanetary[i].a * SinD(Mod360(A));
  }
  return jde;
}

double LunationBefore(double jd) { return std::floor((jd - kNewMoonEpoch) / kSynodicMonth); }

}  // namespace veltrane
