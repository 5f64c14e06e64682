#include "astro/daily_pages.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <tuple>

#include "astro/almanac_calendar.h"
#include "astro/body_summary.h"
#include "astro/moon.h"
#include "astro/moon_phase.h"
#include "astro/navigational_stars.h"
#include "astro/parallax.h"
#include "astro/sidereal_time.h"
#include "astro/star_place.h"
#include "astro/sun.h"
#include "astro/twilight.h"
#include "foundation/angles.h"
#include "foundation/calendar.h"

namespace veltrane {
namespace {

constexpr double kSecondsPerCentury = 86400.0 * 36525.0;
// An event is believed when the body is seen to cross within this many hours of it; a time
// carried over from the day before or after fails the test.
constexpr double kEventCheckHours = 10.0 / 60.0;

constexpr std::array<PagePlanet, kPagePlanetCount> kPlanets = {PagePlanet::Venus, PagePlanet::Mars,
                                                              PagePlanet::Jupiter, PagePlanet::Saturn};

SkyBody PlanetBody(PagePlanet p) {
  static constexpr Planet kEngine[] = {Planet::Venus, Planet::Mars, Planet::Jupiter, Planet::Saturn};
  SkyBody b;
  b.kind = BodyKind::Planet;
  b.planet = kEngine[static_cast<int>(p)];
  return b;
}

SkyBody BodyOf(BodyKind kind) {
  SkyBody b;
  b.kind = kind;
  return b;
}

// One day's clock: positions at UT + Delta T, hour angles at UT.
struct Day {
  double jd0 = 0.0;
  double deltaT = 0.0;
  double Centuries(double hours) const {
    return (jd0 + hours / 24.0 - 2451545.0) / 36525.0 + deltaT / kSecondsPerCentury;
  }
  SkyInstant Instant() const { return {jd0, 0.0, deltaT}; }
};

struct HourPlace {
  double gha = 0.0, dec = 0.0;
  ApparentBody body;
};

HourPlace PlaceAtHour(const SkyBody& body, const Day& day, double hours) {
  HourPlace p;
  p.body = ApparentPlaceOf(body, day.Centuries(hours));
  p.gha = HourAngleD(SiderealTime(day.jd0, hours).apparent, p.body.ra);
  p.dec = p.body.dec;
  return p;
}

// Local hour angle, -180..180, and altitude of the centre for an observer at an hour of the day.
struct Seen {
  double lha = 0.0, altitude = 0.0;
};
Seen SeenFrom(const SkyBody& body, const SkyObserver& at, const Day& day, double hours) {
  const HourPlace p = PlaceAtHour(body, day, hours);
  const double lha = Wrap180(p.gha - at.lonWest);
  return {lha, ArcSinD(SinD(at.latitude) * SinD(p.dec) + CosD(at.latitude) * CosD(p.dec) * CosD(lha))};
}

enum class Crossing { Rise, Transit, Set };

// The event's hours when the body really crosses there; none for a time that belongs to the
// day before or after.
std::optional<double> Checked(const SkyBody& body, const SkyObserver& at, const Day& day, double hours,
                              Crossing crossing, double altitude) {
  const Seen before = SeenFrom(body, at, day, hours - kEventCheckHours);
  const Seen after = SeenFrom(body, at, day, hours + kEventCheckHours);
  bool ok = false;
  switch (crossing) {
    case Crossing::Transit: ok = before.lha < 0.0 && after.lha >= 0.0 && after.lha - before.lha < 90.0; break;
    case Crossing::Rise: ok = before.altitude < altitude && after.altitude >= altitude; break;
    case Crossing::Set: ok = before.altitude >= altitude && after.altitude < altitude; break;
  }
  return ok ? std::optional<double>(hours) : std::nullopt;
}

SkyObserver At(double latitude, double lonWest = 0.0) {
  SkyObserver o;
  o.latitude = latitude;
  o.lonWest = lonWest;
  return o;
}

std::optional<double> Transit(const SkyBody& body, const Day& day, double lonWest = 0.0) {
  const SkyObserver at = At(0.0, lonWest);
  const RiseTransitSetResult r = RiseTransitSetFor(body, at, day.Instant(), 0.0);
  return Checked(body, at, day, 24.0 * r.transit, Crossing::Transit, 0.0);
}

// Morning and evening passage of the Sun through an altitude.
std::pair<PageTime, PageTime> SunPassages(const SkyObserver& at, const Day& day, double altitude) {
  const SunCrossings c = SunAltitudeCrossings(at, day.Instant(), altitude, 0.0);
  if (c.status != HorizonStatus::Crosses) return {{std::nullopt, c.status}, {std::nullopt, c.status}};
  const SkyBody sun = BodyOf(BodyKind::Sun);
  return {{Checked(sun, at, day, *c.morning, Crossing::Rise, altitude)},
          {Checked(sun, at, day, *c.evening, Crossing::Set, altitude)}};
}

LatitudeRow LatitudeRowOf(double latitude, const Day& day) {
  LatitudeRow row;
  row.latitude = latitude;
  const SkyObserver at = At(latitude);
  std::tie(row.nauticalMorning, row.nauticalEvening) = SunPassages(at, day, kNauticalTwilight);
  std::tie(row.civilMorning, row.civilEvening) = SunPassages(at, day, kCivilTwilight);
  std::tie(row.sunrise, row.sunset) = SunPassages(at, day, StandardAltitude(BodyKind::Sun));

  const SkyBody moon = BodyOf(BodyKind::Moon);
  const RiseTransitSetResult r = RiseTransitSetFor(moon, at, day.Instant(), 0.0);
  if (r.status != HorizonStatus::Crosses) {
    row.moonrise = row.moonset = {std::nullopt, r.status};
  } else {
    const double h0 = StandardAltitude(BodyKind::Moon);
    row.moonrise = {Checked(moon, at, day, 24.0 * r.rise, Crossing::Rise, h0)};
    row.moonset = {Checked(moon, at, day, 24.0 * r.set, Crossing::Set, h0)};
  }
  return row;
}

// Days from the last New Moon to a UT Julian day.
double MoonAge(double jd, double deltaT) {
  double k = LunationBefore(jd);
  double newMoon = MoonPhase(k, kNewMoon) - deltaT / 86400.0;
  if (newMoon > jd) newMoon = MoonPhase(k - 1.0, kNewMoon) - deltaT / 86400.0;
  const double next = MoonPhase(k + 1.0, kNewMoon) - deltaT / 86400.0;
  if (next <= jd) newMoon = next;
  return jd - newMoon;
}

// Equation of time in seconds from the Sun's GHA at an hour of UT.
double EquationOfTime(double gha, double hours) { return 240.0 * Wrap180(gha - 15.0 * (hours - 12.0)); }

}  // namespace

const char* PagePlanetName(PagePlanet planet) {
  static constexpr const char* kNames[] = {"Venus", "Mars", "Jupiter", "Saturn"};
  return kNames[static_cast<int>(planet)];
}

const std::vector<double>& StandardLatitudes() {
  static const std::vector<double> latitudes = {72,  70,  68,  66,  64,  62,  60,  58,  56,  54,  52,
                                                50,  45,  40,  35,  30,  20,  10,  0,   -10, -20, -30,
                                                -35, -40, -45, -50, -52, -54, -56, -58, -60};
  return latitudes;
}

DailyPage DailyPageOf(double jd0) {
  DailyPage page;
  const CalendarDate date = JDToCalendar(jd0);
  page.year = date.year;
  page.month = date.month;
  page.day = static_cast<int>(std::floor(date.day));
  page.jd0 = jd0;
  page.deltaT = DeltaT((jd0 - 2451545.0) / 36525.0);
  const Day day{jd0, page.deltaT};

  const SkyBody sun = BodyOf(BodyKind::Sun), moon = BodyOf(BodyKind::Moon);
  // Hour 24 gives the last hour its v and d and the day its rates.
  std::vector<HourPlace> sunAt, moonAt;
  std::array<std::vector<HourPlace>, kPagePlanetCount> planetAt;
  for (int h = 0; h <= 24; ++h) {
    sunAt.push_back(PlaceAtHour(sun, day, h));
    moonAt.push_back(PlaceAtHour(moon, day, h));
    for (PagePlanet p : kPlanets) planetAt[static_cast<int>(p)].push_back(PlaceAtHour(PlanetBody(p), day, h));
  }
  for (int h = 0; h < 24; ++h) {
    HourRow row;
    row.hour = h;
    row.ariesGha = Mod360(15.0 * SiderealTime(jd0, h).apparent);
    row.sun = {sunAt[h].gha, sunAt[h].dec};
    const HourPlace& m = moonAt[h];
    row.moon.gha = m.gha;
    row.moon.dec = m.dec;
    row.moon.v = 60.0 * Mod360(moonAt[h + 1].gha - m.gha) - kMoonBaseRatePerHour;
    row.moon.d = 60.0 * (moonAt[h + 1].dec - m.dec);
    row.moon.hp = 60.0 * m.body.parallax;
    for (int p = 0; p < kPagePlanetCount; ++p) row.planets[p] = {planetAt[p][h].gha, planetAt[p][h].dec};
    page.hours.push_back(row);
  }

  for (const NavigationalStar& star : NavigationalStars()) {
    const StarCatalogueData& s = star.place;
    const EquatorialPlace place = StarApparentPlace(s.raHours, s.decDeg, s.pmRa, s.pmDec, day.Centuries(0.0));
    page.stars.push_back({star.name, Mod360(360.0 - place.ra), place.dec});
  }

  page.sun.eot00 = EquationOfTime(sunAt[0].gha, 0.0);
  page.sun.eot12 = EquationOfTime(sunAt[12].gha, 12.0);
  page.sun.merPass = 24.0 * RiseTransitSetFor(sun, At(0.0), day.Instant(), 0.0).transit;
  page.sun.sd = SemidiameterAt(kSunSemidiameter1Au, sunAt[12].body.distanceAu.value_or(1.0)) / 60.0;
  page.sun.d = 60.0 * (sunAt[24].dec - sunAt[0].dec) / 24.0;

  page.moon.merPassUpper = Transit(moon, day);
  page.moon.merPassLower = Transit(moon, day, 180.0);
  page.moon.ageDays = MoonAge(jd0 + 0.5, page.deltaT);
  page.moon.phasePercent = moonAt[12].body.phase ? moonAt[12].body.phase->illuminatedPercent : 0.0;
  page.moon.sd = MoonSemidiameter(0.0, moonAt[12].body.distanceKm.value_or(385000.56)) / 60.0;

  for (PagePlanet p : kPlanets) {
    const int i = static_cast<int>(p);
    PlanetOfDay& of = page.planets[i];
    of.merPass = Transit(PlanetBody(p), day);
    of.v = 60.0 * Wrap180(planetAt[i][24].gha - planetAt[i][0].gha) / 24.0;
    of.d = 60.0 * (planetAt[i][24].dec - planetAt[i][0].dec) / 24.0;
  }

  for (double latitude : StandardLatitudes()) page.latitudes.push_back(LatitudeRowOf(latitude, day));
  return page;
}

std::string DailyPagesRequestError(int year, int month, int day, int days) {
  if (year < kDailyPagesFirstYear || year > kDailyPagesLastYear)
    return "The first day must fall in the years -2000 to 4000";
  if (!IsCalendarDay(year, month, day)) return "The calendar has no such day";
  if (days < 1 || days > kDailyPagesMaxDays) return "The number of days must be 1 to 366";
  return "";
}

DailyPagesRun DailyPages(int year, int month, int day, int days) {
  DailyPagesRun run;
  run.message = DailyPagesRequestError(year, month, day, days);
  if (!run.message.empty()) return run;
  TDateRec first;
  first.Year = year;
  first.Month = month;
  first.Day = day;
  const double jd0 = JulianDay(first, 0.0).jd0;
  for (int i = 0; i < days; ++i) run.days.push_back(DailyPageOf(jd0 + i));
  return run;
}

std::string PageClockText(double hours) {
  const int minutes = std::clamp(static_cast<int>(std::lround(hours * 60.0)), 0, 24 * 60 - 1);
  char text[32];  // room for any int, though the clamp keeps it to hh:mm
  std::snprintf(text, sizeof text, "%02d:%02d", minutes / 60, minutes % 60);
  return text;
}

}  // namespace veltrane
