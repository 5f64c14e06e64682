#include "astro/almanac_text.h"

#include <cstring>

#include "astro/almanac_calendar.h"
#include "foundation/calendar.h"
#include "foundation/numbers.h"

namespace veltrane {
namespace {

struct KindTitle {
  const char* kind;
  const char* title;
};
constexpr KindTitle kTitles[] = {
    {"march_equinox", "March equinox"},
    {"june_solstice", "June solstice"},
    {"september_equinox", "September equinox"},
    {"december_solstice", "December solstice"},
    {"new_moon", "New Moon"},
    {"first_quarter", "First quarter"},
    {"full_moon", "Full Moon"},
    {"last_quarter", "Last quarter"},
    {"solar_eclipse", "eclipse of the Sun"},
    {"lunar_eclipse", "eclipse of the Moon"},
    {"inferior_conjunction", "Inferior conjunction"},
    {"superior_conjunction", "Superior conjunction"},
    {"opposition", "Opposition"},
    {"conjunction", "Conjunction"},
};

std::string Capitalized(std::string text) {
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
  return text;
}

std::string Duration(double hours) { return FmtHoursHM(hours) + " either side"; }

// A CSV field: quoted when it holds a comma or a quote.
std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string Optional(const std::optional<double>& value, int decimals) {
  return value ? Str(*value, decimals) : std::string();
}

}  // namespace

std::string AlmanacEventTitle(const AlmanacEvent& e) {
  std::string title = e.kind;
  for (const KindTitle& t : kTitles)
    if (std::strcmp(t.kind, e.kind) == 0) title = t.title;
  if (e.eclipseType) title = Capitalized(std::string(e.eclipseType) + " " + title);
  if (e.planet) {
    std::string name = PlanetKey(*e.planet);
    title += " of " + Capitalized(name);
  }
  return title;
}

std::string AlmanacEventDetails(const AlmanacEvent& e) {
  std::string details;
  auto add = [&details](const std::string& part) { details += (details.empty() ? "" : ", ") + part; };
  if (e.magnitude) add("magnitude " + Str(*e.magnitude, 3));
  if (e.partialSemiDuration && *e.partialSemiDuration > 0.0)
    add(std::string(e.eclipseType && std::strcmp(e.eclipseType, "penumbral") == 0 ? "penumbral" : "partial") +
        " phase " + Duration(*e.partialSemiDuration));
  if (e.totalSemiDuration) add("totality " + Duration(*e.totalSemiDuration));
  return details;
}

bool IsFaintPlanetEvent(const AlmanacEvent& e) {
  return e.planet && (*e.planet == Planet::Uranus || *e.planet == Planet::Neptune);
}

std::string AlmanacCsv(const std::vector<AlmanacEvent>& events, double zoneHours) {
  std::string csv =
      "utc,local,event,kind,body,type,magnitude,partial_semiduration_h,total_semiduration_h,jde\n";
  for (const AlmanacEvent& e : events) {
    csv += MinuteText(e.jdUt) + "," + MinuteText(e.jdUt - zoneHours / 24.0) + "," + CsvField(AlmanacEventTitle(e)) +
           "," + e.kind + "," + (e.planet ? PlanetKey(*e.planet) : "") + "," + (e.eclipseType ? e.eclipseType : "") +
           "," + Optional(e.magnitude, 4) + "," + Optional(e.partialSemiDuration, 4) + "," +
           Optional(e.totalSemiDuration, 4) + "," + Str(e.jde, 5) + "\n";
  }
  return csv;
}

}  // namespace veltrane
