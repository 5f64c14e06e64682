#include "celestial/sight_reduction.h"

namespace veltrane {

CorrectedSight CorrectForBody(NavBody body, double hs, const SextantData& sextant, const BodyPlace& place) {
  switch (body) {
    case NavBody::Sun: return CorrectSunSight(hs, sextant, place.radiusVector);
    case NavBody::Moon: return CorrectMoonSight(hs, sextant, place.parallax);
    case NavBody::Star: return CorrectStarSight(hs, sextant);
    default: break;
  }
  // Only Venus and Mars come near enough for their parallax to show in the correction.
  return CorrectPlanetSight(hs, sextant, place.parallax, body == NavBody::Venus || body == NavBody::Mars);
}

PreparedSightReading PrepareSight(const LoggedSight& sight, const std::vector<StarRecord>& stars) {
  PreparedSight p;
  p.body = sight.body;
  p.utc = sight.utc;
  p.hs = sight.hs;
  p.sextant.indexError = sight.indexError;
  p.sextant.eyeHeight = sight.eyeHeight;
  p.sextant.pressure = sight.pressure;
  p.sextant.temperature = sight.temperature;
  p.sextant.limb = sight.limb;
  if (sight.body == NavBody::Star) {
    const StarRecord* star = FindStar(stars, sight.star);
    if (!star) return {std::nullopt, "The star " + sight.star + " is not in the star file"};
    p.star = StarCatalogueDataOf(*star);
  }
  return {p, {}};
}

SightReduction ReduceSight(const PreparedSight& sight, const PositionRecord& from) {
  SightReduction r;
  const SightObserver observer{from, sight.sextant.eyeHeight, sight.sextant.pressure, sight.sextant.temperature};
  r.place = BodyEphemeris(sight.body, &sight.star, observer, sight.utc);
  r.corrected = CorrectForBody(sight.body, sight.hs, sight.sextant, r.place);
  r.intercept = PlotIntercept(from, r.place.zn, r.corrected.observed, r.place.hc);
  return r;
}

}  // namespace veltrane
