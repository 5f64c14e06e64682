#include <memory>

#include <QGuiApplication>

#include "astro/daily_pages.h"
#include "astro/ui/daily_pages_pdf.h"
#include "cli/commands.h"

namespace veltrane::cli {
namespace {

struct AlmanacPagesOptions {
  UtcTime from;
  int days = 1;
  std::string format = "json";
  bool formatGiven = false;
  std::optional<std::string> out;
};

Json GhaDecJson(double gha, double dec) { return Json::Object().Set("gha", gha).Set("dec", dec); }

Json TimeJson(const PageTime& t) { return t.hours ? Json::String(PageClockText(*t.hours)) : Json::Null(); }
Json TimeJson(const std::optional<double>& hours) { return TimeJson(PageTime{hours}); }

Json PageJson(const DailyPage& page) {
  Json hours = Json::Array();
  for (const HourRow& h : page.hours) {
    Json row = Json::Object();
    row.Set("h", h.hour).Set("aries_gha", h.ariesGha).Set("sun", GhaDecJson(h.sun.gha, h.sun.dec));
    row.Set("moon", Json::Object()
                        .Set("gha", h.moon.gha)
                        .Set("v", h.moon.v)
                        .Set("dec", h.moon.dec)
                        .Set("d", h.moon.d)
                        .Set("hp", h.moon.hp / 60.0));
    for (int p = 0; p < kPagePlanetCount; ++p) {
      std::string key = PagePlanetName(static_cast<PagePlanet>(p));
      key[0] = static_cast<char>(key[0] - 'A' + 'a');
      row.Set(key, GhaDecJson(h.planets[p].gha, h.planets[p].dec));
    }
    hours.Push(row);
  }
  Json stars = Json::Array();
  for (const StarRow& s : page.stars)
    stars.Push(Json::Object().Set("name", s.name).Set("sha", s.sha).Set("dec", s.dec));
  Json planets = Json::Object();
  for (int p = 0; p < kPagePlanetCount; ++p) {
    std::string key = PagePlanetName(static_cast<PagePlanet>(p));
    key[0] = static_cast<char>(key[0] - 'A' + 'a');
    const PlanetOfDay& of = page.planets[p];
    planets.Set(key, Json::Object().Set("mer_pass", TimeJson(of.merPass)).Set("v", of.v).Set("d", of.d));
  }
  Json latitudes = Json::Array();
  for (const LatitudeRow& r : page.latitudes) {
    latitudes.Push(Json::Object()
                       .Set("lat", r.latitude)
                       .Set("nautical", TimeJson(r.nauticalMorning))
                       .Set("civil", TimeJson(r.civilMorning))
                       .Set("sunrise", TimeJson(r.sunrise))
                       .Set("sunset", TimeJson(r.sunset))
                       .Set("moonrise", TimeJson(r.moonrise))
                       .Set("moonset", TimeJson(r.moonset))
                       .Set("civil_evening", TimeJson(r.civilEvening))
                       .Set("nautical_evening", TimeJson(r.nauticalEvening)));
  }
  char date[16];
  std::snprintf(date, sizeof date, "%04d-%02d-%02d", page.year, page.month, page.day);
  Json out = Json::Object();
  out.Set("date", date).Set("delta_t_s", page.deltaT).Set("hours", hours).Set("stars", stars);
  out.Set("sun", Json::Object()
                     .Set("eot_00h_s", page.sun.eot00)
                     .Set("eot_12h_s", page.sun.eot12)
                     .Set("mer_pass", TimeJson(page.sun.merPass))
                     .Set("sd", page.sun.sd / 60.0)
                     .Set("d", page.sun.d));
  out.Set("moon", Json::Object()
                      .Set("mer_pass_upper", TimeJson(page.moon.merPassUpper))
                      .Set("mer_pass_lower", TimeJson(page.moon.merPassLower))
                      .Set("age_days", page.moon.ageDays)
                      .Set("phase_percent", page.moon.phasePercent)
                      .Set("sd", page.moon.sd / 60.0));
  out.Set("planets", planets).Set("twilight", latitudes);
  return out;
}

// The PDF needs fonts, and fonts a GUI application; the tool never shows a window.
Result WritePdf(const std::vector<DailyPage>& days, const std::string& path) {
  std::unique_ptr<QGuiApplication> app;
  if (!QGuiApplication::instance()) {
    static int argc = 3;
    static char name[] = "veltrane-cli", option[] = "-platform", platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    app = std::make_unique<QGuiApplication>(argc, argv);
  }
  const DailyPagesPdfResult r = WriteDailyPagesPdf(days, path);
  if (!r.message.empty()) return ErrorResult(r.message);
  return {Json::Object().Set("file", path).Set("pages", r.pages)};
}

Result AlmanacPages(const AlmanacPagesOptions& o) {
  const DailyPagesRun run = DailyPages(o.from.year, o.from.month, o.from.day, o.days);
  if (!run.message.empty()) throw UsageError(run.message);
  if (o.out) {
    if (o.format != "json" || o.formatGiven) throw UsageError("--out and --format json do not go together");
    return WritePdf(run.days, *o.out);
  }
  Json days = Json::Array();
  for (const DailyPage& page : run.days) days.Push(PageJson(page));
  return {Json::Object().Set("days", days)};
}

}  // namespace

void RegisterAlmanacPagesCommands(CommandSet& commands) {
  auto o = std::make_shared<AlmanacPagesOptions>();
  CLI::App* c = commands.Add("almanac-pages", "Daily pages of a nautical almanac", [o] { return AlmanacPages(*o); });
  AddUtc(c, "--from", o->from, "the first day, YYYY-MM-DD")->required();
  AddInteger(c, "--days", o->days, "number of days", 1, kDailyPagesMaxDays)->required();
  AddChoice(c, "--format", o->format, "json: the tables on standard output", {"json"})
      ->each([o](const std::string&) { o->formatGiven = true; });
  AddText(c, "--out", o->out, "write the pages as a PDF file (FILE.pdf) instead");
}

}  // namespace veltrane::cli
