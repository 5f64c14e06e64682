#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/almanac_calendar.h"
#include "astro/eclipse.h"
#include "astro/equinox.h"
#include "astro/moon_phase.h"
#include "astro/phenomena.h"

namespace veltrane {
namespace {

constexpr double kMinute = 1.0 / 1440.0;

TEST(JDToCalendar, GregorianAndJulianDates) {
  struct Case {
    double jd;
    int year, month;
    double day;
  };
  const Case cases[] = {
      {2451545.0, 2000, 1, 1.5},     {2436116.31, 1957, 10, 4.81},  {1842713.0, 333, 1, 27.5},
      {1507900.13, -584, 5, 28.63},  {2299160.5, 1582, 10, 15.0},   {2299159.5, 1582, 10, 4.0},
      {0.0, -4712, 1, 1.5},
  };
  for (const Case& c : cases) {
    const CalendarDate d = JDToCalendar(c.jd);
    EXPECT_EQ(d.year, c.year) << c.jd;
    EXPECT_EQ(d.month, c.month) << c.jd;
    EXPECT_NEAR(d.day, c.day, 1e-6) << c.jd;
  }
}

TEST(MinuteText, RoundsToTheMinuteAcrossMidnight) {
  EXPECT_EQ(MinuteText(2451545.0), "2000-01-01T12:00");
  EXPECT_EQ(MinuteText(2451544.5 - 0.2 / 1440.0), "2000-01-01T00:00");
  EXPECT_EQ(MinuteText(2460408.5 + 18.0 / 24.0 + 17.6 / 1440.0), "2024-04-08T18:18");
  EXPECT_EQ(MinuteText(1507900.13), "-0584-05-28T15:07");
}

TEST(EquinoxSolstice, PublishedInstants) {
  struct Case {
    int year, event;
    double jde;
    double tolerance;
  };
  const Case cases[] = {
      {1962, 1, 2437837.39245, 0.00001},  // textbook example, June solstice
      {2000, 0, 2451623.81, 0.01},
      // Modern instants (UT plus 69 s): 2024 March 20 03:06, 2025 June 21 02:42,
      // 2026 September 23 00:05, 2026 December 21 20:50.
      {2024, 0, 2460389.5 + (3 * 60 + 6 + 1.15) / 1440.0, 1.5 * kMinute},
      {2025, 1, 2460847.5 + (2 * 60 + 42 + 1.15) / 1440.0, 1.5 * kMinute},
      {2026, 2, 2461306.5 + (0 * 60 + 5 + 1.15) / 1440.0, 1.5 * kMinute},
      {2026, 3, 2461395.5 + (20 * 60 + 50 + 1.15) / 1440.0, 1.5 * kMinute},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(EquinoxSolstice(c.year, c.event), c.jde, c.tolerance) << c.year << " " << c.event;
}

TEST(MoonPhase, PublishedInstants) {
  struct Case {
    double k;
    int q;
    double jde;
  };
  const Case cases[] = {
      {-283, kNewMoon, 2443192.65118},      // 1977 February 18
      {544, kLastQuarter, 2467636.49186},   // 2044 January
      // 2024 January 11 11:57 UT and 2025 March 14 06:55 UT, plus 69 s.
      {297, kNewMoon, 2460320.5 + (11 * 60 + 57 + 1.15) / 1440.0},
      {311, kFullMoon, 2460748.5 + (6 * 60 + 55 + 1.15) / 1440.0},
  };
  for (const Case& c : cases) EXPECT_NEAR(MoonPhase(c.k, c.q), c.jde, 1.0 * kMinute) << c.k;
}

TEST(PhaseArguments, TextbookLunation) {
  const LunationArguments a = PhaseArguments(-283, -283 / 1236.85);
  EXPECT_NEAR(a.meanJde, 2443192.94102, 0.00002);
  EXPECT_NEAR(a.M, 45.7375, 0.0001);
  EXPECT_NEAR(a.Mp, 95.3722, 0.0001);
  EXPECT_NEAR(a.F, 120.9584, 0.0001);
  EXPECT_NEAR(a.Omega, 207.3176, 0.0001);
}

TEST(SolarEclipse, PublishedEclipses) {
  struct Case {
    double from, jde;
    int type;
    double magnitude;
  };
  const Case cases[] = {
      {2449100.0, 2449129.0979, kSolarPartial, 0.740},  // 1993 May 21
      // 2024 April 8 18:17 UT total; 2024 October 2 18:45 UT annular; 2023 April 20 04:17 UT
      // hybrid; 2025 March 29 10:48 UT partial of magnitude 0.94.
      {2460400.0, 2460408.5 + (18 * 60 + 18.2) / 1440.0, kSolarTotal, 0.0},
      {2460420.0, 2460585.5 + (18 * 60 + 46.2) / 1440.0, kSolarAnnular, 0.0},
      {2460040.0, 2460054.5 + (4 * 60 + 18.2) / 1440.0, kSolarAnnularTotal, 0.0},
      {2460750.0, 2460763.5 + (10 * 60 + 48.2) / 1440.0, kSolarPartial, 0.94},
  };
  for (const Case& c : cases) {
    const SolarEclipseResult r = SolarEclipse(c.from);
    EXPECT_NEAR(r.jde, c.jde, 3.0 * kMinute) << c.from;
    EXPECT_EQ(r.type, c.type) << c.from;
    EXPECT_NEAR(r.magnitude, c.magnitude, 0.01) << c.from;
  }
}

TEST(SolarEclipse, SearchingFromAnEclipseFindsTheNext) {
  const SolarEclipseResult first = SolarEclipse(2460400.0);
  const SolarEclipseResult next = SolarEclipse(first.jde);
  EXPECT_NEAR(next.jde - first.jde, 6 * kSynodicMonth, 1.0);  // 2024 October 2
}

TEST(LunarEclipse, PublishedEclipses) {
  struct Case {
    int mode;
    double from, jde;
    int type;
    double magnitude, partialHours, totalHours;
  };
  const Case cases[] = {
      // 1973 June 15: penumbral, magnitude 0.4625, penumbral phase 101 minutes each side.
      {0, 2441830.0, 2441849.3687, kLunarPenumbral, 0.4625, 101.0 / 60.0, 0.0},
      // 2025 March 14 06:59 UT: total, magnitude 1.178, partial 109 and total 33 minutes
      // each side of the middle.
      {0, 2460740.0, 2460748.5 + (6 * 60 + 59.8) / 1440.0, kLunarTotal, 1.178, 109.0 / 60.0,
       33.0 / 60.0},
      // 2024 September 18 02:44 UT: a small partial eclipse.
      {0, 2460560.0, 2460571.5 + (2 * 60 + 45.2) / 1440.0, kLunarPartial, 0.085, 31.0 / 60.0, 0.0},
  };
  for (const Case& c : cases) {
    const LunarEclipseResult r = LunarEclipse(c.mode, c.from);
    EXPECT_NEAR(r.jde, c.jde, 3.0 * kMinute) << c.from;
    EXPECT_EQ(r.type, c.type) << c.from;
    EXPECT_NEAR(r.magnitude, c.magnitude, 0.01) << c.from;
    EXPECT_NEAR(r.partialSemiDuration, c.partialHours, 3.0 / 60.0) << c.from;
    EXPECT_NEAR(r.totalSemiDuration, c.totalHours, 3.0 / 60.0) << c.from;
  }
}

TEST(LunarEclipse, LargerShadowDeepensTheSameEclipse) {
  const LunarEclipseResult usual = LunarEclipse(0, 2441830.0);
  const LunarEclipseResult larger = LunarEclipse(1, 2441830.0);
  EXPECT_DOUBLE_EQ(usual.jde, larger.jde);
  EXPECT_GT(larger.magnitude, usual.magnitude);
  EXPECT_GT(larger.partialSemiDuration, usual.partialSemiDuration);
}

TEST(PlanetPhenomenon, PublishedAndModernInstants) {
  struct Case {
    Planet planet;
    int event, year;
    double jde;
    double toleranceDays;
  };
  const Case cases[] = {
      {Planet::Mercury, kFirstPhenomenon, 1993, 2449297.6445, 0.001},  // textbook, 1993 Nov 6
      // Modern instants in UT: Venus inferior conjunction 2025 March 23 01 h; Mars opposition
      // 2025 January 16 02 h; Jupiter opposition 2024 December 7 21 h; Saturn opposition
      // 2024 September 8 04 h; Uranus opposition 2024 November 17 03 h; Neptune opposition
      // 2024 September 21 00 h.
      {Planet::Venus, kFirstPhenomenon, 2025, 2460757.5 + 1.0 / 24.0, 0.25},
      {Planet::Mars, kFirstPhenomenon, 2025, 2460691.5 + 2.0 / 24.0, 0.25},
      {Planet::Jupiter, kFirstPhenomenon, 2024, 2460651.5 + 21.0 / 24.0, 0.25},
      {Planet::Saturn, kFirstPhenomenon, 2024, 2460561.5 + 4.0 / 24.0, 0.25},
      {Planet::Uranus, kFirstPhenomenon, 2024, 2460631.5 + 3.0 / 24.0, 0.25},
      {Planet::Neptune, kFirstPhenomenon, 2024, 2460574.5, 0.25},
  };
  for (const Case& c : cases) {
    // The year's cycles lie a few after the one of its start.
    const double k = PhenomenonCycle(c.planet, c.event, c.year);
    double best = 1e9;
    for (double dk = -1; dk <= 4; ++dk) {
      const double jde = PhenomenonInstant(c.planet, c.event, k + dk);
      if (std::fabs(jde - c.jde) < std::fabs(best - c.jde)) best = jde;
    }
    EXPECT_NEAR(best, c.jde, c.toleranceDays) << PhenomenonName(c.planet, c.event) << " "
                                              << static_cast<int>(c.planet);
  }
}

}  // namespace
}  // namespace veltrane
