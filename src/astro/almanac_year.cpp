#include "astro/almanac_year.h"

#include <algorithm>
#include <cmath>

#include "astro/eclipse.h"
#include "astro/equinox.h"
#include "astro/moon_phase.h"
#include "astro/phenomena.h"
#include "foundation/calendar.h"

namespace veltrane {
namespace {

double JdeToUt(double jde) {
  return jde - DeltaT(JulianCenturiesSinceJ2000(jde)) / 86400.0;
}

double NewYearJd(int year) {
  TDateRec date;
  date.Day = 1;
  date.Month = 1;
  date.Year = year;
  return JulianDay(date, 0.0).jd0;
}

struct YearWindow {
  double start, end;  // Julian days UT, end excluded
  std::vector<AlmanacEvent>* events;

  // Adds the event when it falls in the year.
  AlmanacEvent* Add(const char* kind, double jde) {
    const double ut = JdeToUt(jde);
    if (ut < start || ut >= end) return nullptr;
    AlmanacEvent e;
    e.kind = kind;
    e.jde = jde;
    e.jdUt = ut;
    events->push_back(e);
    return &events->back();
  }
};

const char* SolarTypeName(int type) {
  switch (type) {
    case kSolarTotal: return "total";
    case kSolarAnnular: return "annular";
    case kSolarAnnularTotal: return "annular-total";
    case kSolarNonCentralTotal: return "non-central total";
    case kSolarNonCentralAnnular: return "non-central annular";
    default: return "partial";
  }
}

const char* LunarTypeName(int type) {
  switch (type) {
    case kLunarTotal: return "total";
    case kLunarPartial: return "partial";
    default: return "penumbral";
  }
}

void AddSeasons(YearWindow& w, int year) {
  static const char* const kNames[4] = {"march_equinox", "june_solstice", "september_equinox",
                                        "december_solstice"};
  // The neighbouring years' events can fall inside the year when Delta T is large.
  for (int y = year - 1; y <= year + 1; ++y)
    for (int event = 0; event < 4; ++event) w.Add(kNames[event], EquinoxSolstice(y, event));
}

void AddMoonPhases(YearWindow& w) {
  static const char* const kNames[4] = {"new_moon", "first_quarter", "full_moon", "last_quarter"};
  const double first = LunationBefore(w.start) - 1.0;
  const double last = LunationBefore(w.end) + 1.0;
  for (double k = first; k <= last; k += 1.0)
    for (int q = 0; q < 4; ++q) w.Add(kNames[q], MoonPhase(k, q));
}

// At most two or three eclipses of each kind a year, found from a month before its start.
constexpr int kMaxEclipseSearches = 12;

void AddSolarEclipses(YearWindow& w) {
  double from = w.start - kSynodicMonth;
  for (int n = 0; n < kMaxEclipseSearches; ++n) {
    const SolarEclipseResult r = SolarEclipse(from);
    if (JdeToUt(r.jde) >= w.end) break;
    if (AlmanacEvent* e = w.Add("solar_eclipse", r.jde)) {
      e->eclipseType = SolarTypeName(r.type);
      if (r.type == kSolarPartial) e->magnitude = r.magnitude;
    }
    from = r.jde;
  }
}

void AddLunarEclipses(YearWindow& w, int shadowMode) {
  double from = w.start - kSynodicMonth;
  for (int n = 0; n < kMaxEclipseSearches; ++n) {
    const LunarEclipseResult r = LunarEclipse(shadowMode, from);
    if (JdeToUt(r.jde) >= w.end) break;
    if (AlmanacEvent* e = w.Add("lunar_eclipse", r.jde)) {
      e->eclipseType = LunarTypeName(r.type);
      e->magnitude = r.magnitude;
      e->partialSemiDuration = r.partialSemiDuration;
      if (r.type == kLunarTotal) e->totalSemiDuration = r.totalSemiDuration;
    }
    from = r.jde;
  }
}

void AddPhenomena(YearWindow& w, int year) {
  for (int p = 0; p < kPlanetCount; ++p) {
    const Planet planet = static_cast<Planet>(p);
    const double perYear = std::ceil(366.0 / SynodicPeriod(planet));
    for (int event = kFirstPhenomenon; event <= kSecondPhenomenon; ++event) {
      const double k0 = PhenomenonCycle(planet, event, year);
      for (double k = k0 - 2.0; k <= k0 + perYear + 2.0; k += 1.0)
        if (AlmanacEvent* e = w.Add(PhenomenonName(planet, event), PhenomenonInstant(planet, event, k)))
          e->planet = planet;
    }
  }
}

}  // namespace

std::vector<AlmanacEvent> YearEvents(int year, int shadowMode) {
  std::vector<AlmanacEvent> events;
  events.reserve(96);
  YearWindow w{NewYearJd(year), NewYearJd(year + 1), &events};
  AddSeasons(w, year);
  AddMoonPhases(w);
  AddSolarEclipses(w);
  AddLunarEclipses(w, shadowMode);
  AddPhenomena(w, year);
  std::stable_sort(events.begin(), events.end(),
                   [](const AlmanacEvent& a, const AlmanacEvent& b) { return a.jde < b.jde; });
  return events;
}

const char* PlanetKey(Planet planet) {
  static const char* const kKeys[kPlanetCount] = {"mercury", "venus",  "mars",   "jupiter",
                                                  "saturn",  "uranus", "neptune"};
  return kKeys[static_cast<int>(planet)];
}

}  // namespace veltrane
