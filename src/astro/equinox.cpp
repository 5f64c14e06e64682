#include "astro/equinox.h"

#include "foundation/angles.h"
#include "foundation/calendar.h"

namespace veltrane {
namespace {

// Mean instants as polynomials in Y, before the year 1000 (Y = year/1000) and from 1000 on
// (Y = (year - 2000)/1000).
constexpr double kMeanBefore1000[4][5] = {
    {1721139.29189, 365242.1374, 0.06134, 0.00111, -0.00071},
    {1721233.25401, 365241.72562, -0.05323, 0.00907, 0.00025},
    {1721325.70455, 365242.49558, -0.11677, -0.00297, 0.00074},
    {1721414.39987, 365242.88257, -0.00769, -0.00933, -0.00006},
};
constexpr double kMeanFrom1000[4][5] = {
    {2451623.80984, 365242.37404, 0.05169, -0.00411, -0.00057},
    {2451716.56767, 365241.62603, 0.00325, 0.00888, -0.0003},
    {2451810.21715, 365242.01767, -0.11575, 0.00337, 0.00078},
    {2451900.05952, 365242.74049, -0.06223, -0.00823, 0.00032},
};

struct PeriodicTerm {
  double A, B, C;  // A cos(B + C T), B and C in degrees
};
constexpr PeriodicTerm kPeriodic[24] = {
    {485, 324.96, 1934.136}, {203, 337.23, 32964.467}, {199, 342.08, 20.186},
    {182, 27.85, 445267.112}, {156, 73.14, 45036.886}, {136, 171.52, 22518.443},
    {77, 222.54, 65928.934}, {74, 296.72, 3034.906},   {70, 243.58, 9037.513},
    {58, 119.81, 33718.147}, {52, 297.17, 150.678},    {50, 21.02, 2281.226},
    {45, 247.54, 29929.562}, {44, 325.15, 31555.956},  {29, 60.93, 4443.417},
    {18, 155.12, 67555.328}, {17, 288.79, 4562.452},   {16, 198.04, 62894.029},
    {14, 199.76, 31436.921}, {12, 95.39, 14577.848},   {12, 287.11, 31931.756},
    {12, 320.81, 34777.259}, {9, 227.73, 1222.114},    {8, 15.45, 16859.074},
};

}  // namespace

double EquinoxSolstice(int year, int event) {
  const int row = event < 0 ? 0 : (event > 3 ? 3 : event);
  const bool early = year < 1000;
  const double Y = early ? year / 1000.0 : (year - 2000) / 1000.0;
  const double* c = early ? kMeanBefore1000[row] : kMeanFrom1000[row];
  const double jde0 = c[0] + Y * (c[1] + Y * (c[2] + Y * (c[3] + Y * c[4])));

  const double T = JulianCenturiesSinceJ2000(jde0);
  const double W = 35999.373 * T - 2.47;
  const double dL = 1.0 + 0.0334 * CosD(W) + 0.0007 * CosD(2.0 * W);
  double S = 0.0;
  for (const PeriodicTerm& p : kPeriodic) S += p.A * CosD(Mod360(p.B + p.C * T));
  return jde0 + 0.00001 * S / dL;
}

}  // namespace veltrane
