#include <algorithm>
#include <cctype>

#include "astro/almanac_calendar.h"
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

Result PlanetCommand(const std::vector<std::string>& words) {
  const Args args(words);
  std::set<std::string> known = ObserverOptionNames();
  known.insert({"--name", "--utc"});
  args.Only(known);
  const Planet planet = PlanetNamed(args.Text("--name"));
  const TimeArguments time = TimeArgumentsAt(args, "--utc");
  const std::optional<Observer> observer = ReadObserver(args);

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

Result AlmanacCommand(const std::vector<std::string>& words) {
  const Args args(words);
  args.Only({"--year", "--shadow"});
  const int year = args.Integer("--year");
  if (year < -2000 || year > 4000) throw UsageError("--year: must lie in -2000..4000");
  const int shadow = args.Has("--shadow") ? args.Integer("--shadow") : 0;
  if (shadow != 0 && shadow != 1) throw UsageError("--shadow: must be 0 or 1");

  Json events = Json::Array();
  for (const AlmanacEvent& e : YearEvents(year, shadow)) {
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

Result JupiterMoonsCommand(const std::vector<std::string>& words) {
  const Args args(words);
  args.Only({"--utc"});
  const TimeArguments time = TimeArgumentsAt(args, "--utc");
  const JupiterMoons moons = JupiterSatellites(time.jd0, time.hours);
  static const char* const kNames[4] = {"io", "europa", "ganymede", "callisto"};
  Json out = Json::Object();
  for (size_t i = 0; i < moons.size(); ++i)
    out.Set(kNames[i], Json::Object().Set("x", moons[i].x).Set("y", moons[i].y));
  return {out};
}

}  // namespace

void RegisterPlanetCommands(CommandTable& table) {
  table["planet"] = PlanetCommand;
  table["almanac"] = AlmanacCommand;
  table["jupiter-moons"] = JupiterMoonsCommand;
}

}  // namespace veltrane::cli
