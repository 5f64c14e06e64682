#include <cmath>
#include <cstdio>
#include <string>

#include "astro/moon.h"
#include "astro/parallax.h"
#include "astro/rise_transit_set.h"
#include "astro/sidereal_time.h"
#include "astro/star_place.h"
#include "astro/star_record.h"
#include "astro/sun.h"
#include "cli/commands.h"
#include "cli/observer_output.h"
#include "cli/time_arguments.h"
#include "foundation/paths.h"
#include "foundation/text_file.h"

#ifndef VELTRANE_BUILD_PROGRAM_DIR
#define VELTRANE_BUILD_PROGRAM_DIR ""
#endif

namespace veltrane::cli {
namespace {

std::set<std::string> With(std::set<std::string> names, const std::set<std::string>& more) {
  names.insert(more.begin(), more.end());
  return names;
}

Json TimeJson(const TimeArguments& time) {
  return Json::Object()
      .Set("jd", time.jd0 + time.hours / 24.0)
      .Set("delta_t_s", time.deltaT);
}

// The star named on the command line, from --catalogue or the usual "Mstars.dat".
struct CatalogueStar {
  std::string name;
  StarCatalogueData data;
};

std::string DefaultCatalogue() {
  const std::string settings = SettingsFolderFromEnvironment() + "Mstars.dat";
  if (FileExists(settings)) return settings;
  return std::string(VELTRANE_BUILD_PROGRAM_DIR) + "Mstars.dat";
}

std::optional<CatalogueStar> ReadCatalogueStar(const Args& args, std::string& error) {
  const std::string name = args.Text("--name");
  const std::string path = args.OptionalText("--catalogue").value_or(DefaultCatalogue());
  const std::optional<std::vector<StarRecord>> stars = LoadStarFile(path);
  if (!stars) {
    error = "File " + path + " is missing.";
    return std::nullopt;
  }
  const StarRecord* star = FindStar(*stars, name);
  if (!star) {
    error = "No star named '" + name + "' in " + path;
    return std::nullopt;
  }
  return CatalogueStar{star->name, StarCatalogueDataOf(*star)};
}

Result Sun(const std::vector<std::string>& words) {
  const Args args(words);
  args.Only(With({"--utc"}, ObserverOptionNames()));
  const TimeArguments time = TimeArgumentsAt(args, "--utc");
  const std::optional<Observer> observer = ReadObserver(args);
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

Result Moon(const std::vector<std::string>& words) {
  const Args args(words);
  args.Only(With({"--utc"}, ObserverOptionNames()));
  const TimeArguments time = TimeArgumentsAt(args, "--utc");
  const std::optional<Observer> observer = ReadObserver(args);
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

Result Star(const std::vector<std::string>& words) {
  const Args args(words);
  args.Only(With({"--utc", "--name", "--catalogue"}, ObserverOptionNames()));
  const TimeArguments time = TimeArgumentsAt(args, "--utc");
  const std::optional<Observer> observer = ReadObserver(args);
  std::string error;
  const std::optional<CatalogueStar> star = ReadCatalogueStar(args, error);
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

Result RiseSet(const std::vector<std::string>& words) {
  const Args args(words);
  args.Only({"--body", "--date", "--lat", "--lon", "--name", "--zone", "--catalogue"});
  const std::string body = args.Text("--body");
  if (body != "sun" && body != "moon" && body != "star")
    throw UsageError("--body: must be sun, moon or star");
  const TimeArguments time = TimeArgumentsAt(args, "--date");
  const Observer observer = ReadObserverAt(args);
  const double zone = args.OptionalNumber("--zone").value_or(0.0);
  if (std::fabs(zone) > 14.0) throw UsageError("--zone: must lie in -14..14 hours");

  std::optional<CatalogueStar> star;
  if (body == "star") {
    std::string error;
    star = ReadCatalogueStar(args, error);
    if (!star) return ErrorResult(error);
  }
  RiseTransitSetInput in;
  // The places at 0h dynamical time of the three days; the Delta T argument carries them to UT.
  for (int day = 0; day < 3; ++day) {
    const double t = (time.jd0 + (day - 1) - 2451545.0) / 36525.0;
    if (body == "sun") {
      const SunApparentResult p = SunApparent(t);
      in.ra[day] = p.ra;
      in.dec[day] = p.dec;
    } else if (body == "moon") {
      const MoonPositionResult p = MoonPosition(t);
      in.ra[day] = p.ra;
      in.dec[day] = p.dec;
    } else {
      const StarCatalogueData& d = star->data;
      const EquatorialPlace p = StarApparentPlace(d.raHours, d.decDeg, d.pmRa, d.pmDec, t);
      in.ra[day] = p.ra;
      in.dec[day] = p.dec;
    }
  }
  in.h0 = body == "sun" ? -0.8333 : (body == "moon" ? 0.125 : -0.5667);
  in.latitude = observer.lat;
  in.lonWest = observer.lonWest;
  in.jd0 = time.jd0;
  in.deltaT = time.deltaT;
  in.zoneHours = zone;
  const RiseTransitSetResult r = RiseTransitSet(in);

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

Result Sidereal(const std::vector<std::string>& words) {
  const Args args(words);
  args.Only({"--utc"});
  const TimeArguments time = TimeArgumentsAt(args, "--utc");
  const SiderealTimeResult st = SiderealTime(time.jd0, time.hours);
  return {Json::Object()
              .Set("jd", time.jd0 + time.hours / 24.0)
              .Set("gmst_h", st.mean)
              .Set("gast_h", st.apparent)
              .Set("dpsi_arcsec", st.dPsi)};
}

}  // namespace

void RegisterAstroCommands(CommandTable& table) {
  table["sun"] = Sun;
  table["moon"] = Moon;
  table["star"] = Star;
  table["rise-set"] = RiseSet;
  table["sidereal"] = Sidereal;
}

}  // namespace veltrane::cli
