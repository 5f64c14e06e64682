#include "astro/planet_frame1900.h"

#include "foundation/angles.h"

namespace veltrane {

Sun1900Place Sun1900(double t) {
  const double t2 = t * t;
  const double L = 279.69668 + 36000.76892 * t + 0.0003025 * t2;
  const double M = Mod360(358.47583 + 35999.04975 * t - 0.00015 * t2 - 0.0000033 * t2 * t);
  const double e = 0.01675104 - 0.0000418 * t - 0.000000126 * t2;
  const double C = (1.91946 - 0.004789 * t - 0.000014 * t2) * SinD(M) +
                   (0.020094 - 0.0001 * t) * SinD(2.0 * M) + 0.000293 * SinD(3.0 * M);
  const double v = M + C;
  double longitude = L + C;
  double R = 1.0000002 * (1.0 - e * e) / (1.0 + e * CosD(v));

  // Perturbations by Venus, Jupiter and the Moon, and a long-period term.
  const double A = Mod360(153.23 + 22518.7541 * t);
  const double B = Mod360(216.57 + 45037.5082 * t);
  const double C1 = Mod360(312.69 + 32964.3577 * t);
  const double D = Mod360(350.74 + 445267.1142 * t - 0.00144 * t2);
  const double E = Mod360(231.19 + 20.2 * t);
  const double H = Mod360(353.4 + 65928.7155 * t);
  longitude += 0.00134 * CosD(A) + 0.00154 * CosD(B) + 0.002 * CosD(C1) + 0.00179 * SinD(D) +
               0.00178 * SinD(E);
  R += 0.00000543 * SinD(A) + 0.00001575 * SinD(B) + 0.00001627 * SinD(C1) +
       0.00003076 * CosD(D) + 0.00000927 * SinD(H);
  return {longitude, R, M};
}

Nutation1900Terms Nutation1900(double t) {
  const double t2 = t * t;
  const double L = Mod360(279.6967 + 36000.7689 * t + 0.000303 * t2);
  const double M = Mod360(358.4758 + 35999.0498 * t - 0.00015 * t2);
  const double Lm = Mod360(270.4342 + 481267.8831 * t - 0.001133 * t2);
  const double Mm = Mod360(296.1046 + 477198.8491 * t + 0.009192 * t2);
  const double Om = Mod360(259.1833 - 1934.142 * t + 0.002078 * t2);
  Nutation1900Terms n;
  n.dPsi = -(17.2327 + 0.01737 * t) * SinD(Om) - (1.2729 + 0.00013 * t) * SinD(2 * L) +
           0.2088 * SinD(2 * Om) - 0.2037 * SinD(2 * Lm) + (0.1261 - 0.00031 * t) * SinD(M) +
           0.0675 * SinD(Mm) - (0.0497 - 0.00012 * t) * SinD(2 * L + M) -
           0.0342 * SinD(2 * Lm - Om) - 0.0261 * SinD(2 * Lm + Mm) + 0.0214 * SinD(2 * L - M) -
           0.0149 * SinD(2 * L - 2 * Lm + Mm) + 0.0124 * SinD(2 * L - Om) +
           0.0114 * SinD(2 * Lm - Mm);
  n.dEps = (9.21 + 0.00091 * t) * CosD(Om) + (0.5522 - 0.00029 * t) * CosD(2 * L) -
           0.0904 * CosD(2 * Om) + 0.0884 * CosD(2 * Lm) + 0.0216 * CosD(2 * L + M) +
           0.0183 * CosD(2 * Lm - Om) + 0.0113 * CosD(2 * Lm + Mm) - 0.0093 * CosD(2 * L - M) -
           0.0066 * CosD(2 * L - Om);
  return n;
}

double Obliquity1900(double t) {
  return 23.452294 - 0.0130125 * t - 0.00000164 * t * t + 0.000000503 * t * t * t;
}

}  // namespace veltrane
