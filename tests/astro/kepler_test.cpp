#include "astro/kepler.h"

#include <gtest/gtest.h>

namespace veltrane {
namespace {

TEST(SolveKepler, PublishedSolutions) {
  struct Case {
    double M, e, a, v, r;
  };
  // Eccentric anomalies of a textbook example (5.554589 degrees) and of a Mercury-like orbit
  // solved by bisection (110.997754 degrees), turned into true anomaly and radius vector.
  const Case cases[] = {
      {5.0, 0.1, 1.0, 6.139761, 0.9004696},
      {100.0, 0.2056, 0.387, 121.684112, 0.4155114},
      {123.4, 0.0, 5.2, 123.4, 5.2},     // circular orbit: v = M, r = a
      {-10.0, 0.0, 1.0, 350.0, 1.0},     // a negative M comes back in 0..360
      {180.0, 0.2, 2.0, 180.0, 2.4},     // aphelion
  };
  for (const Case& c : cases) {
    const KeplerSolution s = SolveKepler(c.M, c.e, c.a);
    EXPECT_NEAR(s.v, c.v, 1e-5) << "M " << c.M << " e " << c.e;
    EXPECT_NEAR(s.r, c.r, 1e-6) << "M " << c.M << " e " << c.e;
  }
}

}  // namespace
}  // namespace veltrane
