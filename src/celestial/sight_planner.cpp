#include "celestial/sight_planner.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "astro/body_summary.h"
#include "astro/navigational_stars.h"
#include "astro/twilight.h"
#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace veltrane {
namespace {

TDateRec NextDay(TDateRec d, int step) {
  d.DateText.clear();
  d.Day += step;
  if (step > 0 && !IsCalendarDay(d.Year, d.Month, d.Day)) {
    d.Day = 1;
    if (++d.Month > 12) d.Month = 1, ++d.Year;
  } else if (step < 0 && d.Day < 1) {
    if (--d.Month < 1) d.Month = 12, --d.Year;
    d.Day = 31;
    while (d.Day > 28 && !IsCalendarDay(d.Year, d.Month, d.Day)) --d.Day;
  }
  return d;
}

struct Score {
  bool spansArc = false;
  int gapBand = 0;
  int comfortable = 0;
  double brightness = 0.0;  // less the sum of the magnitudes
  double narrowestGap = 0.0;
  auto Key() const { return std::tie(spansArc, gapBand, comfortable, brightness, narrowestGap); }
};

Score ScoreOf(const std::vector<PlannedBody>& bodies, const std::vector<size_t>& set) {
  std::vector<double> azimuths;
  Score s;
  for (size_t i : set) {
    const PlannedBody& b = bodies[i];
    azimuths.push_back(Mod360(b.azimuth));
    if (b.altitude >= kComfortLowest && b.altitude <= kComfortHighest) ++s.comfortable;
    // A body of unknown brightness counts as one just seen with the naked eye.
    s.brightness -= b.magnitude.value_or(6.0);
  }
  std::sort(azimuths.begin(), azimuths.end());
  double narrowest = 360.0, widest = 0.0;
  for (size_t i = 0; i < azimuths.size(); ++i) {
    const double gap = i + 1 < azimuths.size() ? azimuths[i + 1] - azimuths[i] : azimuths[0] + 360.0 - azimuths[i];
    narrowest = std::min(narrowest, gap);
    widest = std::max(widest, gap);
  }
  s.spansArc = 360.0 - widest >= kWantedArc;
  s.gapBand = static_cast<int>(std::floor(narrowest / kGapBand));
  s.narrowestGap = narrowest;
  return s;
}

// Every set of `size` indices below `count` in order, the best kept.
void Search(const std::vector<PlannedBody>& bodies, size_t size, std::vector<size_t>& set, size_t from,
            std::vector<size_t>& best, Score& bestScore) {
  if (set.size() == size) {
    const Score s = ScoreOf(bodies, set);
    if (best.empty() || s.Key() > bestScore.Key()) best = set, bestScore = s;
    return;
  }
  for (size_t i = from; i + (size - set.size()) <= bodies.size(); ++i) {
    set.push_back(i);
    Search(bodies, size, set, i + 1, best, bestScore);
    set.pop_back();
  }
}

std::vector<std::string> NamesOf(const std::vector<PlannedBody>& bodies, const std::vector<size_t>& set) {
  std::vector<std::string> names;
  for (size_t i : set) names.push_back(bodies[i].name);
  return names;
}

bool Plannable(double altitude) { return altitude >= kPlanLowest && altitude <= kPlanHighest; }

void AddSolarSystem(std::vector<PlannedBody>& into, const SightInstant& at, double lat, double lonWest) {
  struct Wanderer {
    const char* name;
    BodyKind kind;
    Planet planet;
  };
  static constexpr Wanderer kWanderers[] = {{"Moon", BodyKind::Moon, Planet::Venus},
                                            {"Venus", BodyKind::Planet, Planet::Venus},
                                            {"Mars", BodyKind::Planet, Planet::Mars},
                                            {"Jupiter", BodyKind::Planet, Planet::Jupiter},
                                            {"Saturn", BodyKind::Planet, Planet::Saturn}};
  const JulianCenturiesResult jc = JulianCenturies(at.date, at.ut);
  const SkyInstant instant{jc.jd0, at.ut, DeltaT(jc.t)};
  SkyObserver observer;
  observer.latitude = lat;
  observer.lonWest = lonWest;
  for (const Wanderer& w : kWanderers) {
    SkyBody body;
    body.kind = w.kind;
    body.planet = w.planet;
    const BodySummary s = SummarizeBody(body, observer, instant, 0.0);
    if (Plannable(s.altitude))
      into.push_back({w.name, w.kind == BodyKind::Moon ? PlannedKind::Moon : PlannedKind::Planet, s.altitude,
                      s.azimuth, s.magnitude});
  }
}

}  // namespace

std::string PlannedKindName(PlannedKind kind) {
  switch (kind) {
    case PlannedKind::Planet: return "planet";
    case PlannedKind::Moon: return "moon";
    case PlannedKind::Star: break;
  }
  return "star";
}

SightInstant InstantOf(const TDateRec& date, double hours) {
  SightInstant at{date, hours};
  while (at.ut < 0.0) at.date = NextDay(at.date, -1), at.ut += 24.0;
  while (at.ut >= 24.0) at.date = NextDay(at.date, 1), at.ut -= 24.0;
  return at;
}

SightPlan PlanSights(const TDateRec& date, double lat, double lonWest, TwilightSide side,
                     const std::vector<StarRecord>& stars) {
  SightPlan plan;
  const JulianCenturiesResult day = JulianCenturies(date, 0.0);
  SkyObserver observer;
  observer.latitude = lat;
  observer.lonWest = lonWest;
  const SkyInstant midnight{day.jd0, 0.0, DeltaT(day.t)};
  // The zone of the longitude, so that the twilight is that of the local day.
  const double zone = RoundHalfEven(Norm180(lonWest) / 15.0);
  const bool morning = side == TwilightSide::Morning;
  const auto crossing = [&](double altitude) {
    const SunCrossings c = SunAltitudeCrossings(observer, midnight, altitude, zone);
    return morning ? c.morning : c.evening;
  };
  plan.civil = crossing(kCivilTwilight);
  plan.nautical = crossing(kNauticalTwilight);
  if (!plan.civil || !plan.nautical) {
    plan.message = std::string("The Sun does not pass through nautical twilight this ") +
                   (morning ? "morning" : "evening") + " at this latitude";
    return plan;
  }
  plan.middle = (*plan.civil + *plan.nautical) / 2.0;
  const SightInstant at = InstantOf(date, *plan.middle);

  const SightObserver seat{{0.0, lat, lonWest}, 0.0, 1010.0, 10.0};
  for (const StarRecord& star : stars) {
    if (!IsNavigationalStar(star.name)) continue;
    const StarCatalogueData data = StarCatalogueDataOf(star);
    const BodyPlace p = BodyEphemeris(NavBody::Star, &data, seat, at);
    if (Plannable(p.hc)) plan.bodies.push_back({star.name, PlannedKind::Star, p.hc, p.zn, ParseReal(star.vmagn)});
  }
  AddSolarSystem(plan.bodies, at, lat, lonWest);
  std::stable_sort(plan.bodies.begin(), plan.bodies.end(),
                   [](const PlannedBody& a, const PlannedBody& b) { return a.azimuth < b.azimuth; });
  plan.bestThree = NamesOf(plan.bodies, BestSet(plan.bodies, 3));
  plan.bestFour = NamesOf(plan.bodies, BestSet(plan.bodies, 4));
  return plan;
}

std::vector<size_t> BestSet(const std::vector<PlannedBody>& bodies, size_t size) {
  std::vector<size_t> set, best;
  Score bestScore;
  if (size == 0 || bodies.size() < size) return best;
  Search(bodies, size, set, 0, best, bestScore);
  return best;
}

}  // namespace veltrane
