#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

#include "astro/body_rise_set.h"
#include "astro/moon.h"
#include "astro/parallax.h"
#include "astro/sidereal_time.h"
#include "astro/star_place.h"
#include "astro/star_record.h"
#include "astro/sun.h"
#include "cli/catalogue_star.h"
#include "cli/commands.h"
#include "cli/observer_output.h"
#include "cli/star_file.h"
#include "cli/time_arguments.h"
#include "foundation/angles.h"

namespace veltrane::cli {
namespace {

Json TimeJson(const TimeArguments& time) {
  return Json::Object()
      .Set("jd", time.jd0 + time.hours / 24.0)
      .Set("delta_t_s", time.deltaT);
}

// The options of the body commands.
struct BodyOptions {
  UtcTime utc;
  ObserverOptions observer;
  std::string name;
  std::optional<std::string> catalogue;
};

Result Sun(const BodyOptions& o) {
  const TimeArguments time = TimeArgumentsOf(o.utc);
  const std::optional<Observer> observer = ObserverOf(o.observer);
  const SunApparentResult sun = SunApparent(time.tDynamic);
  const double r = SunPosition(time.tDynamic).radiusVector;
  const double gast = SiderealTime(time.jd0, time.hours).apparent;
  Json out = TimeJson(time);
  out.Set("ra_deg", sun.ra)
      .Set("dec_deg", sun.dec)
      .Set("hp_deg", sun.parallax)
      .Set("r_au", r)
      .Set("semidiameter_arcsec", SemidiameterAt(kSunSemidiameter1Au, r))
      .Set("gast_h", gast)
      .Set("gha_deg", HourAngleD(gast, sun.ra));
  if (observer) AddObserverPlace(out, *observer, sun.ra, sun.dec, sun.parallax, time.jd0, time.hours);
  return {out};
}

Result Moon(const BodyOptions& o) {
  const TimeArguments time = TimeArgumentsOf(o.utc);
  const std::optional<Observer> observer = ObserverOf(o.observer);
  const MoonPositionResult moon = MoonPosition(time.tDynamic);
  const double gast = SiderealTime(time.jd0, time.hours).apparent;
  Json out = TimeJson(time);
  out.Set("ra_deg", moon.ra)
      .Set("dec_deg", moon.dec)
      .Set("hp_deg", moon.parallax)
      .Set("distance_km", moon.distance)
      .Set("semidiameter_arcsec", MoonSemidiameter(0.0, moon.distance))
      .Set("gast_h", gast)
      .Set("gha_deg", HourAngleD(gast, moon.ra))
      .Set("illuminated_percent", moon.illuminatedPercent)
      .Set("elongation_deg", moon.elongation);
  if (observer) AddObserverPlace(out, *observer, moon.ra, moon.dec, moon.parallax, time.jd0, time.hours);
  return {out};
}

Result Star(const BodyOptions& o) {
  const TimeArguments time = TimeArgumentsOf(o.utc);
  const std::optional<Observer> observer = ObserverOf(o.observer);
  std::string error;
  const std::optional<CatalogueStar> star = ReadCatalogueStar(o.name, o.catalogue, error);
  if (!star) return ErrorResult(error);
  const StarCatalogueData& d = star->data;
  const EquatorialPlace place =
      StarApparentPlace(d.raHours, d.decDeg, d.pmRa, d.pmDec, time.tDynamic);
  const double gast = SiderealTime(time.jd0, time.hours).apparent;
  Json out = Json::Object().Set("name", star->name);
  out.Set("jd", time.jd0 + time.hours / 24.0)
      .Set("delta_t_s", time.deltaT)
      .Set("ra_deg", place.ra)
      .Set("dec_deg", place.dec)
      .Set("gha_deg", HourAngleD(gast, place.ra));
  if (observer) AddObserverPlace(out, *observer, place.ra, place.dec, 0.0, time.jd0, time.hours);
  return {out};
}

Json ClockJson(double dayFraction) {
  int minutes = static_cast<int>(std::lround(dayFraction * 1440.0)) % 1440;
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%02d", minutes / 60, minutes % 60);
  return Json::String(text);
}

struct RiseSetOptions {
  std::string body;
  UtcTime date;
  double lat = 0.0, lon = 0.0, zone = 0.0;
  std::optional<std::string> name, catalogue;
};

Result RiseSet(const RiseSetOptions& o) {
  const TimeArguments time = TimeArgumentsOf(o.date);
  std::optional<CatalogueStar> star;
  if (o.body == "star") {
    if (!o.name) throw UsageError("--name is required for a star");
    std::string error;
    star = ReadCatalogueStar(*o.name, o.catalogue, error);
    if (!star) return ErrorResult(error);
  }
  const RiseSetBody body = o.body == "sun" ? RiseSetBody::Sun : o.body == "moon" ? RiseSetBody::Moon : RiseSetBody::Star;
  RiseSetDay day;
  day.jd0 = time.jd0;
  day.deltaT = time.deltaT;
  day.latitude = o.lat;
  day.lonWest = WestLongitude(o.lon);
  day.zoneHours = o.zone;
  const RiseTransitSetResult r = RiseTransitSetFor(body, day, star ? star->data : StarCatalogueData{});

  Json out = Json::Object();
  if (r.status == HorizonStatus::Crosses) {
    out.Set("rise_utc", ClockJson(r.rise))
        .Set("transit_utc", ClockJson(r.transit))
        .Set("set_utc", ClockJson(r.set))
        .Set("status", Json::Null());
  } else {
    out.Set("rise_utc", Json::Null())
        .Set("transit_utc", Json::Null())
        .Set("set_utc", Json::Null())
        .Set("status", HorizonStatusText(r.status));
  }
  if (star) out.Set("name", star->name);
  return {out.Set("delta_t_s", time.deltaT)};
}

Result Sidereal(const UtcTime& utc) {
  const TimeArguments time = TimeArgumentsOf(utc);
  const SiderealTimeResult st = SiderealTime(time.jd0, time.hours);
  return {Json::Object()
              .Set("jd", time.jd0 + time.hours / 24.0)
              .Set("gmst_h", st.mean)
              .Set("gast_h", st.apparent)
              .Set("dpsi_arcsec", st.dPsi)};
}

}  // namespace

void RegisterAstroCommands(CommandSet& commands) {
  auto sun = std::make_shared<BodyOptions>();
  CLI::App* s = commands.Add("sun", "Apparent place of the Sun; with --lat and --lon, as seen from there",
                             [sun] { return Sun(*sun); });
  AddUtc(s, "--utc", sun->utc, "the instant")->required();
  AddObserverOptions(s, sun->observer, false);

  auto moon = std::make_shared<BodyOptions>();
  CLI::App* m = commands.Add("moon", "Apparent place and phase of the Moon; with --lat and --lon, as seen from there",
                             [moon] { return Moon(*moon); });
  AddUtc(m, "--utc", moon->utc, "the instant")->required();
  AddObserverOptions(m, moon->observer, false);

  auto star = std::make_shared<BodyOptions>();
  CLI::App* st = commands.Add("star", "Apparent place of a star of the star file; with --lat and --lon, as seen from there",
                              [star] { return Star(*star); });
  AddText(st, "--name", star->name, "the star's name")->required();
  AddUtc(st, "--utc", star->utc, "the instant")->required();
  AddText(st, "--catalogue", star->catalogue, "star file (default Mstars.dat of the settings folder)");
  AddObserverOptions(st, star->observer, false);

  auto rise = std::make_shared<RiseSetOptions>();
  CLI::App* r = commands.Add("rise-set", "Rising, transit and setting of the Sun, the Moon or a star on a day",
                             [rise] { return RiseSet(*rise); });
  AddChoice(r, "--body", rise->body, "the body", {"sun", "moon", "star"})->required();
  AddUtc(r, "--date", rise->date, "the day, YYYY-MM-DD")->required();
  AddNumber(r, "--lat", rise->lat, "observer's latitude, degrees north", -90, 90)->required();
  AddNumber(r, "--lon", rise->lon, "observer's longitude, degrees east", -180, 180)->required();
  AddNumber(r, "--zone", rise->zone, "hours added to UT for the times shown (default 0)", -14, 14);
  AddText(r, "--name", rise->name, "the star's name, for --body star");
  AddText(r, "--catalogue", rise->catalogue, "star file (default Mstars.dat of the settings folder)");

  auto sidereal = std::make_shared<UtcTime>();
  CLI::App* sd = commands.Add("sidereal", "Greenwich mean and apparent sidereal time",
                              [sidereal] { return Sidereal(*sidereal); });
  AddUtc(sd, "--utc", *sidereal, "the instant")->required();
}

}  // namespace veltrane::cli
