#pragma once
// Calendar date of a Julian day, for the instants of the almanac.
#include <string>

namespace veltrane {

struct CalendarDate {
  int year = 2000;
  int month = 1;     // 1..12
  double day = 1.0;  // with the fraction of the day
};

// Julian calendar before 1582 October 15, Gregorian from then on.
CalendarDate JDToCalendar(double jd);

// "YYYY-MM-DDThh:mm" of a Julian day, to the nearest minute; years before 1 as "-0044".
std::string MinuteText(double jd);

}  // namespace veltrane
