#include "cli/time_arguments.h"

#include "foundation/calendar.h"

namespace veltrane::cli {

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

}  // namespace veltrane::cli
