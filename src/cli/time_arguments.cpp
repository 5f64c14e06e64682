#include "cli/time_arguments.h"

#include "foundation/calendar.h"

namespace veltrane::cli {
namespace {

// Julian calendar before 1582 October 15, Gregorian from then on; the days between October 4
// and 15 of 1582 were never counted.
bool IsCalendarDay(int year, int month, int day) {
  const bool julian = year < 1582 || (year == 1582 && month < 10);
  const bool leap = julian ? year % 4 == 0 : (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12 || day < 1) return false;
  if (day > kDays[month - 1] + (month == 2 && leap ? 1 : 0)) return false;
  return !(year == 1582 && month == 10 && day > 4 && day < 15);
}

}  // namespace

TimeArguments TimeArgumentsOf(const UtcTime& utc) {
  TDateRec date;
  date.Year = utc.year;
  date.Month = utc.month;
  date.Day = utc.day;
  const JulianCenturiesResult jc = JulianCenturies(date, utc.hours);
  TimeArguments a;
  a.jd0 = jc.jd0;
  a.hours = utc.hours;
  a.deltaT = DeltaT(jc.t);
  a.tDynamic = jc.t + a.deltaT / 86400.0 / 36525.0;
  return a;
}

TimeArguments TimeArgumentsAt(const Args& args, const std::string& key) {
  const UtcTime utc = args.Utc(key);
  if (!IsCalendarDay(utc.year, utc.month, utc.day))
    throw UsageError(key + ": '" + args.Text(key) + "' is not a day of the calendar");
  return TimeArgumentsOf(utc);
}

}  // namespace veltrane::cli
