// Timing of a month of almanac daily pages (the target is under a second for thirty days).
#include <benchmark/benchmark.h>

#include "astro/daily_pages.h"

namespace veltrane {
namespace {

void BM_DailyPagesThirtyDays(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(DailyPages(2026, 12, 1, 30));
}
BENCHMARK(BM_DailyPagesThirtyDays)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace veltrane
