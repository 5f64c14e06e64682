#include "astro/jupiter_satellites.h"

#include <algorithm>
#include <cmath>

#include "foundation/angles.h"
#include "foundation/calendar.h"

namespace veltrane {

JupiterMoons JupiterSatellites(double jd0, double hours) {
  const double d = jd0 + hours / 24.0 - kJ2000;
  const double V = Norm360(172.74 + 0.00111588 * d);
  const double M = Norm360(357.529 + 0.9856003 * d);
  const double N = Norm360(20.02 + 0.0830853 * d + 0.329 * SinD(V));
  const double J = Norm360(66.115 + 0.9025179 * d - 0.329 * SinD(V));
  const double A = 1.915 * SinD(M) + 0.02 * SinD(2 * M);
  const double B = 5.555 * SinD(N) + 0.168 * SinD(2 * N);
  const double K = J + A - B;
  const double R = 1.00014 - 0.01671 * CosD(M) - 0.00014 * CosD(2 * M);
  const double r = 5.20872 - 0.25208 * CosD(N) - 0.00611 * CosD(2 * N);
  const double delta = std::fabs(std::sqrt(r * r + R * R - 2 * r * R * CosD(K)));
  const double psi = ArcSinD(R * SinD(K) / delta);
  const double dl = d - delta / 173.0;  // light time

  const double lambda = 34.35 + 0.083091 * d + 0.329 * SinD(V) + B;
  const double Ds = 3.12 * SinD(lambda + 42.8);
  const double De = Ds - 2.22 * SinD(psi) * CosD(lambda + 22) -
                    1.3 * (r - delta) / delta * SinD(lambda - 100.5);

  double u1 = Norm360(163.8067 + 203.4058643 * dl + psi - B);
  double u2 = Norm360(358.4108 + 101.2916334 * dl + psi - B);
  double u3 = Norm360(5.7129 + 50.2345179 * dl + psi - B);
  double u4 = Norm360(224.8151 + 21.4879801 * dl + psi - B);
  const double G = Norm360(331.18 + 50.310482 * dl);
  const double H = Norm360(87.4 + 21.569231 * dl);

  const double r1 = 5.9073 - 0.0244 * CosD(2 * (u1 - u2));
  const double r2 = 9.3991 - 0.0882 * CosD(2 * (u2 - u3));
  const double r3 = 14.9924 - 0.0216 * CosD(G);
  const double r4 = 26.3699 - 0.1935 * CosD(H);
  const double c1 = 0.473 * SinD(2 * (u1 - u2));
  const double c2 = 1.065 * SinD(2 * (u2 - u3));
  u1 += c1;
  u2 += c2;
  u3 += 0.165 * SinD(G);
  u4 += 0.841 * SinD(H);

  const double sinDe = SinD(De);
  auto place = [sinDe](double radius, double u) {
    return SatelliteXY{radius * SinD(u), -radius * CosD(u) * sinDe};
  };
  return {place(r1, u1), place(r2, u2), place(r3, u3), place(r4, u4)};
}

PictureBox JupiterDisc(int width) {
  const int s = width / 100;
  return {52 * s, 30 * s, 62 * s, 40 * s};
}

std::array<PicturePoint, 4> JupiterLabelPlaces(const JupiterMoons& moons, int width, bool inverted) {
  const int s = width / 100;
  std::array<PicturePoint, 4> places;
  for (size_t i = 0; i < moons.size(); ++i) {
    const double x = std::clamp(moons[i].x, -25.0, 25.0);
    const double a = inverted ? x : -x;
    const double b = inverted ? moons[i].y : -moons[i].y;
    const double px = 57.0 * s - 2.0 * s * a + (a >= 0 ? -5.0 * s : 5.0 * s);
    const double py = 35.0 * s + 2.0 * s * b + (b >= 0 ? 5.0 * s : -5.0 * s);
    // Jupiter sits right of the middle: a satellite far to the east would fall off the right
    // edge, so its label is kept where it can be read.
    const int right = std::max(0, width - 2 * s);
    places[i] = {std::clamp(static_cast<int>(std::lround(px)), 0, right),
                 static_cast<int>(std::lround(py))};
  }
  return places;
}

}  // namespace veltrane
