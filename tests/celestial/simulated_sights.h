#pragma once
// Sights made by the engine itself: the sextant altitude that the corrections turn into the
// true altitude at a known position, plus a chosen error. The stars come from the shipped list.
#include <cmath>
#include <string>
#include <vector>

#include "celestial/sight_reduction.h"
#include "foundation/angles.h"
#include "foundation/calendar.h"
#include "foundation/text_file.h"
#include "support/star_file.h"
#include "support/test_data.h"

namespace veltrane::test {

inline std::vector<StarRecord> ShippedStars() {
  std::vector<StarRecord> stars;
  const auto lines = ReadTextLines(ShippedDataFile("stars.csv"));
  if (!lines) return stars;
  for (size_t i = 1; i < lines->size(); ++i) {
    const std::string& l = (*lines)[i];
    if (TrimBlanks(l).empty()) continue;
    stars.push_back({GetField(l, ',', 0), GetField(l, ',', 1), GetField(l, ',', 2), GetField(l, ',', 3),
                     GetField(l, ',', 4), GetField(l, ',', 5), GetField(l, ',', 6)});
  }
  return stars;
}

// The logged star sight whose Ho at `truth` is the true altitude plus errorArcmin.
inline LoggedSight SimulatedStarSight(const std::vector<StarRecord>& stars, const std::string& name,
                                      const PositionRecord& truth, const SightInstant& at, double errorArcmin) {
  LoggedSight s;
  s.body = NavBody::Star;
  s.star = name;
  s.utc = at;
  s.eyeHeight = 2.5;
  s.indexError = -1.2;
  PreparedSight p = *PrepareSight(s, stars).sight;
  for (int i = 0; i < 6; ++i) {
    const SightReduction r = ReduceSight(p, truth);
    p.hs += r.place.hc + errorArcmin / 60.0 - r.corrected.observed;
  }
  s.hs = p.hs;
  return s;
}

// The star of the list nearest each wanted azimuth among those 20..70 degrees high at `truth`.
inline std::vector<std::string> StarsNear(const std::vector<StarRecord>& stars, const PositionRecord& truth,
                                          const SightInstant& at, const std::vector<double>& azimuths) {
  std::vector<std::string> names;
  for (double wanted : azimuths) {
    std::string best;
    double bestOff = 1e9;
    for (const StarRecord& star : stars) {
      const StarCatalogueData d = StarCatalogueDataOf(star);
      const BodyPlace p = BodyEphemeris(NavBody::Star, &d, {truth, 0.0, 1010.0, 10.0}, at);
      const double off = std::fabs(Norm180(p.zn - wanted));
      if (p.hc > 20.0 && p.hc < 70.0 && off < bestOff) bestOff = off, best = star.name;
    }
    names.push_back(best);
  }
  return names;
}

inline SightInstant At(int year, int month, int day, double ut) {
  SightInstant s;
  s.date.Year = year, s.date.Month = month, s.date.Day = day;
  s.ut = ut;
  return s;
}

}  // namespace veltrane::test
