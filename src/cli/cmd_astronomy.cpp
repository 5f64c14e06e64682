// The astronomy program's commands: identification of a measured star or planet, and twilight.
#include <memory>

#include "astro/identify.h"
#include "astro/twilight.h"
#include "cli/commands.h"
#include "cli/star_file.h"
#include "cli/time_arguments.h"
#include "coastal/distance_off.h"
#include "foundation/clock_text.h"

namespace veltrane::cli {
namespace {

// Matches listed by identify, best first.
constexpr size_t kMatches = 5;

struct IdentifyOptions {
  UtcTime utc;
  LatLon at;
  double hs = 0.0;
  double azimuth = 0.0;
  double maxMagnitude = 6.0;
  double eyeHeight = 0.0;
  double pressure = 1010.0;
  double temperature = 10.0;
  std::optional<std::string> catalogue;
};

Json Optional(const std::optional<double>& value) { return value ? Json::Number(*value) : Json::Null(); }

Result Identify(const IdentifyOptions& o) {
  const TimeArguments time = TimeArgumentsOf(o.utc);
  const std::string path = o.catalogue.value_or(DefaultStarFile());
  const std::optional<std::vector<StarRecord>> stars = LoadStarFile(path);
  if (!stars) return ErrorResult("File " + path + " is missing.");
  IdentifyInput in;
  // The observer's height serves both the place on the Earth and the dip, as in the window.
  in.observer = {o.at.lat, -o.at.lon, o.eyeHeight, o.pressure, o.temperature};
  in.instant = {time.jd0, time.hours, time.deltaT};
  in.measuredHeight = o.hs;
  in.dip = DipDeg(o.eyeHeight * kFeetPerMetre);
  in.azimuth = o.azimuth;
  in.maxMagnitude = o.maxMagnitude;
  const IdentifyResult r = IdentifyBody(in, *stars, kMatches);
  Json matches = Json::Array();
  for (const IdentifyCandidate& c : r.matches)
    matches.Push(Json::Object()
                     .Set("name", c.name)
                     .Set("kind", c.planet ? "planet" : "star")
                     .Set("dec_deg", c.dec)
                     .Set("lha_deg", c.lha)
                     .Set("height_deg", c.height)
                     .Set("azimuth_deg", c.azimuth)
                     .Set("magnitude", Optional(c.magnitude))
                     .Set("distance_deg", c.distance));
  return {Json::Object()
              .Set("observed", Json::Object()
                                   .Set("ha_deg", r.apparentHeight)
                                   .Set("ho_deg", r.observedHeight)
                                   .Set("dec_deg", r.dec)
                                   .Set("lha_deg", r.lha))
              .Set("matches", matches)
              .Set("delta_t_s", time.deltaT)};
}

struct TwilightOptions {
  UtcTime date;
  LatLon at;
  double zone = 0.0;
  std::optional<double> altitude;
};

Json Clock(const std::optional<double>& hours) {
  return hours ? Json::String(FmtClockHHMM(*hours, true)) : Json::Null();
}

Result TwilightCommand(const TwilightOptions& o) {
  UtcTime day = o.date;
  day.hours = 0.0;
  const TimeArguments time = TimeArgumentsOf(day);
  SkyObserver observer;
  observer.latitude = o.at.lat;
  observer.lonWest = -o.at.lon;
  const SkyInstant instant{time.jd0, 0.0, time.deltaT};
  const Twilight t = TwilightOfDay(observer, instant, o.zone);
  Json out = Json::Object()
                 .Set("civil_begin_utc", Clock(t.civil.morning))
                 .Set("civil_end_utc", Clock(t.civil.evening))
                 .Set("nautical_begin_utc", Clock(t.nautical.morning))
                 .Set("nautical_end_utc", Clock(t.nautical.evening))
                 .Set("astronomical_begin_utc", Clock(t.astronomical.morning))
                 .Set("astronomical_end_utc", Clock(t.astronomical.evening));
  if (o.altitude) {
    const SunCrossings c = SunAltitudeCrossings(observer, instant, *o.altitude, o.zone);
    out.Set("custom_begin_utc", Clock(c.morning)).Set("custom_end_utc", Clock(c.evening));
  }
  return {out.Set("delta_t_s", time.deltaT)};
}

}  // namespace

void RegisterAstronomyCommands(CommandSet& commands) {
  auto id = std::make_shared<IdentifyOptions>();
  CLI::App* i = commands.Add("identify", "The stars and planets nearest to a measured height and bearing",
                             [id] { return Identify(*id); });
  AddUtc(i, "--utc", id->utc, "the instant of the sight")->required();
  AddPosition(i, "--at", id->at, "the observer's latitude and longitude")->required();
  AddNumber(i, "--hs", id->hs, "sextant height, degrees", -5, 90)->required();
  AddNumber(i, "--azimuth", id->azimuth, "bearing of the body, degrees true", 0, 360)->required();
  AddNumber(i, "--max-magnitude", id->maxMagnitude, "faintest star searched (default 6)", -2, 10);
  AddNumber(i, "--eye-height", id->eyeHeight, "height of eye above the sea, m (default 0)", 0, 8900);
  AddNumber(i, "--pressure", id->pressure, "air pressure, hPa (default 1010)", 0, 1200);
  AddNumber(i, "--temperature", id->temperature, "air temperature, C (default 10)", -90, 60);
  AddText(i, "--catalogue", id->catalogue, "star file (default: Mstars.dat of the settings folder)");

  auto tw = std::make_shared<TwilightOptions>();
  CLI::App* t = commands.Add("twilight", "Begin and end of civil, nautical and astronomical twilight in UT",
                             [tw] { return TwilightCommand(*tw); });
  AddUtc(t, "--date", tw->date, "the date")->required();
  AddPosition(t, "--at", tw->at, "the observer's latitude and longitude")->required();
  AddNumber(t, "--zone", tw->zone, "UT minus local time, hours: the local day of the events (default 0)", -14, 14);
  AddNumber(t, "--altitude", tw->altitude, "also the times of this altitude of the Sun's centre, degrees", -90, 90);
}

}  // namespace veltrane::cli
