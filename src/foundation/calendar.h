#pragma once
// Civil dates and clock times turned into the time arguments of the astronomy engine.
#include <optional>
#include <string>

namespace veltrane {

struct TDateRec {
  int Day = 1;
  int Month = 1;
  int Year = 2000;
  std::string DateText;  // the platform's short date text, at most 10 characters
};

struct TTimeRec {
  int Hour = 0;
  int Minute = 0;
  double Second = 0.0;
  std::string TimeText;  // the entered text, at most 10 characters
};

// Julian day of the standard epoch J2000.0, 2000 January 1.5 TT (IAU 1976), from which the
// theories count their Julian centuries of 36525 days.
constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerJulianCentury = 36525.0;

constexpr double JulianCenturiesSinceJ2000(double jd) { return (jd - kJ2000) / kDaysPerJulianCentury; }

struct JulianDayResult {
  double jd0 = 0.0;    // Julian day of the date at 0h
  double t1900 = 0.0;  // centuries from 1900 January 0.5, hours included
  double t0 = 0.0;     // centuries from 2000 January 1.5 at 0h
};

struct JulianCenturiesResult {
  double jd0 = 0.0;  // Julian day of the date at 0h
  double t = 0.0;    // centuries from 2000 January 1.5, hours included
};

// beforeChrist: the year is a year B.C. (entered as 3 for 3 B.C.).
JulianDayResult JulianDay(const TDateRec& date, double hoursUT, bool beforeChrist = false);
JulianCenturiesResult JulianCenturies(const TDateRec& date, double hoursUT, bool beforeChrist = false);
// TT minus UT in seconds for T in Julian centuries from 2000.
double DeltaT(double t);

// dayOfWeek 1 = Sunday .. 7 = Saturday; anything else reads as "Saturday".
std::string WeekdayName(int dayOfWeek);
// Whether the day exists: the Julian calendar before 1582 October 15, the Gregorian from then on
// (October 5 to 14 of 1582 were never counted).
bool IsCalendarDay(int year, int month, int day);

// "hh", "hh:mm" or "hh:mm:ss" with hours 0..24, minutes and seconds 0..60; nothing otherwise.
std::optional<TTimeRec> ParseTimeText(const std::string& text);
double TimeTextToHours(const std::string& text);
std::string ShiftTimeText(const std::string& text, double offsetHours);
std::string FmtHoursHM(double hours);  // "7h 05m"

struct CivilDateTime {
  int year = 2000, month = 1, day = 1;
  int hour = 0, minute = 0, second = 0;
};
// UT minus local time in whole hours, "+" in front when positive.
std::string ZoneDifferenceText(const CivilDateTime& utc, const CivilDateTime& local);

struct DateTexts {
  std::string day, month, year;
  bool ok = false;
};
// monthFirst: the platform's short date format writes the month first.
DateTexts ParseDateText(const std::string& text, bool monthFirst = false);

std::string GetField(const std::string& text, char sep, int n);
std::string GetFields(const std::string& text, char sep, int n, int k);
std::string TrimBlanks(const std::string& text);
std::string LowerFold(const std::string& text);

}  // namespace veltrane
