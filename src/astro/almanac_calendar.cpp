#include "astro/almanac_calendar.h"

#include <cmath>
#include <cstdio>

namespace veltrane {

CalendarDate JDToCalendar(double jd) {
  const double z = std::floor(jd + 0.5);
  const double f = jd + 0.5 - z;
  double a = z;
  if (z >= 2299161.0) {
    const double alpha = std::trunc((z - 1867216.25) / 36524.25);
    a = z + 1.0 + alpha - std::trunc(alpha / 4.0);
  }
  const double b = a + 1524.0;
  const double c = std::trunc((b - 122.1) / 365.25);
  const double d = std::trunc(365.25 * c);
  const double e = std::trunc((b - d) / 30.6001);
  CalendarDate date;
  date.day = b - d - std::trunc(30.6001 * e) + f;
  date.month = static_cast<int>(e < 14.0 ? e - 1.0 : e - 13.0);
  date.year = static_cast<int>(date.month > 2 ? c - 4716.0 : c - 4715.0);
  return date;
}

std::string MinuteText(double jd) {
  const double minutes = std::round((jd + 0.5) * 1440.0);
  const CalendarDate date = JDToCalendar(minutes / 1440.0 - 0.5);
  const double dayStart = std::floor(minutes / 1440.0) * 1440.0;
  const int ofDay = static_cast<int>(minutes - dayStart);
  char text[40];
  std::snprintf(text, sizeof text, "%s%04d-%02d-%02dT%02d:%02d", date.year < 0 ? "-" : "",
                std::abs(date.year), date.month, static_cast<int>(date.day), ofDay / 60, ofDay % 60);
  return text;
}

}  // namespace veltrane
