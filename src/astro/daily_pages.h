#pragma once
// The tables of a nautical almanac's daily pages for a run of days: hourly Greenwich hour
// angles and declinations, the day's stars, Sun and Moon data, meridian passages, and twilight,
// sunrise, sunset, moonrise and moonset at the standard latitudes. Bodies are placed at UT plus
// Delta T, hour angles are for UT; times are local mean time at Greenwich (UT), in hours.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "astro/day_crossings.h"

namespace veltrane {

inline constexpr int kDailyPagesFirstYear = -2000;
inline constexpr int kDailyPagesLastYear = 4000;
inline constexpr int kDailyPagesMaxDays = 366;
// The Moon's v is its hourly excess over this rate of Greenwich hour angle, minutes of arc.
inline constexpr double kMoonBaseRatePerHour = 14.0 * 60.0 + 19.0;

struct MoonHour {
  double gha = 0.0, dec = 0.0;  // degrees
  double v = 0.0;   // excess of the next hour's change of GHA over 14°19.0', minutes of arc
  double d = 0.0;   // next hour's change of declination, minutes of arc, north positive
  double hp = 0.0;  // horizontal parallax, minutes of arc
};

inline constexpr int kPagePlanetCount = 4;
enum class PagePlanet { Venus, Mars, Jupiter, Saturn };
const char* PagePlanetName(PagePlanet planet);  // "Venus" ...

struct HourRow {
  int hour = 0;             // UT
  double ariesGha = 0.0;    // degrees
  GhaDec sun;
  MoonHour moon;
  std::array<GhaDec, kPagePlanetCount> planets;  // in PagePlanet order
};

struct StarRow {
  std::string name;
  double sha = 0.0;  // degrees
  double dec = 0.0;
};

struct SunOfDay {
  double eot00 = 0.0;  // equation of time at 00h and 12h, seconds, positive when the Sun
  double eot12 = 0.0;  // passes the meridian before 12h
  double merPass = 0.0;  // hours
  double sd = 0.0;       // semidiameter, minutes of arc
  double d = 0.0;        // hourly change of declination, minutes of arc
};

struct MoonOfDay {
  std::optional<double> merPassUpper, merPassLower;  // hours; none on the day it skips
  double ageDays = 0.0;       // at 12h, from the last New Moon
  double phasePercent = 0.0;  // illuminated at 12h, to 0.1
  double sd = 0.0;            // semidiameter at 12h, minutes of arc
};

struct PlanetOfDay {
  std::optional<double> merPass;  // hours
  double v = 0.0;  // mean hourly excess of GHA over 15°, minutes of arc
  double d = 0.0;  // mean hourly change of declination, minutes of arc
};

// When an event has no time: the body stays above (Always) or below (Never) all day.
struct PageTime {
  std::optional<double> hours;
  HorizonStatus status = HorizonStatus::Crosses;
};

struct LatitudeRow {
  double latitude = 0.0;  // north positive
  PageTime nauticalMorning, civilMorning, sunrise, sunset, civilEvening, nauticalEvening;
  PageTime moonrise, moonset;
};

// 72° N to 60° S in the almanac's usual steps.
const std::vector<double>& StandardLatitudes();

struct DailyPage {
  int year = 2000, month = 1, day = 1;
  double jd0 = 0.0;     // Julian day of 0h UT
  double deltaT = 0.0;  // seconds, as used
  std::vector<HourRow> hours;  // 0h to 23h
  std::vector<StarRow> stars;  // at 0h
  SunOfDay sun;
  MoonOfDay moon;
  std::array<PlanetOfDay, kPagePlanetCount> planets;
  std::vector<LatitudeRow> latitudes;  // in StandardLatitudes order
};

struct DailyPagesRun {
  std::vector<DailyPage> days;
  std::string message;  // why nothing was computed; empty on success
};

// Refuses a first day outside the years -2000..4000, a day the calendar does not have, and
// fewer than 1 or more than 366 days.
std::string DailyPagesRequestError(int year, int month, int day, int days);
DailyPagesRun DailyPages(int year, int month, int day, int days);
// "hh:mm" of a page time, to the nearest minute and never past 23:59.
std::string PageClockText(double hours);
DailyPage DailyPageOf(double jd0);

}  // namespace veltrane
