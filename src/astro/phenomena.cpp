#include "astro/phenomena.h"

#include <cmath>

#include "foundation/angles.h"
#include "foundation/calendar.h"

namespace veltrane {
namespace {

struct MeanCycle {
  double A[2];   // instant of the event of cycle 0, per event
  double B;      // synodic period, days
  double M0[2];  // mean anomaly at cycle 0, per event, degrees
  double M1;     // change of the mean anomaly per cycle, degrees
  const char* names[2];
};

constexpr MeanCycle kCycles[kPlanetCount] = {
    {{2451612.023, 2451554.084}, 115.8774771, {63.5867, 6.4822}, 114.2088742,
     {"inferior_conjunction", "superior_conjunction"}},
    {{2451996.706, 2451704.746}, 583.921361, {82.7311, 154.9745}, 215.513058,
     {"inferior_conjunction", "superior_conjunction"}},
    {{2452097.382, 2451707.414}, 779.936104, {181.9573, 157.6047}, 48.705244,
     {"opposition", "conjunction"}},
    {{2451870.628, 2451671.186}, 398.884046, {318.4681, 121.898}, 33.140229,
     {"opposition", "conjunction"}},
    {{2451870.17, 2451681.124}, 378.091904, {318.0172, 131.6934}, 12.647487,
     {"opposition", "conjunction"}},
    {{2451764.317, 2451579.489}, 369.656035, {213.6884, 31.5219}, 4.333093,
     {"opposition", "conjunction"}},
    {{2451753.122, 2451569.379}, 367.486703, {202.6544, 21.5569}, 2.194998,
     {"opposition", "conjunction"}},
};

enum Function { kConst, kSin, kCos };
// The event's mean anomaly M, and the slow arguments of the outer planets' mutual perturbations.
enum Angle { kAngleM, kAngleA, kAngleB, kAngleC, kAngleD, kAngleE, kAngleF, kAngleG, kAngleCount };
constexpr int kBothEvents = 2;

// (c0 + c1 T + c2 T^2) times f(j x angle), days.
struct Term {
  Planet planet;
  int event;  // 0, 1 or kBothEvents
  Function f;
  Angle angle;
  int j;
  double c0, c1, c2;
};

constexpr Term kTerms[] = {
    {Planet::Mercury, 0, kConst, kAngleM, 0, 0.0545, 0.0002, 0},
    {Planet::Mercury, 0, kSin, kAngleM, 1, -6.2008, 0.0074, 0.00003},
    {Planet::Mercury, 0, kCos, kAngleM, 1, -3.2750, -0.0197, 0.00001},
    {Planet::Mercury, 0, kSin, kAngleM, 2, 0.4737, -0.0052, -0.00001},
    {Planet::Mercury, 0, kCos, kAngleM, 2, 0.8111, 0.0033, -0.00002},
    {Planet::Mercury, 0, kSin, kAngleM, 3, 0.0037, 0.0018, 0},
    {Planet::Mercury, 0, kCos, kAngleM, 3, -0.1768, 0, 0.00001},
    {Planet::Mercury, 0, kSin, kAngleM, 4, -0.0211, -0.0004, 0},
    {Planet::Mercury, 0, kCos, kAngleM, 4, 0.0326, -0.0003, 0},
    {Planet::Mercury, 0, kSin, kAngleM, 5, 0.0083, 0.0001, 0},
    {Planet::Mercury, 0, kCos, kAngleM, 5, -0.0040, 0.0001, 0},
    {Planet::Mercury, 1, kConst, kAngleM, 0, -0.0548, -0.0002, 0},
    {Planet::Mercury, 1, kSin, kAngleM, 1, 7.3894, -0.0100, -0.00003},
    {Planet::Mercury, 1, kCos, kAngleM, 1, 3.2200, 0.0197, -0.00001},
    {Planet::Mercury, 1, kSin, kAngleM, 2, 0.8383, -0.0064, -0.00001},
    {Planet::Mercury, 1, kCos, kAngleM, 2, 0.9666, 0.0039, -0.00003},
    {Planet::Mercury, 1, kSin, kAngleM, 3, 0.0770, -0.0026, 0},
    {Planet::Mercury, 1, kCos, kAngleM, 3, 0.2758, 0.0002, -0.00002},
    {Planet::Mercury, 1, kSin, kAngleM, 4, -0.0128, -0.0008, 0},
    {Planet::Mercury, 1, kCos, kAngleM, 4, 0.0734, -0.0004, -0.00001},
    {Planet::Mercury, 1, kSin, kAngleM, 5, -0.0122, -0.0002, 0},
    {Planet::Mercury, 1, kCos, kAngleM, 5, 0.0173, -0.0002, 0},
    {Planet::Venus, 0, kConst, kAngleM, 0, -0.0096, 0.0002, -0.00001},
    {Planet::Venus, 0, kSin, kAngleM, 1, 2.0009, -0.0033, -0.00001},
    {Planet::Venus, 0, kCos, kAngleM, 1, 0.5980, -0.0104, 0.00001},
    {Planet::Venus, 0, kSin, kAngleM, 2, 0.0967, -0.0018, -0.00003},
    {Planet::Venus, 0, kCos, kAngleM, 2, 0.0913, 0.0009, -0.00002},
    {Planet::Venus, 0, kSin, kAngleM, 3, 0.0046, -0.0002, 0},
    {Planet::Venus, 0, kCos, kAngleM, 3, 0.0079, 0.0001, 0},
    {Planet::Venus, 1, kConst, kAngleM, 0, 0.0099, -0.0002, -0.00001},
    {Planet::Venus, 1, kSin, kAngleM, 1, 4.1991, -0.0121, -0.00003},
    {Planet::Venus, 1, kCos, kAngleM, 1, -0.6095, 0.0102, -0.00002},
    {Planet::Venus, 1, kSin, kAngleM, 2, 0.2500, -0.0028, -0.00003},
    {Planet::Venus, 1, kCos, kAngleM, 2, 0.0063, 0.0025, -0.00002},
    {Planet::Venus, 1, kSin, kAngleM, 3, 0.0232, -0.0005, -0.00001},
    {Planet::Venus, 1, kCos, kAngleM, 3, 0.0031, 0.0004, 0},
    {Planet::Mars, 0, kConst, kAngleM, 0, -0.3088, 0, 0.00002},
    {Planet::Mars, 0, kSin, kAngleM, 1, -17.6965, 0.0363, 0.00005},
    {Planet::Mars, 0, kCos, kAngleM, 1, 18.3131, 0.0467, -0.00006},
    {Planet::Mars, 0, kSin, kAngleM, 2, -0.2162, -0.0198, -0.00001},
    {Planet::Mars, 0, kCos, kAngleM, 2, -4.5028, -0.0019, 0.00007},
    {Planet::Mars, 0, kSin, kAngleM, 3, 0.8987, 0.0058, -0.00002},
    {Planet::Mars, 0, kCos, kAngleM, 3, 0.7666, -0.0050, -0.00003},
    {Planet::Mars, 0, kSin, kAngleM, 4, -0.3636, -0.0001, 0.00002},
    {Planet::Mars, 0, kCos, kAngleM, 4, 0.0402, 0.0032, 0},
    {Planet::Mars, 0, kSin, kAngleM, 5, 0.0737, -0.0008, 0},
    {Planet::Mars, 0, kCos, kAngleM, 5, -0.0980, -0.0011, 0},
    {Planet::Mars, 1, kConst, kAngleM, 0, 0.3102, -0.0001, 0.00001},
    {Planet::Mars, 1, kSin, kAngleM, 1, 9.7273, -0.0156, 0.00001},
    {Planet::Mars, 1, kCos, kAngleM, 1, -18.3195, -0.0467, 0.00009},
    {Planet::Mars, 1, kSin, kAngleM, 2, -1.6488, -0.0133, 0.00001},
    {Planet::Mars, 1, kCos, kAngleM, 2, -2.6117, -0.0020, 0.00004},
    {Planet::Mars, 1, kSin, kAngleM, 3, -0.6827, -0.0026, 0.00001},
    {Planet::Mars, 1, kCos, kAngleM, 3, 0.0281, 0.0035, 0.00001},
    {Planet::Mars, 1, kSin, kAngleM, 4, -0.0823, 0.0006, 0.00001},
    {Planet::Mars, 1, kCos, kAngleM, 4, 0.1584, 0.0013, 0},
    {Planet::Mars, 1, kSin, kAngleM, 5, 0.0270, 0.0005, 0},
    {Planet::Mars, 1, kCos, kAngleM, 5, 0.0433, 0, 0},
    {Planet::Jupiter, 0, kConst, kAngleM, 0, -0.1029, 0, -0.00009},
    {Planet::Jupiter, 0, kSin, kAngleM, 1, -1.9658, -0.0056, 0.00007},
    {Planet::Jupiter, 0, kCos, kAngleM, 1, 6.1537, 0.0210, -0.00006},
    {Planet::Jupiter, 0, kSin, kAngleM, 2, -0.2081, -0.0013, 0},
    {Planet::Jupiter, 0, kCos, kAngleM, 2, -0.1116, -0.0010, 0},
    {Planet::Jupiter, 0, kSin, kAngleM, 3, 0.0074, 0.0001, 0},
    {Planet::Jupiter, 0, kCos, kAngleM, 3, -0.0097, -0.0001, 0},
    {Planet::Jupiter, 0, kSin, kAngleA, 1, 0, 0.0144, -0.00008},
    {Planet::Jupiter, 0, kCos, kAngleA, 1, 0.3642, -0.0019, -0.00029},
    {Planet::Jupiter, 1, kConst, kAngleM, 0, 0.1027, 0.0002, -0.00009},
    {Planet::Jupiter, 1, kSin, kAngleM, 1, -2.2637, 0.0163, -0.00003},
    {Planet::Jupiter, 1, kCos, kAngleM, 1, -6.1540, -0.0210, 0.00008},
    {Planet::Jupiter, 1, kSin, kAngleM, 2, -0.2021, -0.0017, 0.00001},
    {Planet::Jupiter, 1, kCos, kAngleM, 2, 0.1310, -0.0008, 0},
    {Planet::Jupiter, 1, kSin, kAngleM, 3, 0.0086, 0, 0},
    {Planet::Jupiter, 1, kCos, kAngleM, 3, 0.0087, 0.0002, 0},
    {Planet::Jupiter, 1, kSin, kAngleA, 1, 0, 0.0144, -0.00008},
    {Planet::Jupiter, 1, kCos, kAngleA, 1, 0.3642, -0.0019, -0.00029},
    {Planet::Saturn, 0, kConst, kAngleM, 0, -0.0209, 0.0006, 0.00023},
    {Planet::Saturn, 0, kSin, kAngleM, 1, 4.5795, -0.0312, -0.00017},
    {Planet::Saturn, 0, kCos, kAngleM, 1, 1.1462, -0.0351, 0.00011},
    {Planet::Saturn, 0, kSin, kAngleM, 2, 0.0985, -0.0015, 0},
    {Planet::Saturn, 0, kCos, kAngleM, 2, 0.0733, -0.0031, 0.00001},
    {Planet::Saturn, 0, kSin, kAngleM, 3, 0.0025, -0.0001, 0},
    {Planet::Saturn, 0, kCos, kAngleM, 3, 0.0050, -0.0002, 0},
    {Planet::Saturn, 1, kConst, kAngleM, 0, 0.0172, -0.0006, 0.00023},
    {Planet::Saturn, 1, kSin, kAngleM, 1, -8.5885, 0.0411, 0.00020},
    {Planet::Saturn, 1, kCos, kAngleM, 1, -1.1470, 0.0352, -0.00011},
    {Planet::Saturn, 1, kSin, kAngleM, 2, 0.3331, -0.0034, -0.00001},
    {Planet::Saturn, 1, kCos, kAngleM, 2, 0.1145, -0.0045, 0.00002},
    {Planet::Saturn, 1, kSin, kAngleM, 3, -0.0169, 0.0002, 0},
    {Planet::Saturn, 1, kCos, kAngleM, 3, -0.0109, 0.0004, 0},
    {Planet::Saturn, 2, kSin, kAngleA, 1, 0, -0.0337, 0.00018},
    {Planet::Saturn, 2, kCos, kAngleA, 1, -0.8510, 0.0044, 0.00068},
    {Planet::Saturn, 2, kSin, kAngleB, 1, 0, -0.0064, 0.00004},
    {Planet::Saturn, 2, kCos, kAngleB, 1, 0.2397, -0.0012, -0.00008},
    {Planet::Saturn, 2, kSin, kAngleC, 1, 0, -0.0010, 0},
    {Planet::Saturn, 2, kCos, kAngleC, 1, 0.1245, 0.0006, 0},
    {Planet::Saturn, 2, kSin, kAngleD, 1, 0, 0.0024, -0.00003},
    {Planet::Saturn, 2, kCos, kAngleD, 1, 0.0477, -0.0005, -0.00006},
    {Planet::Uranus, 0, kConst, kAngleM, 0, 0.0844, -0.0006, 0},
    {Planet::Uranus, 0, kSin, kAngleM, 1, -0.1048, 0.0246, 0},
    {Planet::Uranus, 0, kCos, kAngleM, 1, -5.1221, 0.0104, 0.00003},
    {Planet::Uranus, 0, kSin, kAngleM, 2, -0.1428, -0.0005, 0},
    {Planet::Uranus, 0, kCos, kAngleM, 2, -0.0148, -0.0013, 0},
    {Planet::Uranus, 0, kCos, kAngleM, 3, 0.0055, 0, 0},
    {Planet::Uranus, 1, kConst, kAngleM, 0, -0.0859, 0.0003, 0},
    {Planet::Uranus, 1, kSin, kAngleM, 1, -3.8179, -0.0148, 0.00003},
    {Planet::Uranus, 1, kCos, kAngleM, 1, 5.1228, -0.0105, -0.00002},
    {Planet::Uranus, 1, kSin, kAngleM, 2, -0.0803, 0.0011, 0},
    {Planet::Uranus, 1, kCos, kAngleM, 2, -0.1905, -0.0006, 0},
    {Planet::Uranus, 1, kSin, kAngleM, 3, 0.0088, 0.0001, 0},
    {Planet::Uranus, 2, kCos, kAngleE, 1, 0.8850, 0, 0},
    {Planet::Uranus, 2, kCos, kAngleF, 1, 0.2153, 0, 0},
    {Planet::Neptune, 0, kConst, kAngleM, 0, -0.0140, 0, 0.00001},
    {Planet::Neptune, 0, kSin, kAngleM, 1, -1.3486, 0.0010, 0.00001},
    {Planet::Neptune, 0, kCos, kAngleM, 1, 0.8597, 0.0037, 0},
    {Planet::Neptune, 0, kSin, kAngleM, 2, -0.0082, -0.0002, 0.00001},
    {Planet::Neptune, 0, kCos, kAngleM, 2, 0.0037, -0.0003, 0},
    {Planet::Neptune, 1, kConst, kAngleM, 0, 0.0168, 0, 0},
    {Planet::Neptune, 1, kSin, kAngleM, 1, -2.5606, 0.0088, 0.00002},
    {Planet::Neptune, 1, kCos, kAngleM, 1, -0.8611, -0.0037, 0.00002},
    {Planet::Neptune, 1, kSin, kAngleM, 2, 0.0118, -0.0004, 0.00001},
    {Planet::Neptune, 1, kCos, kAngleM, 2, 0.0307, -0.0003, 0},
    {Planet::Neptune, 2, kCos, kAngleE, 1, -0.5964, 0, 0},
    {Planet::Neptune, 2, kCos, kAngleG, 1, 0.0728, 0, 0},
};

}  // namespace

const char* PhenomenonName(Planet planet, int event) {
  return kCycles[static_cast<int>(planet)].names[event == kSecondPhenomenon ? 1 : 0];
}

double SynodicPeriod(Planet planet) { return kCycles[static_cast<int>(planet)].B; }

double PhenomenonCycle(Planet planet, int event, int year) {
  const MeanCycle& c = kCycles[static_cast<int>(planet)];
  return std::trunc((365.2425 * year + 1721060.0 - c.A[event == kSecondPhenomenon ? 1 : 0]) / c.B);
}

double PhenomenonInstant(Planet planet, int event, double k) {
  const int e = event == kSecondPhenomenon ? 1 : 0;
  const MeanCycle& c = kCycles[static_cast<int>(planet)];
  const double jde0 = c.A[e] + k * c.B;
  const double T = JulianCenturiesSinceJ2000(jde0);
  double angles[kAngleCount];
  angles[kAngleM] = Mod360(c.M0[e] + k * c.M1);
  angles[kAngleA] = 82.74 + 40.76 * T;
  angles[kAngleB] = 29.86 + 1181.36 * T;
  angles[kAngleC] = 14.13 + 590.68 * T;
  angles[kAngleD] = 220.02 + 1262.87 * T;
  angles[kAngleE] = 207.83 + 8.51 * T;
  angles[kAngleF] = 108.84 + 419.96 * T;
  angles[kAngleG] = 276.74 + 209.98 * T;

  double correction = 0.0;
  for (const Term& t : kTerms) {
    if (t.planet != planet || (t.event != e && t.event != kBothEvents)) continue;
    const double amplitude = t.c0 + T * (t.c1 + T * t.c2);
    const double x = Mod360(t.j * angles[t.angle]);
    correction += t.f == kConst ? amplitude : amplitude * (t.f == kSin ? SinD(x) : CosD(x));
  }
  return jde0 + correction;
}

}  // namespace veltrane
