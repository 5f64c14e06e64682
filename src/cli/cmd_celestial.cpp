// Celestial navigation on the command line: a sight reduced to its intercept and line of
// position, the fix of two lines, noon, the time sight and equal altitudes. Longitudes are east
// positive here and west positive in the engine.
#include <memory>

#include "celestial/body_ephemeris.h"
#include "celestial/lines_of_position.h"
#include "celestial/sight_corrections.h"
#include "celestial/sight_reduction.h"
#include "celestial/noon_and_time_sights.h"
#include "cli/catalogue_star.h"
#include "cli/commands.h"
#include "cli/sight_log_fix.h"
#include "foundation/angles.h"
#include "foundation/calendar.h"
#include "foundation/numbers.h"

namespace veltrane::cli {
namespace {

TDateRec DateOf(const UtcTime& t) {
  TDateRec d;
  d.Year = t.year, d.Month = t.month, d.Day = t.day;
  return d;
}

PositionRecord WestPositive(const LatLon& p) { return {0.0, p.lat, -p.lon}; }

Json LonEast(double lonWest) { return Json::Number(Norm180(-lonWest)); }

// "hh:mm:ss" of UT hours within a day, seconds rounded.
std::string ClockText(double hours) {
  long seconds = std::lround(hours * 3600.0) % 86400;
  if (seconds < 0) seconds += 86400;
  char text[16];
  std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60, seconds % 60);
  return text;
}

struct SextantOptions {
  double indexError = 0.0, eyeHeight = 0.0, pressure = 1010.0, temperature = 10.0;
  std::optional<double> obstruction;
  std::string limb = "lower";
};

void AddSextantOptions(CLI::App* c, SextantOptions& s) {
  AddNumber(c, "--index-error", s.indexError, "sextant index error, minutes, added to the altitude", -10, 10);
  AddNumber(c, "--eye-height", s.eyeHeight, "height of eye, m", 0, 8900);
  AddNumber(c, "--obstruction", s.obstruction, "distance to a shore short of the horizon, NM", 1e-6, 9999);
  AddNumber(c, "--pressure", s.pressure, "pressure, mb", 950, 1080);
  AddNumber(c, "--temperature", s.temperature, "temperature, C", -70, 60);
  AddChoice(c, "--limb", s.limb, "limb of the Sun or the Moon (default lower)", {"lower", "upper"});
}

SextantData SextantOf(const SextantOptions& o) {
  SextantData s;
  s.indexError = o.indexError;
  s.eyeHeight = o.eyeHeight;
  s.obstruction = o.obstruction;
  s.pressure = o.pressure;
  s.temperature = o.temperature;
  s.limb = o.limb == "upper" ? Limb::Upper : Limb::Lower;
  return s;
}

// The body of --body (and --star), placed for the observer at the instant.
struct BodyChoice {
  std::string body = "sun";
  std::optional<std::string> star, catalogue;
};

void AddBodyOptions(CLI::App* c, BodyChoice& b) {
  AddChoice(c, "--body", b.body, "the body", {"sun", "moon", "venus", "mars", "jupiter", "saturn", "star"})
      ->required();
  AddText(c, "--star", b.star, "the star's name, for --body star");
  AddText(c, "--catalogue", b.catalogue, "star file (default Mstars.dat of the settings folder)");
}

struct PlacedBody {
  NavBody body;
  BodyPlace place;
};

// Nothing, with the reason in error, when the star cannot be found.
std::optional<PlacedBody> Place(const BodyChoice& b, const SightObserver& observer, const UtcTime& utc,
                                std::string& error) {
  std::string upper = b.body;
  for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  const NavBody body = *NavBodyFromName(upper);
  std::optional<CatalogueStar> star;
  if (body == NavBody::Star) {
    if (!b.star) throw UsageError("--star is required for --body star");
    star = ReadCatalogueStar(*b.star, b.catalogue, error);
    if (!star) return std::nullopt;
  }
  return PlacedBody{body, BodyEphemeris(body, star ? &star->data : nullptr, observer, {DateOf(utc), utc.hours})};
}

struct SightOptions {
  BodyChoice body;
  UtcTime utc;
  LatLon ap;
  double hs = 0.0;
  SextantOptions sextant;
};

Result Sight(const SightOptions& o) {
  const SextantData sextant = SextantOf(o.sextant);
  const SightObserver observer{WestPositive(o.ap), sextant.eyeHeight, sextant.pressure, sextant.temperature};
  std::string error;
  const std::optional<PlacedBody> b = Place(o.body, observer, o.utc, error);
  if (!b) return ErrorResult(error);
  const BodyPlace& p = b->place;
  const CorrectedSight c = CorrectForBody(b->body, o.hs, sextant, p);
  const Intercept i = PlotIntercept(observer.assumed, p.zn, c.observed, p.hc);
  Json lop = Json::Null();
  if (i.lop)
    lop = Json::Object().Set("direction_deg", i.lop->Direction).Set("lat", i.lop->Lat).Set("lon", LonEast(i.lop->Lon));
  Json out = Json::Object();
  out.Set("delta_t_s", p.deltaT)
      .Set("gha_deg", p.gha)
      .Set("dec_deg", p.dec)
      .Set("lha_deg", p.lha)
      .Set("hc_deg", p.hc)
      .Set("hc_refracted_deg", p.hc + p.refraction)
      .Set("zn_deg", p.zn)
      .Set("apparent_altitude_deg", c.apparent)
      .Set("ho_deg", c.observed)
      .Set("correction_arcmin", c.correction)
      .Set("intercept_nm", i.miles)
      .Set("towards", Json::Bool(i.towards))
      .Set("lop", lop);
  return {out};
}

struct FixOptions {
  std::vector<std::string> lops;
  SightsFixOptions log;
};

PositionRecord LopIn(const std::string& text) {
  const std::string parts[3] = {GetField(text, ',', 0), GetField(text, ',', 1), GetField(text, ',', 2)};
  if (!GetField(text, ',', 3).empty() || parts[2].empty()) throw UsageError("--lop: must be DIR,LAT,LON");
  try {
    const double dir = NumberIn("--lop", parts[0], 0, 360);
    const double lat = NumberIn("--lop", parts[1], -90, 90);
    const double lon = NumberIn("--lop", parts[2], -180, 180);
    return {dir, lat, -lon};
  } catch (const CLI::ValidationError& e) {
    throw UsageError(e.what());
  }
}

Result Fix(const FixOptions& o) {
  if (o.log.sights) {
    if (!o.lops.empty()) throw UsageError("--sights and --lop do not go together");
    return FixOfSights(o.log);
  }
  // A dead-reckoning position or a run given here would be dropped without a word.
  if (const auto option = SightsOnlyOptionGiven(o.log)) throw UsageError(*option + " goes with --sights, not --lop");
  if (o.lops.size() != 2) throw UsageError("--lop: give exactly two lines");
  const std::optional<PositionRecord> fix = CrossLops(LopIn(o.lops[0]), LopIn(o.lops[1]));
  if (!fix) return ErrorResult(kMsgParallelLop);
  Json out = Json::Object();
  out.Set("lat", fix->Lat).Set("lon", LonEast(fix->Lon));
  return {out};
}

struct NoonOptions {
  UtcTime date;
  LatLon ap;
  std::optional<double> hs;
  SextantOptions sextant;
};

Result Noon(const NoonOptions& o) {
  const PositionRecord ap = WestPositive(o.ap);
  const TDateRec date = DateOf(o.date);
  const double noon = NoonTime(date, ap.Lon, ap.Lat);
  const SextantData sextant = SextantOf(o.sextant);
  const SightObserver observer{ap, sextant.eyeHeight, sextant.pressure, sextant.temperature};
  const BodyPlace sun = BodyEphemeris(NavBody::Sun, nullptr, observer, {date, noon});
  Json out = Json::Object();
  out.Set("noon_utc", ClockText(noon)).Set("dec_deg", sun.dec);
  if (o.hs) {
    const double lat = NoonLatitude(ap.Lat, sun.dec, CorrectSunSight(*o.hs, sextant, sun.radiusVector).observed);
    if (lat < -90.0 || lat > 90.0) return ErrorResult("The noon height does not fit the assumed latitude");
    out.Set("lat", lat);
  }
  return {out};
}

struct TimeSightOptions {
  BodyChoice body;
  UtcTime utc;
  LatLon ap;
  double h = 0.0;
};

Result TimeSightCommand(const TimeSightOptions& o) {
  const SightObserver observer{WestPositive(o.ap), 0.0, 1010.0, 10.0};
  std::string error;
  const std::optional<PlacedBody> b = Place(o.body, observer, o.utc, error);
  if (!b) return ErrorResult(error);
  const std::optional<TimeSightResult> t = TimeSight(o.ap.lat, b->place.dec, b->place.gha, b->place.zn, o.h);
  if (!t) return ErrorResult(kMsgTimeSight);
  Json out = Json::Object();
  out.Set("meridian_angle_deg", t->meridianAngle).Set("lon", LonEast(t->lon));
  return {out};
}

struct EqualAltitudeOptions {
  UtcTime date;
  std::string first, second;
  LatLon ap;
};

double ClockIn(const std::string& name, const std::string& text) {
  const double hours = TimeTextToHours(text);
  if (!ParseTimeText(text) || hours >= 24.0) throw UsageError(name + ": must be hh:mm:ss within the day");
  return hours;
}

Result EqualAltitudes(const EqualAltitudeOptions& o) {
  const EqualAltitudeResult r =
      EqualAltitudeLongitude(DateOf(o.date), ClockIn("--first", o.first), ClockIn("--second", o.second));
  Json out = Json::Object();
  out.Set("middle_utc", ClockText(r.middle)).Set("gha_deg", r.gha).Set("dec_deg", r.dec).Set("lon", LonEast(r.lon));
  return {out};
}

}  // namespace

void RegisterCelestialCommands(CommandSet& commands) {
  auto sight = std::make_shared<SightOptions>();
  CLI::App* s = commands.Add("sight", "A sextant sight reduced from an assumed position: intercept and line of position",
                             [sight] { return Sight(*sight); });
  AddBodyOptions(s, sight->body);
  AddUtc(s, "--utc", sight->utc, "the instant of the sight")->required();
  AddPosition(s, "--ap", sight->ap, "assumed position")->required();
  AddNumber(s, "--hs", sight->hs, "sextant altitude, degrees", -5, 90)->required();
  AddSextantOptions(s, sight->sextant);

  auto fix = std::make_shared<FixOptions>();
  CLI::App* f = commands.Add("fix", "Where two lines of position cross, or the best fit of a sight log's sights",
                             [fix] { return Fix(*fix); });
  f->add_option("--lop", fix->lops, "a line of position, DIR,LAT,LON in degrees (give two)");
  AddSightsFixOptions(f, fix->log);

  auto noon = std::make_shared<NoonOptions>();
  CLI::App* n = commands.Add("noon", "UT of the Sun's meridian passage; with --hs the latitude by its altitude",
                             [noon] { return Noon(*noon); });
  AddUtc(n, "--date", noon->date, "the day, YYYY-MM-DD")->required();
  AddPosition(n, "--ap", noon->ap, "assumed position")->required();
  AddNumber(n, "--hs", noon->hs, "sextant altitude of the Sun at noon, degrees", 0, 90);
  AddSextantOptions(n, noon->sextant);

  auto time = std::make_shared<TimeSightOptions>();
  CLI::App* t = commands.Add("time-sight", "Longitude from a body's true altitude and an accurate latitude",
                             [time] { return TimeSightCommand(*time); });
  AddBodyOptions(t, time->body);
  AddUtc(t, "--utc", time->utc, "the instant of the sight")->required();
  AddPosition(t, "--ap", time->ap, "assumed position (the latitude must be accurate)")->required();
  AddNumber(t, "--h", time->h, "true altitude, degrees", -90, 90)->required();

  auto equal = std::make_shared<EqualAltitudeOptions>();
  CLI::App* e = commands.Add("equal-altitudes", "Longitude from the times of two equal altitudes of the Sun",
                             [equal] { return EqualAltitudes(*equal); });
  AddUtc(e, "--date", equal->date, "the day, YYYY-MM-DD")->required();
  AddText(e, "--first", equal->first, "UT of the first altitude, hh:mm:ss")->required();
  AddText(e, "--second", equal->second, "UT of the second altitude, hh:mm:ss")->required();
  AddPosition(e, "--ap", equal->ap, "assumed position")->required();
}

}  // namespace veltrane::cli
