// Timings of the planet theory, the year's almanac and Jupiter's satellites.
#include <benchmark/benchmark.h>

#include "astro/almanac_year.h"
#include "astro/jupiter_satellites.h"
#include "astro/planet_position.h"

namespace {

using veltrane::Planet;

void BM_PlanetPosition(benchmark::State& state) {
  const Planet planet = static_cast<Planet>(state.range(0));
  double t = 1.24;
  for (auto _ : state) {
    benchmark::DoNotOptimize(veltrane::PlanetPosition(planet, t));
    t += 1e-7;
  }
}
BENCHMARK(BM_PlanetPosition)->DenseRange(0, veltrane::kPlanetCount - 1)->Unit(benchmark::kMicrosecond);

void BM_AlmanacYear(benchmark::State& state) {
  int year = 2024;
  for (auto _ : state) {
    benchmark::DoNotOptimize(veltrane::YearEvents(year, 0));
    year = year == 2030 ? 2024 : year + 1;
  }
}
BENCHMARK(BM_AlmanacYear)->Unit(benchmark::kMillisecond);

void BM_JupiterSatellites(benchmark::State& state) {
  double hours = 0.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(veltrane::JupiterSatellites(2460310.5, hours));
    hours += 0.001;
  }
}
BENCHMARK(BM_JupiterSatellites)->Unit(benchmark::kNanosecond);

}  // namespace
