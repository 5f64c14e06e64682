#pragma once
// The engine's instant of a civil date and UT, with the program's Delta T.
#include "astro/sky_observer.h"
#include "foundation/calendar.h"

namespace veltrane {

inline SkyInstant InstantOf(int year, int month, int day, double hours = 0.0) {
  TDateRec date;
  date.Year = year;
  date.Month = month;
  date.Day = day;
  const JulianCenturiesResult jc = JulianCenturies(date, hours);
  return {jc.jd0, hours, DeltaT(jc.t)};
}

}  // namespace veltrane
