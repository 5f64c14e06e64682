#include "astro/almanac_year.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

namespace veltrane {
namespace {

std::map<std::string, int> CountKinds(const std::vector<AlmanacEvent>& events) {
  std::map<std::string, int> n;
  for (const AlmanacEvent& e : events) ++n[e.kind];
  return n;
}

TEST(YearEvents, Year2024) {
  const std::vector<AlmanacEvent> events = YearEvents(2024, 0);
  auto n = CountKinds(events);
  EXPECT_EQ(n["march_equinox"], 1);
  EXPECT_EQ(n["december_solstice"], 1);
  EXPECT_EQ(n["new_moon"], 13);  // December 1 and December 30
  EXPECT_EQ(n["full_moon"], 12);
  EXPECT_EQ(n["solar_eclipse"], 2);
  EXPECT_EQ(n["lunar_eclipse"], 2);
  EXPECT_EQ(n["opposition"], 4);  // Saturn, Neptune, Uranus, Jupiter; Mars has none in 2024

  struct Expected {
    std::string kind, type;
    double jdUt;
  };
  // 2024 April 8 total eclipse 18:17 UT; September 18 partial lunar eclipse 02:44 UT;
  // Jupiter's opposition December 7.
  const Expected expected[] = {
      {"solar_eclipse", "total", 2460408.5 + 18.29 / 24.0},
      {"lunar_eclipse", "partial", 2460571.5 + 2.74 / 24.0},
      {"opposition", "", 2460651.5 + 21.0 / 24.0},
  };
  for (const Expected& x : expected)
    EXPECT_TRUE(std::any_of(events.begin(), events.end(), [&x](const AlmanacEvent& e) {
      return x.kind == e.kind && std::fabs(e.jdUt - x.jdUt) < 0.3 && x.type == (e.eclipseType ? e.eclipseType : "");
    })) << x.kind << " " << x.jdUt;
}

TEST(YearEvents, SoundOverSixThousandYears) {
  for (int year = -2000; year <= 4000; year += 125) {
    for (int mode = 0; mode <= 1; ++mode) {
      const std::vector<AlmanacEvent> events = YearEvents(year, mode);
      auto n = CountKinds(events);
      EXPECT_EQ(n["march_equinox"] + n["june_solstice"] + n["september_equinox"] + n["december_solstice"], 4)
          << year;
      EXPECT_TRUE(n["new_moon"] >= 12 && n["new_moon"] <= 13) << year;
      EXPECT_TRUE(n["solar_eclipse"] >= 2 && n["solar_eclipse"] <= 5) << year;
      EXPECT_TRUE(n["lunar_eclipse"] >= 2 && n["lunar_eclipse"] <= 5) << year;
      for (size_t i = 0; i < events.size(); ++i) {
        const AlmanacEvent& e = events[i];
        EXPECT_TRUE(std::isfinite(e.jde) && std::isfinite(e.jdUt) && std::isfinite(e.magnitude.value_or(0.0)) &&
                    std::isfinite(e.partialSemiDuration.value_or(0.0)))
            << year;
        EXPECT_TRUE(i == 0 || events[i - 1].jde <= e.jde) << year;
      }
    }
  }
}

}  // namespace
}  // namespace veltrane
