#include "foundation/calendar.h"

#include <array>
#include <cmath>
#include <vector>

#include "foundation/numbers.h"

namespace veltrane {
namespace {

// Observed Delta T in tenths of a second for 1620, 1622, ... 1996.
constexpr std::array<int, 189> kDeltaTTable = {
    1240, 1150, 1060, 980, 910, 850, 790, 740, 700, 650, 620, 580, 550, 530, 500, 480, 460, 440,
    420,  400,  370,  350, 330, 310, 280, 260, 240, 220, 200, 180, 160, 140, 130, 120, 110, 100,
    90,   90,   90,   90,  90,  90,  90,  90,  100, 100, 100, 100, 100, 110, 110, 110, 110, 110,
    110,  110,  110,  120, 120, 120, 120, 120, 130, 130, 130, 130, 140, 140, 140, 150, 150, 150,
    150,  160,  160,  160, 160, 160, 170, 170, 170, 170, 170, 170, 170, 170, 160, 160, 150, 140,
    137,  131,  127,  125, 125, 125, 125, 125, 125, 123, 120, 114, 106, 96,  86,  75,  66,  60,
    57,   56,   57,   59,  62,  65,  68,  71,  73,  75,  77,  78,  79,  75,  64,  54,  29,  16,
    -10,  -27,  -36,  -47, -54, -52, -55, -56, -58, -59, -62, -64, -61, -47, -27, 0,   26,  54,
    77,   105,  134,  160, 182, 202, 212, 224, 235, 239, 243, 240, 239, 239, 237, 240, 243, 253,
    262,  273,  282,  291, 300, 307, 314, 322, 331, 340, 350, 365, 383, 402, 422, 445, 465, 485,
    505,  522,  538,  549, 558, 569, 583, 600, 616};

// Observed Delta T in seconds at the start of 2000 .. 2023, taken by whole year.
constexpr std::array<double, 24> kDeltaTRecent = {
    63.83, 64.09, 64.3,  64.47, 64.57, 64.69, 64.85, 65.15, 65.46, 65.78, 66.07, 66.32,
    66.60, 66.91, 67.28, 67.64, 68.10, 68.59, 68.97, 69.22, 69.36, 69.36, 69.29, 69.17};

double Trunc(double x) { return std::trunc(x); }

// Steps shared by JulianDay and JulianCenturies: the Julian day at 0h.
double JulianDayAt0h(const TDateRec& date, bool beforeChrist) {
  double y = beforeChrist ? 1.0 - date.Year : date.Year;
  double m = date.Month;
  if (m < 3) {
    y -= 1;
    m += 12;
  }
  const double a = Trunc(y / 100.0);
  const double b = 2.0 - a + Trunc(a / 4.0);
  // Floor, not truncation, for the days of the years: truncation puts every date before the
  // year 0 a day late.
  double jd = std::floor(365.25 * y) + Trunc(30.6001 * (m + 1.0)) + date.Day + 1720994.5 + b;
  // Dates before 1582 October 15 are Julian; October 4, the last Julian day, included.
  if (jd < 2299160.5) jd -= b;
  return jd;
}

std::vector<std::string> Split(const std::string& text, char sep) {
  std::vector<std::string> out;
  std::string cur;
  for (char c : text) {
    if (c == sep) {
      out.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  out.push_back(cur);
  return out;
}

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

std::string Pad2(const std::string& s) { return s.size() == 1 ? "0" + s : s; }

}  // namespace

JulianDayResult JulianDay(const TDateRec& date, double hoursUT, bool beforeChrist) {
  const double jd = JulianDayAt0h(date, beforeChrist);
  return {jd, (hoursUT / 24.0 + jd - 2415020.0) / 36525.0, JulianCenturiesSinceJ2000(jd)};
}

JulianCenturiesResult JulianCenturies(const TDateRec& date, double hoursUT, bool beforeChrist) {
  const double jd = JulianDayAt0h(date, beforeChrist);
  return {jd, (hoursUT / 24.0 + jd - kJ2000) / kDaysPerJulianCentury};
}

double DeltaT(double t) {
  const double year = 100.0 * t + 2000.0;
  if (!std::isfinite(year)) return 0.0;
  if (year > 2200.0) return (32.5 * t + 123.5) * t + 64.8;
  if (year < 948.0) return (46.5 * t + 573.36) * t + 2715.6;
  if (year < 1620.0) return (22.5 * t + 67.5) * t + 50.6;
  const double whole = Trunc(year);
  if (whole >= 2000.0 && whole <= 2023.0) return kDeltaTRecent[static_cast<size_t>(whole - 2000.0)];
  if (year >= 2024.0) return 69.2 + 0.3 * (year - 2024.0);
  // Interpolate the two-yearly table; from 1996 to 2000 extend the slope of 1994..1996.
  const int last = static_cast<int>(kDeltaTTable.size()) - 1;
  int i = static_cast<int>(Trunc((year - 1620.0) / 2.0));
  if (i > last - 1) i = last - 1;
  const double f = year / 2.0 - i - 810.0;
  const double a = kDeltaTTable[static_cast<size_t>(i)];
  const double b = kDeltaTTable[static_cast<size_t>(i + 1)];
  return (a + (b - a) * f) / 10.0;
}

std::string WeekdayName(int dayOfWeek) {
  static const char* kNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday"};
  if (dayOfWeek >= 1 && dayOfWeek <= 6) return kNames[dayOfWeek - 1];
  return "Saturday";
}

bool IsCalendarDay(int year, int month, int day) {
  if (month < 1 || month > 12 || day < 1) return false;
  const bool julian = year < 1582 || (year == 1582 && month < 10);
  const bool leap = julian ? year % 4 == 0 : IsLeap(year);
  if (day > DaysInMonth(2001, month) + (month == 2 && leap ? 1 : 0)) return false;
  return !(year == 1582 && month == 10 && day > 4 && day < 15);
}

std::optional<TTimeRec> ParseTimeText(const std::string& text) {
  TTimeRec r;
  r.TimeText = text.substr(0, 10);
  std::string h = GetField(text, ':', 0), m = GetField(text, ':', 1), s = GetField(text, ':', 2);
  if (m.empty()) m = "00";
  if (s.empty()) s = "00";
  const auto hv = ParseInt(h);
  const auto mv = ParseInt(m);
  const auto sv = ParseReal(s);
  if (!hv || !mv || !sv || *hv < 0 || *hv > 24 || *mv < 0 || *mv > 60 || *sv < 0.0 || *sv > 60.0)
    return std::nullopt;
  r.Hour = *hv;
  r.Minute = *mv;
  r.Second = *sv;
  return r;
}

double TimeTextToHours(const std::string& text) {
  const double h = ParseReal(GetField(text, ':', 0)).value_or(0.0);
  double m = ParseReal(GetField(text, ':', 1)).value_or(0.0);
  double s = ParseReal(GetField(text, ':', 2)).value_or(0.0);
  if (!(m > 0.0)) m = 0.0;
  if (!(s > 0.0)) s = 0.0;
  return h + m / 60.0 + s / 3600.0;
}

std::string ShiftTimeText(const std::string& text, double offsetHours) {
  const double h = ParseReal(GetField(text, ':', 0)).value_or(0.0);
  const double m = ParseReal(GetField(text, ':', 1)).value_or(0.0);
  double x = h + m / 60.0 - offsetHours;
  if (x >= 24.0) x -= 24.0;
  if (x < 0.0) x += 24.0;
  const double hour = Trunc(x);
  const std::string hourText = Pad2(Str(hour, 0));
  const std::string minText = Pad2(Str((x - hour) * 60.0, 0));
  return hourText + ":" + minText + ":" + Pad2(GetField(text, ':', 2));
}

std::string FmtHoursHM(double hours) {
  if (!std::isfinite(hours)) return "";
  long h = static_cast<long>(Trunc(hours));
  long mm = static_cast<long>(RoundHalfEven(std::fabs(hours - static_cast<double>(h)) * 60.0));
  if (mm == 60) {
    mm = 0;
    ++h;
  }
  const std::string hText = std::to_string(h).substr(0, 2);
  return hText + "h " + (mm < 10 ? "0" : "") + std::to_string(mm) + "m";
}

std::string ZoneDifferenceText(const CivilDateTime& utc, const CivilDateTime& local) {
  const long dateU = utc.year * 10000L + utc.month * 100L + utc.day;
  const long dateL = local.year * 10000L + local.month * 100L + local.day;
  int hU = utc.hour, hL = local.hour;
  if (dateL > dateU && hL < hU) hL += 24;
  if (dateU > dateL && hU < hL) hU += 24;
  const int d = hU - hL;
  return (d > 0 ? "+" : "") + std::to_string(d);
}

DateTexts ParseDateText(const std::string& text, bool monthFirst) {
  DateTexts r;
  char sep = '.';
  if (text.find('/') != std::string::npos)
    sep = '/';
  else if (text.find('-') != std::string::npos)
    sep = '-';
  const std::string f0 = GetField(text, sep, 0), f1 = GetField(text, sep, 1), f2 = GetField(text, sep, 2);
  const bool yearFirst = sep != '.' && f0.size() == 4;
  if (yearFirst) {
    r.year = f0, r.month = f1, r.day = f2;
  } else if (sep == '/' && monthFirst) {
    r.month = f0, r.day = f1, r.year = f2;
  } else {
    r.day = f0, r.month = f1, r.year = f2;
    if (sep == '.' && r.year.size() != 4) return r;
  }
  r.day = Pad2(r.day);
  r.month = Pad2(r.month);
  if (r.year.size() == 2) r.year = "20" + r.year;
  const auto d = ParseInt(r.day), m = ParseInt(r.month), y = ParseInt(r.year);
  if (!d || !m || !y || *m < 1 || *m > 12) return r;
  if (*d < 1 || *d > DaysInMonth(*y, *m)) return r;
  r.ok = *y < 1001 || (*y >= 1900 && *y <= 2100);
  return r;
}

std::string GetField(const std::string& text, char sep, int n) {
  const auto fields = Split(text, sep);
  if (n < 0 || n >= static_cast<int>(fields.size())) return "";
  return fields[static_cast<size_t>(n)];
}

std::string GetFields(const std::string& text, char sep, int n, int k) {
  const auto fields = Split(text, sep);
  std::string out;
  for (int i = n; i <= k && i < static_cast<int>(fields.size()); ++i) {
    if (i < 0) continue;
    if (!out.empty() || i > n) out += sep;
    out += fields[static_cast<size_t>(i)];
  }
  return out;
}

std::string TrimBlanks(const std::string& text) {
  std::string s = text;
  while (!s.empty() && s.back() == ' ') s.pop_back();
  while (!s.empty() && s.back() == '\t') s.pop_back();
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  return s.substr(i);
}

std::string LowerFold(const std::string& text) {
  std::string s;
  s.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    // UTF-8 capitals Å Ä Ö Ü are C3 85, C3 84, C3 96, C3 9C; their small letters add 0x20.
    if (c == 0xC3 && i + 1 < text.size()) {
      const unsigned char n = static_cast<unsigned char>(text[i + 1]);
      s += static_cast<char>(c);
      s += static_cast<char>((n == 0x85 || n == 0x84 || n == 0x96 || n == 0x9C) ? n + 0x20 : n);
      ++i;
      continue;
    }
    s += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : static_cast<char>(c);
  }
  return s;
}

}  // namespace veltrane
