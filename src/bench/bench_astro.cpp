// Timings of the astronomy engine's hot paths.
#include <benchmark/benchmark.h>

#include "astro/body_rise_set.h"
#include "astro/moon.h"
#include "astro/star_place.h"
#include "astro/sun.h"
#include "astro/sun_precise.h"

namespace veltrane {
namespace {

void BM_SunApparent(benchmark::State& state) {
  double t = 0.24;
  for (auto _ : state) {
    benchmark::DoNotOptimize(SunApparent(t));
    t += 1e-9;
  }
}
BENCHMARK(BM_SunApparent);

void BM_SunApparentPrecise(benchmark::State& state) {
  double t = 0.24;
  for (auto _ : state) {
    benchmark::DoNotOptimize(SunApparentPrecise(t));
    t += 1e-9;
  }
}
BENCHMARK(BM_SunApparentPrecise);

void BM_MoonPosition(benchmark::State& state) {
  double t = 0.24;
  for (auto _ : state) {
    benchmark::DoNotOptimize(MoonPosition(t));
    t += 1e-9;
  }
}
BENCHMARK(BM_MoonPosition);

void BM_StarApparentPlace(benchmark::State& state) {
  double t = 0.24;
  for (auto _ : state) {
    benchmark::DoNotOptimize(StarApparentPlace(6.7525, -16.716, -0.0385, -1.205, t));
    t += 1e-9;
  }
}
BENCHMARK(BM_StarApparentPlace);

void BM_RiseTransitSet(benchmark::State& state) {
  RiseTransitSetInput in;
  in.ra = {40.68021, 41.73129, 42.78204};
  in.dec = {18.04761, 18.44092, 18.82742};
  in.h0 = kStarRiseSetAltitude;
  in.latitude = 42.3333;
  in.lonWest = 71.0833;
  in.jd0 = 2447240.5;
  in.deltaT = 56.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(RiseTransitSet(in));
    in.latitude += 1e-9;
  }
}
BENCHMARK(BM_RiseTransitSet);

}  // namespace
}  // namespace veltrane
