#include "astro/daily_pages.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <tuple>

#include "astro/almanac_calendar.h"
#include "astro/body_rise_set.h"
#include "astro/body_summary.h"
#include "astro/moon.h"
#include "astro/moon_phase.h"
#include "astro/navigational_stars.h"
#include "astro/parallax.h"
#include "astro/sidereal_time.h"
#include "astro/star_place.h"
#include "astro/sun.h"
#include "astro/sun_precise.h"
#include "astro/twilight.h"
#include "foundation/angles.h"
#include "foundation/calendar.h"

namespace veltrane {
namespace {

constexpr double kSecondsPerCentury = 86400.0 * 36525.0;
// A meridian passage is believed when the body is seen to cross within this many hours of it.
constexpr double kTransitCheckHours = 10.0 / 60.0;
constexpr int kPassageSamples = 4;
constexpr double kPassageSampleHours = 5.0 / 60.0;

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
};

struct HourPlace {
  double gha = 0.0, dec = 0.0;
  ApparentBody body;
};

// The Sun from the planetary theory: the short solar theory strays by up to half a minute of
// arc, more than the pages may.
ApparentBody PagePlaceOf(const SkyBody& body, double t) {
  if (body.kind != BodyKind::Sun) return ApparentPlaceOf(body, t);
  const SunPrecisePlace sun = SunApparentPrecise(t);
  ApparentBody b;
  b.ra = sun.ra, b.dec = sun.dec;
  b.parallax = SunHorizontalParallax(sun.radiusVector);
  b.distanceAu = sun.radiusVector;
  return b;
}

HourPlace PlaceAtHour(const SkyBody& body, const Day& day, double hours) {
  HourPlace p;
  p.body = PagePlaceOf(body, day.Centuries(hours));
  p.gha = HourAngleD(SiderealTime(day.jd0, hours).apparent, p.body.ra);
  p.dec = p.body.dec;
  return p;
}

// Upper meridian passage over a longitude, hours of UT.
double TransitHours(const SkyBody& body, const Day& day, double lonWest) {
  const PlaceAtTime placeAt = [&body](double t) {
    const ApparentBody p = PagePlaceOf(body, t);
    return EquatorialPlace{p.ra, p.dec};
  };
  return 24.0 * RiseTransitSetFor(placeAt, 0.0, {day.jd0, day.deltaT, 0.0, lonWest, 0.0}).transit;
}

// The passage when the body really passes there that day: none for a time carried over from
// the day before or after.
std::optional<double> Transit(const SkyBody& body, const Day& day, double lonWest = 0.0) {
  const double hours = TransitHours(body, day, lonWest);
  const double before = Wrap180(PlaceAtHour(body, day, hours - kTransitCheckHours).gha - lonWest);
  const double after = Wrap180(PlaceAtHour(body, day, hours + kTransitCheckHours).gha - lonWest);
  if (before < 0.0 && after >= 0.0 && after - before < 90.0) return hours;
  return std::nullopt;
}

// What the rising and setting of a body at every latitude start from.
struct DayOfBody {
  std::vector<PlaceSample> samples;
  GhaDecAt placeAt;
};

// The place between the hours by cubic interpolation through the four hourly places around it.
// The Sun's hour angle and declination are smooth enough for this to stay far below a second of
// arc, and the planetary theory is too dear to run at every trial time of every latitude.
GhaDec BetweenTheHours(const std::vector<HourPlace>& hourly, double hours) {
  const int first = std::clamp(static_cast<int>(std::floor(hours)) - 1, 0, static_cast<int>(hourly.size()) - 4);
  double gha = 0.0, dec = 0.0, unwrapped = hourly[first].gha;
  for (int j = 0; j < 4; ++j) {
    if (j > 0) unwrapped += Wrap180(hourly[first + j].gha - hourly[first + j - 1].gha);
    double weight = 1.0;
    for (int k = 0; k < 4; ++k)
      if (k != j) weight *= (hours - (first + k)) / (j - k);
    gha += weight * unwrapped;
    dec += weight * hourly[first + j].dec;
  }
  return {Norm360(gha), dec};
}

// The hourly places, and places every five minutes for twenty minutes either side of each
// meridian passage, in order of time. A body is highest and lowest near its passages; the Moon,
// its declination changing fast, up to a quarter of an hour from them at 72 degrees. A Moon
// that shows for a few minutes only is caught there.
DayOfBody DayOf(const GhaDecAt& placeAt, const std::vector<HourPlace>& hourly,
                const std::vector<std::optional<double>>& passages) {
  DayOfBody d;
  d.placeAt = placeAt;
  for (std::size_t h = 0; h < hourly.size(); ++h)
    d.samples.push_back({static_cast<double>(h), {hourly[h].gha, hourly[h].dec}});
  for (const std::optional<double>& passage : passages) {
    if (!passage) continue;
    for (int k = -kPassageSamples; k <= kPassageSamples; ++k) {
      const double hours = *passage + k * kPassageSampleHours;
      if (hours > 0.0 && hours < 24.0) d.samples.push_back({hours, d.placeAt(hours)});
    }
  }
  std::sort(d.samples.begin(), d.samples.end(),
            [](const PlaceSample& a, const PlaceSample& b) { return a.hours < b.hours; });
  return d;
}

std::pair<PageTime, PageTime> Passages(const DayOfBody& body, double latitude, double altitude) {
  const DayCrossings c = CrossingsOfDay(body.samples, body.placeAt, latitude, 0.0, altitude);
  return {{c.rise, c.status}, {c.set, c.status}};
}

LatitudeRow LatitudeRowOf(double latitude, const DayOfBody& sun, const DayOfBody& moon) {
  LatitudeRow row;
  row.latitude = latitude;
  std::tie(row.nauticalMorning, row.nauticalEvening) = Passages(sun, latitude, kNauticalTwilight);
  std::tie(row.civilMorning, row.civilEvening) = Passages(sun, latitude, kCivilTwilight);
  std::tie(row.sunrise, row.sunset) = Passages(sun, latitude, StandardAltitude(BodyKind::Sun));
  std::tie(row.moonrise, row.moonset) = Passages(moon, latitude, StandardAltitude(BodyKind::Moon));
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
  page.sun.merPass = TransitHours(sun, day, 0.0);
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

  // The Sun is lowest half a day from its passage, near enough for finding a short night.
  const double sunLower = page.sun.merPass < 12.0 ? page.sun.merPass + 12.0 : page.sun.merPass - 12.0;
  const DayOfBody sunDay = DayOf([&sunAt](double hours) { return BetweenTheHours(sunAt, hours); }, sunAt,
                                 {page.sun.merPass, sunLower});
  const DayOfBody moonDay = DayOf(
      [&moon, &day](double hours) {
        const HourPlace p = PlaceAtHour(moon, day, hours);
        return GhaDec{p.gha, p.dec};
      },
      moonAt, {page.moon.merPassUpper, page.moon.merPassLower});
  for (double latitude : StandardLatitudes()) page.latitudes.push_back(LatitudeRowOf(latitude, sunDay, moonDay));
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
