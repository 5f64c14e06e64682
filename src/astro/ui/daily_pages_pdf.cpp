#include "astro/ui/daily_pages_pdf.h"

#include <QBuffer>
#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "foundation/text_file.h"

namespace veltrane {
namespace {

constexpr double kRow = 9.6;       // points
constexpr double kMargin = 28.0;
constexpr double kTop = 62.0;      // first table row
constexpr size_t kSpreadDays = 3;

const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};

// Tenths of a minute of arc, so that 59.96' carries into the next degree.
long Tenths(double degrees) { return std::lround(std::fabs(degrees) * 600.0); }

std::string Fmt(const char* format, double a, double b = 0.0) {
  char text[64];
  std::snprintf(text, sizeof text, format, a, b);
  return text;
}

std::string SignedMinutes(double minutes) { return Fmt("%+5.1f", minutes); }

std::string TimeText(const PageTime& t) {
  if (t.hours) return PageClockText(*t.hours);
  switch (t.status) {
    case HorizonStatus::Always: return "****";
    case HorizonStatus::Never: return "----";
    case HorizonStatus::Crosses: break;
  }
  return "--:--";
}
// Twilight that never ends: the Sun stays above that depth all night.
std::string TwilightText(const PageTime& t) { return t.status == HorizonStatus::Always ? "////" : TimeText(t); }

std::string DateTitle(const DailyPage& d) {
  return std::to_string(d.year) + " " + kMonths[d.month - 1] + " " + std::to_string(d.day);
}

class PageWriter {
 public:
  explicit PageWriter(QPdfWriter& writer) : writer_(writer), painter_(&writer) {
    font_ = QFont("DejaVu Sans Mono");
    font_.setStyleHint(QFont::Monospace);
    font_.setPointSizeF(6.4);
    bold_ = font_;
    bold_.setBold(true);
    painter_.setFont(font_);
  }
  void NewPage() {
    if (pages_ > 0) writer_.newPage();
    ++pages_;
  }
  void Text(double x, double y, const std::string& text, bool strong = false) {
    painter_.setFont(strong ? bold_ : font_);
    painter_.drawText(QPointF(x, y), QString::fromStdString(text));
  }
  void Rule(double x1, double y, double x2) {
    painter_.setPen(QPen(Qt::black, 0.3));
    painter_.drawLine(QPointF(x1, y), QPointF(x2, y));
  }
  double Width() const { return writer_.width(); }
  int Pages() const { return pages_; }
  bool End() { return painter_.end(); }

 private:
  QPdfWriter& writer_;
  QPainter painter_;
  QFont font_, bold_;
  int pages_ = 0;
};

void Header(PageWriter& w, const std::vector<const DailyPage*>& days, const std::string& what) {
  std::string title = DateTitle(*days.front());
  if (days.size() > 1) title += " to " + DateTitle(*days.back());
  w.Text(kMargin, 30, title + "   " + what, true);
  w.Text(w.Width() - kMargin - 40, 30, "page " + std::to_string(w.Pages()));
  w.Rule(kMargin, 36, w.Width() - kMargin);
}

// Hour rows of the days, each day's first row under a rule.
template <typename Row>
void HourRows(PageWriter& w, const std::vector<const DailyPage*>& days, double x, double right, Row row) {
  double y = kTop;
  for (const DailyPage* d : days) {
    w.Rule(x, y - kRow + 2, right);
    for (const HourRow& h : d->hours) {
      std::string ut = (h.hour == 0 ? Fmt("%2.0f", d->day) : std::string("  ")) + Fmt(" %02.0f", h.hour);
      w.Text(x, y, ut + " " + row(h));
      y += kRow;
    }
  }
}

void PlanetsAndStars(PageWriter& w, const std::vector<const DailyPage*>& days) {
  Header(w, days, "ARIES  VENUS  MARS  JUPITER  SATURN  STARS");
  const double x = kMargin, starsX = 392.0;
  w.Text(x, 48, "UT     ARIES    VENUS             MARS              JUPITER           SATURN", true);
  w.Text(x, 56, "       GHA      GHA      Dec      GHA      Dec      GHA      Dec      GHA      Dec", true);
  HourRows(w, days, x, starsX - 6, [](const HourRow& h) {
    std::string s = PageAngleText(h.ariesGha);
    for (const GhaDec& p : h.planets) s += " " + PageAngleText(p.gha) + " " + PageDeclinationText(p.dec);
    return s;
  });
  const DailyPage& middle = *days[days.size() / 2];
  w.Text(starsX, 48, "STARS  (" + DateTitle(middle) + ")", true);
  w.Text(starsX, 56, "Name             SHA       Dec", true);
  double y = kTop;
  for (const StarRow& s : middle.stars) {
    char name[20];
    std::snprintf(name, sizeof name, "%-15.15s", s.name.c_str());
    w.Text(starsX, y, std::string(name) + " " + PageAngleText(s.sha) + " " + PageDeclinationText(s.dec));
    y += kRow;
  }
  y += kRow;
  w.Text(starsX, y, "Planets    Mer.Pass   v      d", true);
  for (const DailyPage* d : days) {
    y += kRow;
    w.Text(starsX, y, DateTitle(*d), true);
    for (int p = 0; p < kPagePlanetCount; ++p) {
      y += kRow;
      const PlanetOfDay& of = d->planets[p];
      char line[80];
      std::snprintf(line, sizeof line, "%-9s  %-5s    %s %s", PagePlanetName(static_cast<PagePlanet>(p)),
                    of.merPass ? PageClockText(*of.merPass).c_str() : "--:--", SignedMinutes(of.v).c_str(),
                    SignedMinutes(of.d).c_str());
      w.Text(starsX, y, line);
    }
  }
}

void SunMoonAndTwilight(PageWriter& w, const std::vector<const DailyPage*>& days) {
  Header(w, days, "SUN  MOON  TWILIGHT  SUNRISE  MOONRISE");
  const double x = kMargin, tableX = 262.0;
  w.Text(x, 48, "UT     SUN               MOON", true);
  w.Text(x, 56, "       GHA      Dec      GHA       v   Dec       d    HP", true);
  HourRows(w, days, x, tableX - 6, [](const HourRow& h) {
    return PageAngleText(h.sun.gha) + " " + PageDeclinationText(h.sun.dec) + " " + PageAngleText(h.moon.gha) +
           Fmt(" %4.1f ", h.moon.v) + PageDeclinationText(h.moon.dec) + Fmt(" %4.1f", std::fabs(h.moon.d)) +
           Fmt(" %4.1f", h.moon.hp);
  });

  const DailyPage& middle = *days[days.size() / 2];
  w.Text(tableX, 48, "Lat   Naut  Civil Sunrise  Sunset Civil Naut   (" + DateTitle(middle) + ")", true);
  std::string moonHead = "      Moonrise";
  for (size_t i = 1; i < days.size(); ++i) moonHead += "      ";
  moonHead += " Moonset";
  w.Text(tableX, 56, "      Twilight           Twilight   " + moonHead, true);
  double y = kTop;
  for (size_t i = 0; i < middle.latitudes.size(); ++i) {
    const LatitudeRow& r = middle.latitudes[i];
    std::string line = r.latitude == 0 ? std::string("  0 ") : Fmt("%2.0f", std::fabs(r.latitude)) + (r.latitude > 0 ? " N" : " S");
    line += " " + TwilightText(r.nauticalMorning) + " " + TwilightText(r.civilMorning) + " " + TimeText(r.sunrise) +
            "  " + TimeText(r.sunset) + " " + TwilightText(r.civilEvening) + " " + TwilightText(r.nauticalEvening) + " ";
    for (const DailyPage* d : days) line += " " + TimeText(d->latitudes[i].moonrise);
    line += " ";
    for (const DailyPage* d : days) line += " " + TimeText(d->latitudes[i].moonset);
    w.Text(tableX, y, line);
    y += kRow;
  }
  y += kRow;
  w.Rule(tableX, y - kRow + 2, w.Width() - kMargin);
  w.Text(tableX, y, "Day        SUN  Eqn of time  Mer.   SD   d   MOON Mer.Pass     Age  Phase  SD", true);
  y += kRow;
  w.Text(tableX, y, "           00h     12h       Pass             Upper  Lower    days   %", true);
  for (const DailyPage* d : days) {
    y += kRow;
    const SunOfDay& s = d->sun;
    const MoonOfDay& m = d->moon;
    auto eot = [](double seconds) {
      const long s = std::lround(std::fabs(seconds));
      char text[48];
      std::snprintf(text, sizeof text, "%c%02ld:%02ld", seconds < 0 ? '-' : '+', s / 60, s % 60);
      return std::string(text);
    };
    char line[160];
    std::snprintf(line, sizeof line, "%-10s %s  %s  %s %5.1f %4.1f  %-5s  %-5s  %4.1f  %3.0f  %4.1f",
                  (std::to_string(d->day) + " " + std::string(kMonths[d->month - 1]).substr(0, 3)).c_str(),
                  eot(s.eot00).c_str(), eot(s.eot12).c_str(), PageClockText(s.merPass).c_str(), s.sd, std::fabs(s.d),
                  m.merPassUpper ? PageClockText(*m.merPassUpper).c_str() : "--:--",
                  m.merPassLower ? PageClockText(*m.merPassLower).c_str() : "--:--", m.ageDays, m.phasePercent, m.sd);
    w.Text(tableX, y, line);
  }
  y += 2 * kRow;
  w.Text(tableX, y, "Times are local mean time at Greenwich (UT).  //// twilight all night");
  y += kRow;
  w.Text(tableX, y, "**** above the horizon all day   ---- below it all day   --:-- not on this day");
  y += kRow;
  w.Text(tableX, y, "Eqn of time + : the Sun passes the meridian before 12h.  v, d in minutes of arc.");
}

}  // namespace

std::string PageAngleText(double degrees) {
  double a = std::fmod(degrees, 360.0);
  if (a < 0.0) a += 360.0;
  const long t = Tenths(a) % (360L * 600L);
  char text[48];
  std::snprintf(text, sizeof text, "%3ld %02ld.%ld", t / 600, (t % 600) / 10, t % 10);
  return text;
}

std::string PageDeclinationText(double degrees) {
  const long t = Tenths(degrees);
  char text[48];
  std::snprintf(text, sizeof text, "%c%2ld %02ld.%ld", t == 0 ? ' ' : (degrees < 0 ? 'S' : 'N'), t / 600,
                (t % 600) / 10, t % 10);
  return text;
}

DailyPagesPdfResult WriteDailyPagesPdf(const std::vector<DailyPage>& days, const std::string& path) {
  if (days.empty()) return {0, "There are no days to print"};
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  int pages = 0;
  {
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(72);
    writer.setTitle("Daily pages");
    writer.setCreator("Veltrane");
    PageWriter w(writer);
    // A spread of two pages for every three days; the last spread holds what is left.
    for (size_t first = 0; first < days.size(); first += kSpreadDays) {
      std::vector<const DailyPage*> spread;
      for (size_t i = first; i < std::min(days.size(), first + kSpreadDays); ++i) spread.push_back(&days[i]);
      w.NewPage();
      PlanetsAndStars(w, spread);
      w.NewPage();
      SunMoonAndTwilight(w, spread);
    }
    pages = w.Pages();
    if (!w.End()) return {0, "The PDF could not be made"};
  }
  const QByteArray& bytes = buffer.data();
  if (!WriteFileAtomically(path, std::string(bytes.constData(), static_cast<size_t>(bytes.size()))))
    return {0, "Cannot write " + path};
  return {pages, ""};
}

}  // namespace veltrane
