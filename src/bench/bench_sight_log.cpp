// Timings of the sight log: the least-squares fix of four stars and the twilight planner over a
// star list the size of the shipped one.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "celestial/least_squares_fix.h"
#include "celestial/sight_planner.h"

namespace veltrane {
namespace {

// 171 stars spread over the sky, as many as the shipped list holds.
std::vector<StarRecord> SpreadStars() {
  std::vector<StarRecord> stars;
  for (int i = 0; i < 171; ++i) {
    char ra[16], dec[16];
    std::snprintf(ra, sizeof ra, "%02d:%02d:00.0", i * 24 / 171, (i * 24 * 60 / 171) % 60);
    const int d = -70 + (i * 37) % 140;
    std::snprintf(dec, sizeof dec, "%+03d:00:00", d);
    stars.push_back({"S" + std::to_string(i), ra, dec, "0", "0", "0", std::to_string(1.0 + (i % 5) * 0.4)});
  }
  return stars;
}

TDateRec Day() {
  TDateRec d;
  d.Year = 2026, d.Month = 3, d.Day = 20;
  return d;
}

void BM_SolveFixFourStars(benchmark::State& state) {
  const std::vector<StarRecord> stars = SpreadStars();
  FixRequest r;
  r.dr = {0.0, 35.0, 40.0};
  r.fixTime = {Day(), 20.5};
  for (int i : {0, 40, 85, 130}) {
    PreparedSight s;
    s.body = NavBody::Star;
    s.star = StarCatalogueDataOf(stars[i]);
    s.utc = r.fixTime;
    // Each sight as if taken 3' north of the DR (6' added for refraction), so the fix has to move
    // and re-reduce.
    s.hs = ReduceSight(s, {0.0, 35.05, 40.0}).place.hc + 0.1;
    r.sights.push_back(s);
  }
  for (auto _ : state) benchmark::DoNotOptimize(SolveFix(r));
}
BENCHMARK(BM_SolveFixFourStars);

void BM_PlanSightsEvening(benchmark::State& state) {
  const std::vector<StarRecord> stars = SpreadStars();
  for (auto _ : state) benchmark::DoNotOptimize(PlanSights(Day(), 35.0, 40.0, TwilightSide::Evening, stars));
}
BENCHMARK(BM_PlanSightsEvening)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace veltrane
