#include "astro/planet_perturbations.h"

#include "foundation/angles.h"

namespace veltrane {
namespace {

// Arguments of the mutual perturbations of Jupiter, Saturn, Uranus and Neptune.
struct OuterArguments {
  double v, P, Q, S, V, W, zeta, psi, G, H;
  double sz[6], cz[6];      // sin, cos of k zeta, k = 1..5
  double sQ[5], cQ[5];      // sin, cos of k Q, k = 1..4
  double sV, cV, s2V, c2V;
};

// withSeries: also the sines and cosines of Jupiter's and Saturn's great-inequality series.
OuterArguments OuterArgumentsAt(double t, bool withSeries) {
  OuterArguments a{};
  a.v = t / 5.0 + 0.1;
  a.P = Mod360(237.47555 + 3034.9061 * t);
  a.Q = Mod360(265.9165 + 1222.1139 * t);
  a.S = Mod360(243.51721 + 428.4677 * t);
  a.V = 5.0 * a.Q - 2.0 * a.P;
  a.W = 2.0 * a.P - 6.0 * a.Q + 3.0 * a.S;
  a.zeta = a.Q - a.P;
  a.psi = a.S - a.Q;
  a.G = Mod360(83.7693 + 218.4895 * t);
  a.H = 2.0 * a.G - a.S;
  if (!withSeries) return a;
  for (int k = 1; k <= 5; ++k) {
    a.sz[k] = SinD(k * a.zeta);
    a.cz[k] = CosD(k * a.zeta);
  }
  for (int k = 1; k <= 4; ++k) {
    a.sQ[k] = SinD(k * a.Q);
    a.cQ[k] = CosD(k * a.Q);
  }
  a.sV = SinD(a.V);
  a.cV = CosD(a.V);
  a.s2V = SinD(2.0 * a.V);
  a.c2V = CosD(2.0 * a.V);
  return a;
}

ElementPerturbation Jupiter(const OuterArguments& a) {
  const double v = a.v, v2 = v * v;
  const double* sz = a.sz;
  const double* cz = a.cz;
  const double* sQ = a.sQ;
  const double* cQ = a.cQ;
  ElementPerturbation p;
  p.A = (0.331364 - 0.010281 * v - 0.004692 * v2) * a.sV +
        (0.003228 - 0.064436 * v + 0.002075 * v2) * a.cV -
        (0.003083 + 0.000275 * v - 0.000489 * v2) * a.s2V + 0.002472 * SinD(a.W) +
        0.013619 * sz[1] + 0.018472 * sz[2] + 0.006717 * sz[3] + 0.002775 * sz[4] +
        (0.007275 - 0.001253 * v) * sz[1] * sQ[1] + 0.006417 * sz[2] * sQ[1] +
        0.002439 * sz[3] * sQ[1] - (0.033839 + 0.001125 * v) * cz[1] * sQ[1] -
        0.003767 * cz[2] * sQ[1] - (0.035681 + 0.001208 * v) * sz[1] * cQ[1] -
        0.004261 * sz[2] * cQ[1] + 0.002178 * cQ[1] + (0.001161 * v - 0.006333) * cz[1] * cQ[1] -
        0.006675 * cz[2] * cQ[1] - 0.002664 * cz[3] * cQ[1] - 0.002572 * sz[1] * sQ[2] -
        0.003567 * sz[2] * sQ[2] + 0.002094 * cz[1] * cQ[2] + 0.003342 * cz[2] * cQ[2];
  p.q = (0.007192 - 0.003147 * v) * a.sV + (-0.020428 - 0.000675 * v + 0.000197 * v2) * a.cV +
        (0.007269 + 0.000672 * v) * sz[1] * sQ[1] - 0.004344 * sQ[1] + 0.034036 * cz[1] * sQ[1] +
        0.005614 * cz[2] * sQ[1] + 0.002964 * cz[3] * sQ[1] + 0.037761 * sz[1] * cQ[1] +
        0.006158 * sz[2] * cQ[1] - 0.006603 * cz[1] * cQ[1] - 0.005356 * sz[1] * sQ[2] +
        0.002722 * sz[2] * sQ[2] + 0.004483 * cz[1] * sQ[2] - 0.002642 * cz[2] * sQ[2] +
        0.004403 * sz[1] * cQ[2] - 0.002536 * sz[2] * cQ[2] + 0.005547 * cz[1] * cQ[2] -
        0.002689 * cz[2] * cQ[2];
  p.de = (0.0003606 + 0.000013 * v - 0.0000043 * v2) * a.sV + (0.0001289 - 0.000058 * v) * a.cV -
         0.0006764 * sz[1] * sQ[1] - 0.000111 * sz[2] * sQ[1] - 0.0000224 * sz[3] * sQ[1] -
         0.0000204 * sQ[1] + (0.0001284 + 0.0000116 * v) * cz[1] * sQ[1] +
         0.0000188 * cz[2] * sQ[1] + (0.000146 + 0.000013 * v) * sz[1] * cQ[1] +
         0.0000224 * sz[2] * cQ[1] - 0.0000817 * cQ[1] + 0.0006074 * cz[1] * cQ[1] +
         0.0000992 * cz[2] * cQ[1] + 0.0000508 * cz[3] * cQ[1] + 0.000023 * cz[4] * cQ[1] +
         0.0000108 * cz[5] * cQ[1] - (0.0000956 + 0.0000073 * v) * sz[1] * sQ[2] +
         0.0000448 * sz[2] * sQ[2] + 0.0000137 * sz[3] * sQ[2] +
         (0.0000108 * v - 0.0000997) * cz[1] * sQ[2] + 0.000048 * cz[2] * sQ[2] +
         0.0000148 * cz[3] * sQ[2] + (0.0000099 * v - 0.0000956) * sz[1] * cQ[2] +
         0.000049 * sz[2] * cQ[2] + 0.0000158 * sz[3] * cQ[2] + 0.0000179 * cQ[2] +
         (0.0001024 + 0.0000075 * v) * cz[1] * cQ[2] - 0.0000437 * cz[2] * cQ[2] -
         0.0000132 * cz[3] * cQ[2];
  p.da = -0.000263 * a.cV + 0.000205 * cz[1] + 0.000693 * cz[2] + 0.000312 * cz[3] +
         0.000147 * cz[4] + 0.000299 * sz[1] * sQ[1] + 0.000181 * cz[2] * sQ[1] +
         0.000204 * sz[2] * cQ[1] + 0.000111 * sz[3] * cQ[1] - 0.000337 * cz[1] * cQ[1] -
         0.000111 * cz[2] * cQ[1];
  return p;
}

ElementPerturbation Saturn(const OuterArguments& a) {
  const double v = a.v, v2 = v * v;
  const double* sz = a.sz;
  const double* cz = a.cz;
  const double* sQ = a.sQ;
  const double* cQ = a.cQ;
  const double s2psi = SinD(2 * a.psi), c2psi = CosD(2 * a.psi);
  const double s3psi = SinD(3 * a.psi), c3psi = CosD(3 * a.psi);
  ElementPerturbation p;
  p.A = (-0.814181 + 0.01815 * v + 0.016714 * v2) * a.sV +
        (-0.010497 + 0.160906 * v - 0.0041 * v2) * a.cV + 0.007581 * a.s2V -
        0.007986 * SinD(a.W) - 0.148811 * sz[1] - 0.040786 * sz[2] - 0.015208 * sz[3] -
        0.006339 * sz[4] - 0.006244 * sQ[1] + (0.008931 + 0.002728 * v) * sz[1] * sQ[1] -
        0.0165 * sz[2] * sQ[1] - 0.005775 * sz[3] * sQ[1] +
        (0.081344 + 0.003206 * v) * cz[1] * sQ[1] + 0.015019 * cz[2] * sQ[1] +
        (0.085581 + 0.002494 * v) * sz[1] * cQ[1] + (0.025328 - 0.003117 * v) * cz[1] * cQ[1] +
        0.014394 * cz[2] * cQ[1] + 0.006319 * cz[3] * cQ[1] + 0.006369 * sz[1] * sQ[2] +
        0.009156 * sz[2] * sQ[2] + 0.007525 * s3psi * sQ[2] - 0.005236 * cz[1] * cQ[2] -
        0.007736 * cz[2] * cQ[2] - 0.007528 * c3psi * cQ[2];
  p.de = 1e-7 * ((-7927 + 2548 * v + 91 * v2) * a.sV + (13381 + 1226 * v - 253 * v2) * a.cV +
                 (248 - 121 * v) * a.s2V - (305 + 91 * v) * a.c2V + 412 * sz[2] + 12415 * sQ[1] +
                 (390 - 617 * v) * sz[1] * sQ[1] + (165 - 204 * v) * sz[2] * sQ[1] +
                 26599 * cz[1] * sQ[1] - 4687 * cz[2] * sQ[1] - 1870 * cz[3] * sQ[1] -
                 821 * cz[4] * sQ[1] - 377 * cz[5] * sQ[1] + 497 * c2psi * sQ[1] +
                 (163 - 611 * v) * cQ[1] - 12696 * sz[1] * cQ[1] - 4200 * sz[2] * cQ[1] -
                 1503 * sz[3] * cQ[1] - 619 * sz[4] * cQ[1] - 268 * sz[5] * cQ[1] -
                 (282 + 1306 * v) * cz[1] * cQ[1] + (-86 + 230 * v) * cz[2] * cQ[1] +
                 461 * s2psi * cQ[1] - 350 * sQ[2] + (2211 - 286 * v) * sz[1] * sQ[2] -
                 2208 * sz[2] * sQ[2] - 568 * sz[3] * sQ[2] - 346 * sz[4] * sQ[2] -
                 (2780 + 222 * v) * cz[1] * sQ[2] + (2022 + 263 * v) * cz[2] * sQ[2] +
                 248 * cz[3] * sQ[2] + 242 * s3psi * sQ[2] + 467 * c3psi * sQ[2] - 490 * cQ[2] -
                 (2842 + 279 * v) * sz[1] * cQ[2] + (128 + 226 * v) * sz[2] * cQ[2] +
                 224 * sz[3] * cQ[2] + (-1594 + 282 * v) * cz[1] * cQ[2] +
                 (2162 - 207 * v) * cz[2] * cQ[2] + 561 * cz[3] * cQ[2] + 343 * cz[4] * cQ[2] +
                 469 * s3psi * cQ[2] - 242 * c3psi * cQ[2] - 205 * sz[1] * sQ[3] +
                 262 * sz[3] * sQ[3] + 208 * cz[1] * cQ[3] - 271 * cz[3] * cQ[3] -
                 382 * cz[3] * sQ[4] - 376 * sz[3] * cQ[4]);
  p.q = (0.077108 + 0.007186 * v - 0.001533 * v2) * a.sV +
        (0.045803 - 0.014766 * v - 0.000536 * v2) * a.cV - 0.007075 * sz[1] - 0.072586 * cQ[1] -
        0.075825 * sz[1] * sQ[1] - 0.024839 * sz[2] * sQ[1] - 0.008631 * sz[3] * sQ[1] -
        0.150383 * cz[1] * cQ[1] + 0.026897 * cz[2] * cQ[1] + 0.010053 * cz[3] * cQ[1] -
        (0.013597 + 0.001719 * v) * sz[1] * sQ[2] - (0.007742 - 0.001517 * v) * cz[1] * sQ[2] +
        (0.013586 - 0.001375 * v) * cz[2] * sQ[2] - (0.013667 - 0.001239 * v) * sz[1] * cQ[2] +
        0.011981 * sz[2] * cQ[2] + (0.014861 + 0.001136 * v) * cz[1] * cQ[2] -
        (0.013064 + 0.001628 * v) * cz[2] * cQ[2];
  p.da = 1e-6 * (572 * a.sV + 2933 * a.cV + 33629 * cz[1] - 3081 * cz[2] - 1423 * cz[3] -
                 671 * cz[4] - 320 * cz[5] + 1098 * sQ[1] - 2812 * sz[1] * sQ[1] +
                 688 * sz[2] * sQ[1] - 393 * sz[3] * sQ[1] - 228 * sz[4] * sQ[1] +
                 2138 * cz[1] * sQ[1] - 999 * cz[2] * sQ[1] - 642 * cz[3] * sQ[1] -
                 325 * cz[4] * sQ[1] - 890 * cQ[1] + 2206 * sz[1] * cQ[1] - 1590 * sz[2] * cQ[1] -
                 647 * sz[3] * cQ[1] - 344 * sz[4] * cQ[1] + 2885 * cz[1] * cQ[1] +
                 (2172 + 102 * v) * cz[2] * cQ[1] + 296 * cz[3] * cQ[1] - 267 * sz[2] * sQ[2] -
                 778 * cz[1] * sQ[2] + 495 * cz[2] * sQ[2] + 250 * cz[3] * sQ[2] -
                 856 * sz[1] * cQ[2] + 441 * sz[2] * cQ[2] + 296 * cz[2] * cQ[2] +
                 211 * cz[3] * cQ[2] - 427 * sz[1] * sQ[3] + 398 * sz[3] * sQ[3] +
                 344 * cz[1] * cQ[3] - 427 * cz[3] * cQ[3]);
  p.latitude = 0.000747 * cz[1] * sQ[1] + 0.001069 * cz[1] * cQ[1] + 0.002108 * sz[2] * sQ[2] +
               0.001261 * cz[2] * sQ[2] + 0.001236 * sz[2] * cQ[2] - 0.002075 * cz[2] * cQ[2];
  return p;
}

ElementPerturbation Uranus(const OuterArguments& a) {
  const double v = a.v;
  const double sH = SinD(a.H), cH = CosD(a.H), s2H = SinD(2 * a.H), c2H = CosD(2 * a.H);
  ElementPerturbation p;
  p.A = (0.864319 - 0.001583 * v) * sH + (0.082222 - 0.006833 * v) * cH + 0.036017 * s2H -
        0.003019 * c2H + 0.008122 * SinD(a.W);
  p.q = 0.120303 * sH + (0.019472 - 0.000947 * v) * cH + 0.006197 * s2H;
  p.de = 1e-7 * ((-3349 + 163 * v) * sH + 20981 * cH + 1311 * c2H);
  p.da = -0.003825 * cH;
  return p;
}

ElementPerturbation Neptune(const OuterArguments& a) {
  const double v = a.v;
  const double sH = SinD(a.H), cH = CosD(a.H), s2H = SinD(2 * a.H), c2H = CosD(2 * a.H);
  ElementPerturbation p;
  p.A = (-0.589833 + 0.001089 * v) * sH + (-0.056094 + 0.004658 * v) * cH - 0.024286 * s2H;
  p.q = 0.024039 * sH - 0.025303 * cH + 0.006206 * s2H - 0.005992 * c2H;
  p.de = 1e-7 * (4389 * sH + 4262 * cH + 1129 * s2H + 1089 * c2H);
  p.da = 1e-6 * (-817 * sH + 8189 * cH + 781 * c2H);
  return p;
}

OrbitPerturbation UranusAfterKepler(const OuterArguments& o) {
  const double v = o.v, v2 = v * v, S = o.S;
  const double a = S - o.P, b = S - o.Q, c = o.G - S;
  OrbitPerturbation p;
  p.longitude = (-0.038581 + 0.002031 * v - 0.001910 * v2) * CosD(S + b) +
                (0.010122 - 0.000988 * v) * SinD(S + b) +
                (0.034964 - 0.001038 * v + 0.000868 * v2) * CosD(2 * S + b) +
                0.005594 * SinD(S + 3 * c) - 0.014808 * SinD(a) - 0.005794 * SinD(b) +
                0.002347 * CosD(b) + 0.009872 * SinD(c) + 0.008803 * SinD(2 * c) -
                0.004308 * SinD(3 * c);
  p.latitude = (0.000458 * SinD(b) - 0.000642 * CosD(b) - 0.000517 * CosD(4 * c)) * SinD(S) -
               (0.000347 * SinD(b) + 0.000853 * CosD(b) + 0.000517 * SinD(4 * b)) * CosD(S) +
               0.000403 * (CosD(2 * c) * SinD(2 * S) + SinD(2 * c) * CosD(2 * S));
  p.radius = 1e-6 * (-25948 + 4985 * CosD(a) - 1230 * CosD(S) + 3354 * CosD(b) +
                     904 * CosD(2 * c) + 894 * (CosD(c) - CosD(3 * c)) +
                     (5795 * CosD(S) - 1165 * SinD(S) + 1388 * CosD(2 * S)) * SinD(b) +
                     (1351 * CosD(S) + 5702 * SinD(S) + 1388 * SinD(2 * S)) * CosD(b));
  return p;
}

OrbitPerturbation NeptuneAfterKepler(const OuterArguments& o) {
  const double G = o.G;
  const double a = G - o.P, b = G - o.Q, c = G - o.S;
  OrbitPerturbation p;
  p.longitude = -0.009556 * SinD(a) - 0.005178 * SinD(b) + 0.002572 * SinD(2 * c) -
                0.002972 * CosD(2 * c) * SinD(G) - 0.002833 * SinD(2 * c) * CosD(G);
  p.latitude = 0.000336 * CosD(2 * c) * SinD(G) + 0.000364 * SinD(2 * c) * CosD(G);
  p.radius = 1e-6 * (-40596 + 4992 * CosD(a) + 2744 * CosD(b) + 2044 * CosD(c) + 1051 * CosD(2 * c));
  return p;
}

OrbitPerturbation MercuryAfterKepler(const PerturbingAnomalies& m) {
  const double Me = m.mercury, Ve = m.venus, J = m.jupiter;
  OrbitPerturbation p;
  p.longitude = 0.00204 * CosD(5 * Ve - 2 * Me + 12.22) + 0.00103 * CosD(2 * Ve - Me - 160.692) +
                0.00091 * CosD(2 * J - Me - 37.003) + 0.00078 * CosD(5 * Ve - 3 * Me + 10.137);
  p.radius = 0.000007525 * CosD(2 * J - Me + 53.013) + 0.000006802 * CosD(5 * Ve - 3 * Me - 259.918) +
             0.000005457 * CosD(2 * Ve - 2 * Me - 71.188) + 0.000003569 * CosD(5 * Ve - Me - 77.75);
  return p;
}

OrbitPerturbation VenusAfterKepler(const PerturbingAnomalies& m) {
  const double E = m.earth, Ve = m.venus, J = m.jupiter;
  OrbitPerturbation p;
  p.longitude = 0.00313 * CosD(2 * E - 2 * Ve - 148.225) + 0.00198 * CosD(3 * E - 3 * Ve + 2.565) +
                0.00136 * CosD(E - Ve - 119.107) + 0.00096 * CosD(3 * E - 2 * Ve - 135.912) +
                0.00082 * CosD(J - Ve - 208.087);
  p.radius = 0.000022501 * CosD(2 * E - 2 * Ve - 58.208) + 0.000019045 * CosD(3 * E - 3 * Ve + 92.577) +
             0.000006887 * CosD(J - Ve - 118.09) + 0.000005172 * CosD(E - Ve - 29.11) +
             0.00000362 * CosD(5 * E - 4 * Ve - 104.208) + 0.000003283 * CosD(4 * E - 4 * Ve + 63.513) +
             0.000003074 * CosD(2 * J - 2 * Ve - 55.167);
  return p;
}

OrbitPerturbation MarsAfterKepler(const PerturbingAnomalies& m) {
  const double E = m.earth, Ve = m.venus, Ma = m.mars, J = m.jupiter;
  OrbitPerturbation p;
  p.longitude = 0.00705 * CosD(J - Ma - 48.958) + 0.00607 * CosD(2 * J - Ma - 188.35) +
                0.00445 * CosD(2 * J - 2 * Ma - 191.897) + 0.00388 * CosD(E - 2 * Ma + 20.495) +
                0.00238 * CosD(E - Ma + 35.097) + 0.00204 * CosD(2 * E - 3 * Ma + 158.638) +
                0.00177 * CosD(3 * Ma - Ve - 57.602) + 0.00136 * CosD(2 * E - 4 * Ma + 154.093) +
                0.00104 * CosD(J + 17.618);
  p.radius = 0.000053227 * CosD(J - Ma + 41.1306) + 0.000050989 * CosD(2 * J - 2 * Ma - 101.9848) +
             0.000038278 * CosD(2 * J - Ma - 98.3293) + 0.000015996 * CosD(E - Ma - 55.555) +
             0.000014764 * CosD(2 * E - 3 * Ma + 68.622) + 0.000008966 * CosD(J - 2 * Ma + 43.615) +
             0.000007914 * CosD(3 * J - 2 * Ma - 139.737) + 0.000007004 * CosD(2 * J - 3 * Ma - 102.888) +
             0.00000662 * CosD(E - 2 * Ma + 113.202) + 0.00000493 * CosD(3 * J - 3 * Ma - 76.243) +
             0.000004693 * CosD(3 * E - 5 * Ma + 190.603) + 0.000004571 * CosD(2 * E - 4 * Ma + 244.702) +
             0.000004409 * CosD(3 * J - Ma - 115.828);
  return p;
}

}  // namespace

PerturbingAnomalies PerturbingAnomaliesAt(double t) {
  const double t2 = t * t;
  PerturbingAnomalies m;
  m.mercury = Mod360(102.27938 + 149472.51529 * t + 0.000007 * t2);
  m.venus = Mod360(212.60322 + 58517.80387 * t + 0.001286 * t2);
  m.mars = Mod360(319.51913 + 19139.85475 * t + 0.000181 * t2);
  m.jupiter = Mod360(225.32833 + 3034.69202 * t - 0.000722 * t2);
  m.earth = Mod360(358.47583 + 35999.04975 * t - 0.00015 * t2 - 0.0000033 * t2 * t);
  return m;
}

ElementPerturbation OuterElementPerturbation(Planet planet, double t) {
  switch (planet) {
    case Planet::Jupiter: return Jupiter(OuterArgumentsAt(t, true));
    case Planet::Saturn: return Saturn(OuterArgumentsAt(t, true));
    case Planet::Uranus: return Uranus(OuterArgumentsAt(t, false));
    case Planet::Neptune: return Neptune(OuterArgumentsAt(t, false));
    default: return {};
  }
}

double InnerMeanLongitudeTerm(Planet planet, double t, const PerturbingAnomalies& m) {
  if (planet == Planet::Venus) return 0.00077 * SinD(237.24 + 150.27 * t);
  if (planet == Planet::Mars) {
    const double X = 3.0 * m.jupiter - 8.0 * m.mars + 4.0 * m.earth;
    return -0.01133 * SinD(X) - 0.00933 * CosD(X);
  }
  return 0.0;
}

OrbitPerturbation AfterKeplerPerturbation(Planet planet, double t, const PerturbingAnomalies& m) {
  switch (planet) {
    case Planet::Mercury: return MercuryAfterKepler(m);
    case Planet::Venus: return VenusAfterKepler(m);
    case Planet::Mars: return MarsAfterKepler(m);
    case Planet::Uranus: return UranusAfterKepler(OuterArgumentsAt(t, false));
    case Planet::Neptune: return NeptuneAfterKepler(OuterArgumentsAt(t, false));
    default: return {};
  }
}

}  // namespace veltrane
