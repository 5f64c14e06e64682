#include "astro/planet_orbit.h"

#include "astro/kepler.h"
#include "astro/planet_perturbations.h"
#include "foundation/angles.h"

namespace veltrane {
namespace {

struct Poly {
  double c0, c1, c2, c3;
  double At(double t) const { return c0 + t * (c1 + t * (c2 + t * c3)); }
};

struct Elements {
  Poly L;
  double a;
  Poly e, i, Omega, M;
};

// Mean elements referred to the mean equinox of the date, T from 1900.
constexpr Elements kElements[kPlanetCount] = {
    {{178.179078, 149474.07078, 0.0003011, 0}, 0.3870986,
     {0.20561421, 0.00002046, -0.00000003, 0}, {7.002881, 0.0018608, -0.0000183, 0},
     {47.145944, 1.1852083, 0.0001739, 0}, {102.27938, 149472.51529, 0.000007, 0}},
    {{342.767053, 58519.21191, 0.0003097, 0}, 0.7233316,
     {0.00682069, -0.00004774, 0.000000091, 0}, {3.393631, 0.0010058, -0.000001, 0},
     {75.779647, 0.89985, 0.00041, 0}, {212.60322, 58517.80387, 0.001286, 0}},
    {{293.737334, 19141.69551, 0.0003107, 0}, 1.5236883,
     {0.0933129, 0.000092064, -0.000000077, 0}, {1.850333, -0.000675, 0.0000126, 0},
     {48.786442, 0.7709917, -0.0000014, -0.00000533}, {319.51913, 19139.85475, 0.000181, 0}},
    {{238.049257, 3036.301986, 0.0003347, -0.00000165}, 5.202561,
     {0.04833475, 0.00016418, -0.0000004676, -0.0000000017}, {1.308736, -0.0056961, 0.0000039, 0},
     {99.443414, 1.01053, 0.00035222, -0.00000851}, {225.32833, 3034.69202, -0.000722, 0}},
    {{266.564377, 1223.509884, 0.0003245, -0.0000058}, 9.554747,
     {0.05589232, -0.0003455, -0.000000728, 0.00000000074},
     {2.492519, -0.0039189, -0.00001549, 0.00000004},
     {112.790414, 0.8731951, -0.00015218, -0.00000531}, {175.46622, 1221.55147, -0.000502, 0}},
    {{244.19747, 429.863546, 0.000316, -0.0000006}, 19.21814,
     {0.0463444, -0.00002658, 0.000000077, 0}, {0.772464, 0.0006253, 0.0000395, 0},
     {73.477111, 0.4986678, 0.0013117, 0}, {72.64878, 428.37911, 0.000079, 0}},
    {{84.457994, 219.885914, 0.0003205, -0.0000006}, 30.10957,
     {0.00899704, 0.00000633, -0.000000002, 0}, {1.779242, -0.0095436, -0.0000091, 0},
     {130.681389, 1.098935, 0.00024987, -0.000004718}, {37.73063, 218.46134, -0.00007, 0}},
};

}  // namespace

PlanetOrbit PlanetOrbitAt(Planet planet, double t) {
  const Elements& el = kElements[static_cast<int>(planet)];
  PlanetOrbit o;
  o.L = Mod360(el.L.At(t));
  o.M = Mod360(el.M.At(t));
  o.Omega = el.Omega.At(t);
  o.i = el.i.At(t);
  double e = el.e.At(t);
  double a = el.a;

  const PerturbingAnomalies anomalies = PerturbingAnomaliesAt(t);
  const double inner = InnerMeanLongitudeTerm(planet, t, anomalies);
  o.L += inner;
  o.M += inner;
  const ElementPerturbation outer = OuterElementPerturbation(planet, t);
  o.L += outer.A;
  o.M += outer.A - outer.q / e;
  e += outer.de;
  a += outer.da;

  const KeplerSolution k = SolveKepler(o.M, e, a);
  o.v = k.v;
  o.r = k.r;

  const OrbitPerturbation after = AfterKeplerPerturbation(planet, t, anomalies);
  o.L += after.longitude;
  o.r += after.radius;
  o.latitudeCorrection = outer.latitude + after.latitude;
  return o;
}

}  // namespace veltrane
