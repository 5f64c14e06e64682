// The daily pages against a precise ephemeris (PyEphem 4.1.4: geocentric apparent places of
// date, apparent sidereal time; rising and setting of the upper limb at -34', twilight of the
// centre, no refraction), and the limits of a run.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "astro/daily_pages.h"

namespace veltrane {
namespace {

constexpr double kMinute = 1.0 / 60.0;  // of arc or of time

double AngleDifference(double a, double b) { return std::remainder(a - b, 360.0); }

DailyPage SaintNicholasDay() {
  const DailyPagesRun run = DailyPages(2026, 12, 6, 1);
  EXPECT_EQ(run.message, "");
  return run.days.at(0);
}

TEST(DailyPagesTest, HourlyPlacesAgreeWithAPreciseEphemeris) {
  const DailyPage page = SaintNicholasDay();
  const HourRow& h = page.hours.at(13);
  EXPECT_EQ(h.hour, 13);
  struct Case {
    const char* body;
    GhaDec got;
    double gha, dec, tolerance;  // degrees; tolerance in minutes of arc
  };
  const Case cases[] = {
      {"Moon", {h.moon.gha, h.moon.dec}, 47.600201, -21.614112, 0.3},
      {"Venus", h.planets[0], 60.290752, -10.000865, 1.0},
      {"Mars", h.planets[1], 113.621142, 12.375914, 1.0},
      {"Jupiter", h.planets[2], 120.872265, 13.301854, 1.0},
      {"Saturn", h.planets[3], 262.019493, 0.796880, 2.0},
  };
  EXPECT_NEAR(AngleDifference(h.ariesGha, 270.331484), 0.0, 0.01 * kMinute);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.body);
    EXPECT_NEAR(AngleDifference(c.got.gha, c.gha), 0.0, c.tolerance * kMinute);
    EXPECT_NEAR(c.got.dec, c.dec, c.tolerance * kMinute);
  }
  // v and d: the change to 14h, as navigators interpolate with them.
  EXPECT_NEAR(h.moon.v, 12.09, 0.05);
  EXPECT_NEAR(h.moon.d, -9.21, 0.05);
  EXPECT_NEAR(h.moon.hp, 60.0 * 0.915096, 0.3);
  // The next hour's GHA is this one's plus 14°19.0' plus v.
  const HourRow& next = page.hours.at(14);
  EXPECT_NEAR(AngleDifference(next.moon.gha, h.moon.gha + (kMoonBaseRatePerHour + h.moon.v) / 60.0), 0.0, 1e-9);
}

const LatitudeRow& RowAt(const DailyPage& page, double latitude) {
  for (const LatitudeRow& r : page.latitudes)
    if (r.latitude == latitude) return r;
  throw std::out_of_range("no such latitude");
}

// Astronomy Engine 2.1.19 (an independent ephemeris), with the pages' Delta T: geocentric
// apparent places of date; the Moon's centre at +0.125 degree geocentric altitude.
TEST(DailyPagesTest, SunAndHighLatitudeMoonAgreeWithAnIndependentEphemeris) {
  const DailyPage january = DailyPages(2026, 1, 7, 1).days.at(0);
  const struct {
    int hour;
    double gha, dec;
  } hours[] = {{0, 178.488336, -22.396770}, {12, 358.434630, -22.332945}};
  for (const auto& h : hours) {
    const HourRow& row = january.hours.at(h.hour);
    EXPECT_NEAR(AngleDifference(row.sun.gha, h.gha), 0.0, 0.01 * kMinute) << h.hour;
    EXPECT_NEAR(row.sun.dec, h.dec, 0.01 * kMinute) << h.hour;
  }

  const struct {
    int month, day;
    double lat, rise, set;  // UT hours
  } moons[] = {
      {9, 3, 64, 17.57248, 16.55173},  // sets and rises again an hour later
      {1, 18, 64, 10.80728, 13.28070},  // up for two and a half hours
      {3, 8, 70, 3.21327, 3.43240},    // up for thirteen minutes, a quarter of an hour before its passage
  };
  for (const auto& m : moons) {
    SCOPED_TRACE(testing::Message() << m.month << "-" << m.day << " at " << m.lat);
    const DailyPage page = DailyPages(2026, m.month, m.day, 1).days.at(0);
    const LatitudeRow& row = RowAt(page, m.lat);
    ASSERT_TRUE(row.moonrise.hours && row.moonset.hours);
    EXPECT_NEAR(*row.moonrise.hours, m.rise, 0.25 * kMinute);
    EXPECT_NEAR(*row.moonset.hours, m.set, 0.25 * kMinute);
  }
}

TEST(DailyPagesTest, StarsAreTheMarkedOnesInNameOrder) {
  const DailyPage page = SaintNicholasDay();
  ASSERT_EQ(page.stars.size(), 58u);  // the 57 of the almanac and Polaris
  EXPECT_EQ(page.stars.front().name, "Acamar");
  EXPECT_EQ(page.stars.back().name, "Zubenelgenubi");
  struct Case {
    const char* name;
    double sha, dec;
  };
  const Case cases[] = {{"Sirius", 258.409187, -16.751870}, {"Acrux", 172.976475, -63.244332}, {"Vega", 80.542791, 38.810234}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const StarRow* row = nullptr;
    for (const StarRow& s : page.stars)
      if (s.name == c.name) row = &s;
    ASSERT_NE(row, nullptr);
    EXPECT_NEAR(AngleDifference(row->sha, c.sha), 0.0, 0.1 * kMinute);
    EXPECT_NEAR(row->dec, c.dec, 0.1 * kMinute);
  }
}

TEST(DailyPagesTest, DayDataAgreeWithAPreciseEphemeris) {
  const DailyPage page = SaintNicholasDay();
  EXPECT_NEAR(page.sun.merPass, 11.850120, kMinute);
  // Equation of time: the Sun passes Greenwich 12h minus it.
  EXPECT_NEAR(page.sun.eot12, (12.0 - 11.850120) * 3600.0, 2.0);
  EXPECT_NEAR(page.sun.sd, 16.2, 0.05);
  ASSERT_TRUE(page.moon.merPassUpper && page.moon.merPassLower);
  EXPECT_NEAR(*page.moon.merPassUpper, 9.721753, kMinute);
  EXPECT_NEAR(*page.moon.merPassLower, 22.121745, kMinute);
  EXPECT_NEAR(page.moon.sd, 0.2725 * 60.0 * 0.915, 0.1);
  EXPECT_NEAR(page.moon.ageDays, 27.2, 0.1);  // New Moon 2026 November 9 07:02 UT
  EXPECT_LT(page.moon.phasePercent, 10.0);

  struct Case {
    double lat;
    double nautical, civil, sunrise, sunset, moonrise, moonset;  // UT hours
  };
  const Case cases[] = {
      {50, 6.398520, 7.083463, 7.714143, 15.981846, 5.347117, 13.951215},
      {0, 4.981332, 5.415345, 5.788109, 17.912165, 3.532504, 15.913314},
      {-40, 3.190458, 3.870335, 4.408902, 19.296547, 2.319912, 17.294576},
  };
  const std::vector<double>& lats = StandardLatitudes();
  ASSERT_EQ(lats.size(), 31u);
  EXPECT_EQ(lats.front(), 72.0);
  EXPECT_EQ(lats.back(), -60.0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lat);
    const LatitudeRow& row = RowAt(page, c.lat);
    const std::pair<PageTime, double> times[] = {{row.nauticalMorning, c.nautical}, {row.civilMorning, c.civil},
                                                 {row.sunrise, c.sunrise},          {row.sunset, c.sunset},
                                                 {row.moonrise, c.moonrise},        {row.moonset, c.moonset}};
    for (const auto& [got, want] : times) {
      ASSERT_TRUE(got.hours);
      EXPECT_NEAR(*got.hours, want, 2.0 * kMinute);
    }
  }
}

TEST(DailyPagesTest, PolarDaysAndNightsHaveNoTimes) {
  struct Case {
    int month, day;
    double lat;
    HorizonStatus sunrise, nautical;
  };
  const Case cases[] = {
      {6, 21, 72, HorizonStatus::Always, HorizonStatus::Always},   // midnight sun
      {12, 21, 72, HorizonStatus::Never, HorizonStatus::Crosses},  // polar night, twilight at noon
      {6, 21, 60, HorizonStatus::Crosses, HorizonStatus::Always},  // never darker than -12°
      {6, 21, -60, HorizonStatus::Crosses, HorizonStatus::Crosses},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.month << "-" << c.day << " at " << c.lat);
    const DailyPage page = DailyPages(2026, c.month, c.day, 1).days.at(0);
    const LatitudeRow& row = RowAt(page, c.lat);
    EXPECT_EQ(row.sunrise.status, c.sunrise);
    EXPECT_EQ(row.sunset.status, c.sunrise);
    EXPECT_EQ(row.sunrise.hours.has_value(), c.sunrise == HorizonStatus::Crosses);
    EXPECT_EQ(row.nauticalMorning.status, c.nautical);
    EXPECT_EQ(row.nauticalEvening.hours.has_value(), c.nautical == HorizonStatus::Crosses);
  }
}

TEST(DailyPagesTest, RunLimitsAndTheCalendar) {
  struct Case {
    int year, month, day, days;
    const char* message;
  };
  const Case cases[] = {
      {-2000, 1, 1, 1, ""},
      {-2001, 12, 31, 1, "The first day must fall in the years -2000 to 4000"},
      {4000, 12, 31, 366, ""},
      {4001, 1, 1, 1, "The first day must fall in the years -2000 to 4000"},
      {2026, 2, 29, 1, "The calendar has no such day"},
      {1582, 10, 10, 1, "The calendar has no such day"},
      {2026, 1, 1, 0, "The number of days must be 1 to 366"},
      {2026, 1, 1, -3, "The number of days must be 1 to 366"},
      {2026, 1, 1, 367, "The number of days must be 1 to 366"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day << " x" << c.days);
    EXPECT_EQ(DailyPagesRequestError(c.year, c.month, c.day, c.days), c.message);
  }
  EXPECT_TRUE(DailyPages(2026, 1, 1, 0).days.empty());
  EXPECT_EQ(DailyPages(2026, 1, 1, 367).message, "The number of days must be 1 to 366");

  // Days follow the calendar over the Gregorian reform and the end of a year.
  const DailyPagesRun reform = DailyPages(1582, 10, 4, 2);
  ASSERT_EQ(reform.days.size(), 2u);
  EXPECT_EQ(reform.days[1].day, 15);
  const DailyPagesRun newYear = DailyPages(2026, 12, 31, 2);
  ASSERT_EQ(newYear.days.size(), 2u);
  EXPECT_EQ(newYear.days[1].year, 2027);
  EXPECT_EQ(newYear.days[1].month, 1);
  EXPECT_EQ(newYear.days[1].day, 1);
  EXPECT_EQ(newYear.days[0].hours.size(), 24u);
}

TEST(DailyPagesTest, ClockTexts) {
  const std::pair<double, const char*> cases[] = {
      {0.0, "00:00"}, {7.5, "07:30"}, {12.0 + 59.49 / 60.0, "12:59"}, {12.0 + 59.5 / 60.0, "13:00"}, {23.999, "23:59"}};
  for (const auto& [hours, text] : cases) EXPECT_EQ(PageClockText(hours), text) << hours;
}

}  // namespace
}  // namespace veltrane
