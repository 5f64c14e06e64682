// The sight log on the command line: the least-squares fix of a log's sights (fix --sights)
// and the twilight sight planner (plan-sights). Longitudes are east positive here and west
// positive in the engine.
#include <memory>

#include "celestial/least_squares_fix.h"
#include "celestial/sight_log.h"
#include "celestial/sight_planner.h"
#include "cli/catalogue_star.h"
#include "cli/sight_log_fix.h"
#include "foundation/angles.h"
#include "foundation/text_file.h"

namespace veltrane::cli {
namespace {

Json Position(const PositionRecord& p) {
  return Json::Object().Set("lat", p.Lat).Set("lon", Norm180(-p.Lon));
}

SightInstant InstantOf(const UtcTime& t) {
  SightInstant at;
  at.date.Year = t.year, at.date.Month = t.month, at.date.Day = t.day;
  at.ut = t.hours;
  return at;
}

// The star file, read only when a sight or the planner needs it.
std::optional<std::vector<StarRecord>> Stars(const std::optional<std::string>& catalogue, std::string& path) {
  path = catalogue.value_or(DefaultCatalogue());
  return LoadStarFile(path);
}

struct PlanOptions {
  UtcTime date;
  LatLon at;
  std::string twilight = "evening";
  std::optional<std::string> catalogue;
};

Result PlanSightsCommand(const PlanOptions& o) {
  std::string path;
  const std::optional<std::vector<StarRecord>> stars = Stars(o.catalogue, path);
  if (!stars) return ErrorResult("File " + path + " is missing.");
  const SightInstant day = InstantOf(o.date);
  const SightPlan plan = PlanSights(day.date, o.at.lat, -o.at.lon,
                                    o.twilight == "morning" ? TwilightSide::Morning : TwilightSide::Evening, *stars);
  if (!plan.middle) return ErrorResult(plan.message);
  const auto clock = [&](double hours) { return UtcText(veltrane::InstantOf(day.date, hours)); };
  Json bodies = Json::Array();
  for (const PlannedBody& b : plan.bodies)
    bodies.Push(Json::Object()
                    .Set("name", b.name)
                    .Set("kind", PlannedKindName(b.kind))
                    .Set("altitude_deg", b.altitude)
                    .Set("azimuth_deg", b.azimuth)
                    .Set("magnitude", b.magnitude ? Json::Number(*b.magnitude) : Json::Null()));
  const auto names = [](const std::vector<std::string>& list) {
    Json a = Json::Array();
    for (const std::string& n : list) a.Push(Json::String(n));
    return a;
  };
  Json out = Json::Object();
  out.Set("twilight", Json::Object()
                          .Set("civil_utc", clock(*plan.civil))
                          .Set("nautical_utc", clock(*plan.nautical))
                          .Set("middle_utc", clock(*plan.middle)))
      .Set("bodies", bodies)
      .Set("best_three", names(plan.bestThree))
      .Set("best_four", names(plan.bestFour));
  return {out};
}

}  // namespace

void AddSightsFixOptions(CLI::App* fix, SightsFixOptions& o) {
  AddText(fix, "--sights", o.sights, "a sight log (CSV) whose sights are fixed together, instead of --lop");
  o.drGiven = AddPosition(fix, "--dr", o.dr, "dead-reckoning position at the fix time, for --sights");
  o.fixTimeGiven = AddUtc(fix, "--fix-time", o.fixTime, "the time of the fix (default the last sight's)");
  AddNumber(fix, "--course", o.course, "course over ground between the sights, degrees true", 0, 360);
  AddNumber(fix, "--speed", o.speed, "speed over ground between the sights, knots", 0, 100);
  AddNumber(fix, "--sigma-arcmin", o.sigma, "standard error of one sight, minutes (default 1)", 0.01, 60);
  AddText(fix, "--catalogue", o.catalogue, "star file (default Mstars.dat of the settings folder)");
}

std::optional<std::string> SightsOnlyOptionGiven(const SightsFixOptions& o) {
  if (o.drGiven->count()) return "--dr";
  if (o.fixTimeGiven->count()) return "--fix-time";
  if (o.course) return "--course";
  if (o.speed) return "--speed";
  if (o.sigma) return "--sigma-arcmin";
  if (o.catalogue) return "--catalogue";
  return std::nullopt;
}

Result FixOfSights(const SightsFixOptions& o) {
  if (!o.drGiven->count()) throw UsageError("--dr is required with --sights");
  if (o.course.has_value() != o.speed.has_value()) throw UsageError("--course and --speed go together");
  const std::string& file = *o.sights;
  if (!FileExists(file)) return ErrorResult("Cannot read the sight log " + file);
  const SightLogReading log = LoadSightLog(file);
  if (!log.problems.empty()) return ErrorResult(file + ": " + log.problems.front());
  FixRequest request;
  std::optional<std::vector<StarRecord>> stars;
  for (const LoggedSight& s : log.sights) {
    if (s.body == NavBody::Star && !stars) {
      std::string path;
      stars = Stars(o.catalogue, path);
      if (!stars) return ErrorResult("File " + path + " is missing.");
    }
    const PreparedSightReading p = PrepareSight(s, stars.value_or(std::vector<StarRecord>{}));
    if (!p.sight) return ErrorResult(p.message);
    request.sights.push_back(*p.sight);
  }
  if (request.sights.empty()) return ErrorResult(kMsgTooFewSights);
  request.fixTime = o.fixTimeGiven->count() ? InstantOf(o.fixTime) : LatestSightTime(request.sights);
  request.dr = {0.0, o.dr.lat, -o.dr.lon};
  if (o.course) request.motion = VesselMotion{*o.course, *o.speed};
  request.sigmaArcmin = o.sigma.value_or(kDefaultSigmaArcmin);
  const LeastSquaresFix fix = SolveFix(request);
  if (!fix.position) return ErrorResult(fix.message);
  Json sights = Json::Array();
  for (size_t i = 0; i < fix.sights.size(); ++i) {
    const SightFit& s = fix.sights[i];
    sights.Push(Json::Object()
                    .Set("index", static_cast<double>(i + 1))
                    .Set("intercept_nm", s.intercept)
                    .Set("zn_deg", s.zn)
                    .Set("residual_nm", s.residual)
                    .Set("blunder", Json::Bool(s.blunder)));
  }
  Json out = Position(*fix.position);
  out.Set("iterations", static_cast<double>(fix.iterations))
      .Set("ellipse", Json::Object()
                          .Set("semi_major_nm", fix.ellipse.semiMajor)
                          .Set("semi_minor_nm", fix.ellipse.semiMinor)
                          .Set("orientation_deg", fix.ellipse.orientation))
      .Set("sights", sights)
      .Set("without_blunders", fix.withoutBlunder ? Position(*fix.withoutBlunder) : Json::Null())
      .Set("fix_utc", UtcText(request.fixTime));
  return {out};
}

void RegisterSightLogCommands(CommandSet& commands) {
  auto plan = std::make_shared<PlanOptions>();
  CLI::App* p = commands.Add("plan-sights", "Twilight and the stars, planets and Moon best placed for sights",
                             [plan] { return PlanSightsCommand(*plan); });
  AddUtc(p, "--date", plan->date, "the day, YYYY-MM-DD (the local day at that longitude)")->required();
  AddPosition(p, "--at", plan->at, "dead-reckoning position")->required();
  AddChoice(p, "--twilight", plan->twilight, "morning or evening (default evening)", {"morning", "evening"});
  AddText(p, "--catalogue", plan->catalogue, "star file (default Mstars.dat of the settings folder)");
}

}  // namespace veltrane::cli
