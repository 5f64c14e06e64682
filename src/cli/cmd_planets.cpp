#include <algorithm>
#include <cctype>
#include <memory>

#include "astro/almanac_calendar.h"
#include "astro/almanac_text.h"
#include "astro/almanac_year.h"
#include "astro/jupiter_satellites.h"
#include "astro/planet_position.h"
#include "astro/sidereal_time.h"
#include "cli/commands.h"
#include "cli/observer_output.h"
#include "cli/time_arguments.h"

namespace veltrane::cli {
namespace {

Planet PlanetNamed(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (int p = 0; p < kPlanetCount; ++p)
    if (name == PlanetKey(static_cast<Planet>(p))) return static_cast<Planet>(p);
  throw UsageError("--name: '" + name + "' is not mercury, venus, mars, jupiter, saturn, uranus or neptune");
}

struct PlanetOptions {
  std::string name;
  UtcTime utc;
  ObserverOptions observer;
};

Result PlanetCommand(const PlanetOptions& o) {
  const Planet planet = PlanetNamed(o.name);
  const TimeArguments time = TimeArgumentsOf(o.utc);
  const std::optional<Observer> observer = ObserverOf(o.observer);

  // The planet theory counts centuries from 1900 January 0.5, one century before 2000.
  const PlanetPositionResult p = PlanetPosition(planet, time.tDynamic + 1.0);
  const double gast = SiderealTime(time.jd0, time.hours).apparent;
  Json out = Json::Object();
  out.Set("jd", time.jd0 + time.hours / 24.0)
      .Set("delta_t_s", time.deltaT)
      .Set("ra_deg", p.ra)
      .Set("dec_deg", p.dec)
      .Set("distance_au", p.delta)
      .Set("r_au", p.r)
      .Set("hp_deg", p.parallax)
      .Set("phase_angle_deg", p.phaseAngle)
      .Set("illuminated_fraction", p.illuminatedFraction)
      .Set("magnitude", p.magnitude ? Json::Number(*p.magnitude) : Json::Null())
      .Set("semidiameter_arcsec", p.semidiameter)
      .Set("gast_h", gast)
      .Set("gha_deg", HourAngleD(gast, p.ra));
  if (observer) AddObserverPlace(out, *observer, p.ra, p.dec, p.parallax, time.jd0, time.hours);
  return {out};
}

struct AlmanacOptions {
  int year = 2000;
  int shadow = 0;
  std::string format = "json";
  double zone = 0.0;
};

Result AlmanacCommand(const AlmanacOptions& o) {
  const int year = o.year;
  if (o.format == "csv") {
    std::string csv = AlmanacCsv(YearEvents(year, o.shadow), o.zone);
    csv.pop_back();  // the tool ends its output with a line end of its own
    return {Json::Null(), 0, csv};
  }
  Json events = Json::Array();
  for (const AlmanacEvent& e : YearEvents(year, o.shadow)) {
    Json item = Json::Object();
    item.Set("kind", e.kind);
    if (e.planet) item.Set("body", PlanetKey(*e.planet));
    item.Set("jde", e.jde).Set("utc", MinuteText(e.jdUt));
    if (e.eclipseType) item.Set("type", e.eclipseType);
    if (e.magnitude) item.Set("magnitude", *e.magnitude);
    if (e.partialSemiDuration) item.Set("partial_semiduration_h", *e.partialSemiDuration);
    if (e.totalSemiDuration) item.Set("total_semiduration_h", *e.totalSemiDuration);
    events.Push(item);
  }
  Json out = Json::Object();
  out.Set("year", static_cast<double>(year)).Set("events", events);
  return {out};
}

Result JupiterMoonsCommand(const UtcTime& utc) {
  const TimeArguments time = TimeArgumentsOf(utc);
  const JupiterMoons moons = JupiterSatellites(time.jd0, time.hours);
  static const char* const kNames[4] = {"io", "europa", "ganymede", "callisto"};
  Json out = Json::Object();
  for (size_t i = 0; i < moons.size(); ++i)
    out.Set(kNames[i], Json::Object().Set("x", moons[i].x).Set("y", moons[i].y));
  return {out};
}

}  // namespace

void RegisterPlanetCommands(CommandSet& commands) {
  auto planet = std::make_shared<PlanetOptions>();
  CLI::App* p = commands.Add("planet", "Apparent place, distance, phase and magnitude of a planet",
                             [planet] { return PlanetCommand(*planet); });
  AddText(p, "--name", planet->name, "mercury, venus, mars, jupiter, saturn, uranus or neptune")->required();
  AddUtc(p, "--utc", planet->utc, "the instant")->required();
  AddObserverOptions(p, planet->observer, false);

  auto almanac = std::make_shared<AlmanacOptions>();
  CLI::App* a = commands.Add("almanac", "The year's eclipses, equinoxes, solstices and planet events",
                             [almanac] { return AlmanacCommand(*almanac); });
  AddInteger(a, "--year", almanac->year, "the year", kFirstYear, kLastYear)->required();
  AddInteger(a, "--shadow", almanac->shadow, "1 for the larger shadow of lunar eclipses (default 0)", 0, 1);
  AddChoice(a, "--format", almanac->format, "json (default) or csv: a header row and one event a row", {"json", "csv"});
  AddNumber(a, "--zone", almanac->zone, "UT minus local time for the csv's local column, hours (default 0)", -14, 14);

  auto utc = std::make_shared<UtcTime>();
  CLI::App* j = commands.Add("jupiter-moons", "Places of Jupiter's four large moons, in Jupiter radii",
                             [utc] { return JupiterMoonsCommand(*utc); });
  AddUtc(j, "--utc", *utc, "the instant")->required();
}

}  // namespace veltrane::cli
