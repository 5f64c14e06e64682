// The almanac's readable lines and its CSV.
#include <gtest/gtest.h>

#include "astro/almanac_text.h"

namespace veltrane {
namespace {

AlmanacEvent Event(const char* kind) {
  AlmanacEvent e;
  e.kind = kind;
  e.jde = 2461120.1;
  e.jdUt = 2461120.1 - 69.0 / 86400.0;
  return e;
}

AlmanacEvent TotalLunarEclipse() {
  AlmanacEvent e = Event("lunar_eclipse");
  e.eclipseType = "total";
  e.magnitude = 1.1508;
  e.partialSemiDuration = 1.7;
  e.totalSemiDuration = 0.5;
  return e;
}

TEST(AlmanacTextTest, TitlesAndDetails) {
  AlmanacEvent mars = Event("opposition");
  mars.planet = Planet::Mars;
  AlmanacEvent venus = Event("inferior_conjunction");
  venus.planet = Planet::Venus;
  AlmanacEvent solar = Event("solar_eclipse");
  solar.eclipseType = "partial";
  solar.magnitude = 0.8564;
  AlmanacEvent penumbral = Event("lunar_eclipse");
  penumbral.eclipseType = "penumbral";
  penumbral.magnitude = 0.5;
  penumbral.partialSemiDuration = 2.0;
  const struct {
    AlmanacEvent event;
    const char* title;
    const char* details;
  } cases[] = {
      {Event("march_equinox"), "March equinox", ""},
      {Event("december_solstice"), "December solstice", ""},
      {Event("full_moon"), "Full Moon", ""},
      {Event("last_quarter"), "Last quarter", ""},
      {mars, "Opposition of Mars", ""},
      {venus, "Inferior conjunction of Venus", ""},
      {solar, "Partial eclipse of the Sun", "magnitude 0.856"},
      {TotalLunarEclipse(), "Total eclipse of the Moon",
       "magnitude 1.151, partial phase 1h 42m either side, totality 0h 30m either side"},
      {penumbral, "Penumbral eclipse of the Moon", "magnitude 0.500, penumbral phase 2h 00m either side"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AlmanacEventTitle(c.event), c.title);
    EXPECT_EQ(AlmanacEventDetails(c.event), c.details) << c.title;
  }
  AlmanacEvent neptune = Event("conjunction");
  neptune.planet = Planet::Neptune;
  AlmanacEvent uranus = Event("opposition");
  uranus.planet = Planet::Uranus;
  EXPECT_TRUE(IsFaintPlanetEvent(neptune));
  EXPECT_TRUE(IsFaintPlanetEvent(uranus));
  EXPECT_FALSE(IsFaintPlanetEvent(mars));
  EXPECT_FALSE(IsFaintPlanetEvent(Event("new_moon")));
}

TEST(AlmanacTextTest, CsvHasAHeaderAndOneRowAnEventWithLocalTime) {
  const std::string csv = AlmanacCsv({Event("march_equinox"), TotalLunarEclipse()}, -2.0);
  EXPECT_EQ(csv,
            "utc,local,event,kind,body,type,magnitude,partial_semiduration_h,total_semiduration_h,jde\n"
            "2026-03-20T14:23,2026-03-20T16:23,March equinox,march_equinox,,,,,,2461120.10000\n"
            "2026-03-20T14:23,2026-03-20T16:23,Total eclipse of the Moon,lunar_eclipse,,total,1.1508,1.7000,0.5000,"
            "2461120.10000\n");
}

}  // namespace
}  // namespace veltrane
