// The periodic series of the planets, term by term: the end results are only good to an arc
// minute or a few hours, so a slip in one coefficient would hide inside their tolerance.
#include <gtest/gtest.h>

#include "astro/phenomena.h"
#include "astro/planet_perturbations.h"

namespace veltrane {
namespace {

TEST(PlanetPerturbations, SeriesKeepTheirValuesAtThreeDates) {
  // Julian centuries from 1900; A, q, de, da and the latitude before Kepler's equation, the inner
  // planets' mean-longitude term, then longitude, radius and latitude after it.
  struct Case {
    Planet planet;
    double t;
    double v[9];
  };
  const Case cases[] = {
      {Planet::Mercury, -10.0, {0, 0, 0, 0, 0, 0, 0.0005625896, -0.000002546, 0}},
      {Planet::Venus, -10.0, {0, 0, 0, 0, 0, 0.0000732661, -0.0050327269, 0.0000167788, 0}},
      {Planet::Mars, -10.0, {0, 0, 0, 0, 0, -0.0097393202, 0.0064254625, 0.0000666396, 0}},
      {Planet::Jupiter, -10.0, {0.3090250073, 0.0535461218, 0.0005898356, -0.0000313883, 0, 0, 0, 0, 0}},
      {Planet::Saturn, -10.0, {-0.7812829143, 0.1198515508, -0.0004148513, -0.0287982605, 0.0027682347, 0, 0, 0, 0}},
      {Planet::Uranus, -10.0, {-0.3435744675, -0.0553087407, -0.001762754, 0.003618595, 0, 0, -0.0661590837, -0.0340005397, 0.000461934}},
      {Planet::Neptune, -10.0, {0.2383583946, 0.0152192204, -0.0003901779, -0.0068653799, 0, 0, 0.0036992461, -0.0421433651, -0.0001349773}},
      {Planet::Mercury, 0.92, {0, 0, 0, 0, 0, 0, -0.0001152945, -0.0000049007, 0}},
      {Planet::Venus, 0.92, {0, 0, 0, 0, 0, 0.0002056233, -0.0049744342, -0.0000071343, 0}},
      {Planet::Mars, 0.92, {0, 0, 0, 0, 0, 0.0131776974, -0.0168314611, 0.0000288848, 0}},
      {Planet::Jupiter, 0.92, {0.0286469829, 0.0650239531, -0.0002389151, 0.0004197197, 0, 0, 0, 0, 0}},
      {Planet::Saturn, 0.92, {-0.1083667203, 0.0288190398, -0.001022716, -0.0356141479, 0.0006073978, 0, 0, 0, 0}},
      {Planet::Uranus, 0.92, {-0.7959294758, -0.1087933739, 0.0009926927, -0.0014236913, 0, 0, -0.0357362325, -0.0306730998, 0.00101436}},
      {Planet::Neptune, 0.92, {0.5435599958, -0.0316858785, -0.0004054625, 0.0032416968, 0, 0, -0.0012684705, -0.0386129339, -0.0002923428}},
      {Planet::Mercury, 2.5, {0, 0, 0, 0, 0, 0, 0.0016595375, 0.0000017184, 0}},
      {Planet::Venus, 2.5, {0, 0, 0, 0, 0, -0.0007360199, -0.0008260732, 0.0000061666, 0}},
      {Planet::Mars, 2.5, {0, 0, 0, 0, 0, 0.0146538319, 0.0036210035, -0.0000038086, 0}},
      {Planet::Jupiter, 2.5, {-0.2236762372, -0.0215757625, -0.000462679, 0.0006936838, 0, 0, 0, 0, 0}},
      {Planet::Saturn, 2.5, {0.5459535245, -0.0410523937, -0.0020789166, -0.0396013732, 0.0015077967, 0, 0, 0, 0}},
      {Planet::Uranus, 2.5, {-0.6888542762, -0.0931057542, 0.0014341883, -0.0022102858, 0, 0, -0.0226134806, -0.0202346211, -0.0016032779}},
      {Planet::Neptune, 2.5, {0.4729616864, -0.0381038539, -0.0002545867, 0.0051393944, 0, 0, 0.0033296925, -0.0363197958, -0.0001115749}},
  };
  for (const Case& c : cases) {
    const PerturbingAnomalies m = PerturbingAnomaliesAt(c.t);
    const ElementPerturbation e = OuterElementPerturbation(c.planet, c.t);
    const OrbitPerturbation o = AfterKeplerPerturbation(c.planet, c.t, m);
    const double got[9] = {e.A, e.q, e.de, e.da, e.latitude, InnerMeanLongitudeTerm(c.planet, c.t, m),
                           o.longitude, o.radius, o.latitude};
    for (int i = 0; i < 9; ++i)
      EXPECT_NEAR(got[i], c.v[i], 1e-10) << static_cast<int>(c.planet) << " at " << c.t << ", value " << i;
  }
}

TEST(PlanetPhenomena, PeriodicTermsKeepTheirInstantsOverTheCenturies) {
  // JDE of both events of the cycle for the years -1500, 2024 and 3800, where the terms in T and
  // T squared show.
  struct Case {
    Planet planet;
    double jde[6];
  };
  const Case cases[] = {
      {Planet::Mercury, {1173245.643773, 1173308.903585, 2460301.281911, 2460237.715075, 3108876.127669, 3108918.929021}},
      {Planet::Venus, {1173211.255968, 1173499.499118, 2460169.966263, 2459875.366639, 3108906.196304, 3108613.596276}},
      {Planet::Mars, {1173806.285079, 1173389.410415, 2459921.683871, 2460266.700789, 3108777.521121, 3108435.153558}},
      {Planet::Jupiter, {1173451.013029, 1173245.996127, 2460251.656581, 2460046.368966, 3108826.107354, 3108628.018231}},
      {Planet::Saturn, {1173548.822985, 1173362.085934, 2460183.828673, 2459992.179151, 3108613.527009, 3108801.100974}},
      {Planet::Uranus, {1173488.523174, 1173302.473300, 2460262.231408, 2460074.394269, 3108639.066718, 3108823.260642}},
      {Planet::Neptune, {1173265.283191, 1173452.380559, 2460206.913381, 2460019.449846, 3108817.539978, 3108634.714055}},
  };
  const int years[] = {-1500, 2024, 3800};
  for (const Case& c : cases)
    for (int i = 0; i < 6; ++i) {
      const int event = i % 2 ? kSecondPhenomenon : kFirstPhenomenon;
      EXPECT_NEAR(PhenomenonInstant(c.planet, event, PhenomenonCycle(c.planet, event, years[i / 2])), c.jde[i], 2e-6)
          << static_cast<int>(c.planet) << " " << years[i / 2];
    }
}

}  // namespace
}  // namespace veltrane
