#include "celestial/sight_planner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "astro/navigational_stars.h"
#include "celestial/simulated_sights.h"
#include "foundation/angles.h"

namespace veltrane {
namespace {

PlannedBody Body(const char* name, double azimuth, double altitude = 45.0, double magnitude = 2.0) {
  return {name, PlannedKind::Star, altitude, azimuth, magnitude};
}

std::vector<std::string> Best(const std::vector<PlannedBody>& bodies, size_t size) {
  std::vector<std::string> names;
  for (size_t i : BestSet(bodies, size)) names.push_back(bodies[i].name);
  return names;
}

using Names = std::vector<std::string>;

TEST(SightPlanner, BestSetRanksSpreadThenAltitudeThenBrightness) {
  struct Case {
    const char* what;
    std::vector<PlannedBody> bodies;
    size_t size;
    Names best;
  };
  const Case cases[] = {
      {"even spread wins", {Body("a", 0), Body("b", 10), Body("c", 20), Body("d", 120), Body("e", 240)}, 3, {"a", "d", "e"}},
      {"four at right angles", {Body("a", 5), Body("b", 95), Body("c", 100), Body("d", 185), Body("e", 275)}, 4,
       {"a", "b", "d", "e"}},
      // Narrowest gaps of 30 and 35 share a band: the set spanning 95 degrees beats the one
      // spanning 60, however comfortable and bright that one is.
      {"a 90 degree span first",
       {Body("a", 0, 45, -1), Body("b", 30, 45, -1), Body("c", 60, 45, -1), Body("d", 95, 16, 5)}, 3, {"a", "c", "d"}},
      // Narrowest gaps of 120 and 105 fall in different bands: the wider wins over altitude.
      {"spread before altitude", {Body("a", 0), Body("b", 120), Body("c", 240, 20), Body("d", 225)}, 3, {"a", "b", "c"}},
      // Narrowest gaps 110 and 110: the comfortable altitudes decide.
      {"altitude within a band", {Body("a", 0), Body("b", 110), Body("c", 225, 20), Body("d", 230)}, 3, {"a", "b", "d"}},
      {"30 and 60 degrees are comfortable, 29.9 and 60.1 are not",
       {Body("a", 0, 29.9), Body("b", 120, 60.1), Body("c", 240, 45), Body("x", 0, 30), Body("y", 120, 60)}, 3,
       {"c", "x", "y"}},
      {"then the brightest",
       {Body("a", 0, 45, 2.5), Body("b", 120, 45, 1.0), Body("c", 240, 45, 1.0), Body("x", 0, 45, 0.5)}, 3,
       {"b", "c", "x"}},
      {"too few bodies", {Body("a", 0), Body("b", 120)}, 3, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Best(c.bodies, c.size), c.best) << c.what;
}

TEST(SightPlanner, InstantsLeavingTheDateMoveIt) {
  struct Case {
    int y, m, d;
    double hours;
    int y2, m2, d2;
    double ut;
  };
  const Case cases[] = {{2026, 1, 1, -3.0, 2025, 12, 31, 21.0}, {2026, 2, 28, 27.0, 2026, 3, 1, 3.0},
                        {2024, 2, 28, 24.0, 2024, 2, 29, 0.0},  {2024, 3, 1, -0.5, 2024, 2, 29, 23.5},
                        {2026, 12, 31, 25.0, 2027, 1, 1, 1.0},  {2026, 6, 15, 12.0, 2026, 6, 15, 12.0}};
  for (const Case& c : cases) {
    const SightInstant at = InstantOf(test::At(c.y, c.m, c.d, 0.0).date, c.hours);
    EXPECT_EQ(at.date.Year, c.y2);
    EXPECT_EQ(at.date.Month, c.m2);
    EXPECT_EQ(at.date.Day, c.d2);
    EXPECT_DOUBLE_EQ(at.ut, c.ut);
  }
}

TEST(SightPlanner, EveningAndMorningAtSea) {
  const std::vector<StarRecord> stars = test::ShippedStars();
  const TDateRec date = test::At(2026, 3, 20, 0.0).date;
  for (TwilightSide side : {TwilightSide::Morning, TwilightSide::Evening}) {
    const SightPlan plan = PlanSights(date, 35.0, 40.0, side, stars);
    ASSERT_TRUE(plan.middle) << plan.message;
    // 40 W keeps local time 2 h 40 m behind UT: the morning's twilight near 08:30 UT, the
    // evening's near 21:30, nautical before civil in the morning and after it in the evening.
    const bool morning = side == TwilightSide::Morning;
    EXPECT_NEAR(*plan.middle, morning ? 8.4 : 21.6, 0.4);
    EXPECT_EQ(*plan.nautical < *plan.civil, morning);
    EXPECT_NEAR(std::fabs(*plan.civil - *plan.nautical), 0.45, 0.1);
    EXPECT_DOUBLE_EQ(*plan.middle, (*plan.civil + *plan.nautical) / 2.0);
    ASSERT_GE(plan.bodies.size(), 12u);
    for (size_t i = 0; i < plan.bodies.size(); ++i) {
      const PlannedBody& b = plan.bodies[i];
      // The star file holds many more; only the almanac's stars are offered.
      if (b.kind == PlannedKind::Star) {
        EXPECT_TRUE(IsNavigationalStar(b.name)) << b.name;
      }
      EXPECT_GE(b.altitude, 15.0);
      EXPECT_LE(b.altitude, 70.0);
      if (i) {
        EXPECT_GE(b.azimuth, plan.bodies[i - 1].azimuth);
      }
    }
    ASSERT_EQ(plan.bestThree.size(), 3u);
    ASSERT_EQ(plan.bestFour.size(), 4u);
    std::vector<double> azimuths;
    for (const std::string& name : plan.bestThree) {
      const auto it = std::find_if(plan.bodies.begin(), plan.bodies.end(),
                                   [&](const PlannedBody& b) { return b.name == name; });
      ASSERT_NE(it, plan.bodies.end());
      azimuths.push_back(it->azimuth);
    }
    std::sort(azimuths.begin(), azimuths.end());
    // Three bodies this evenly spread leave no gap between neighbours below 90 degrees.
    EXPECT_GE(std::min({azimuths[1] - azimuths[0], azimuths[2] - azimuths[1], azimuths[0] + 360 - azimuths[2]}),
              90.0);
  }
}

TEST(SightPlanner, TheMoonAndPlanetsAreListedWithTheirKind) {
  // 2026 January 20, evening at 35 N 40 W: Jupiter low in the east, Saturn in the south-west.
  const SightPlan plan = PlanSights(test::At(2026, 1, 20, 0.0).date, 35.0, 40.0, TwilightSide::Evening, {});
  ASSERT_TRUE(plan.middle);
  const auto jupiter = std::find_if(plan.bodies.begin(), plan.bodies.end(),
                                    [](const PlannedBody& b) { return b.name == "Jupiter"; });
  ASSERT_NE(jupiter, plan.bodies.end());
  EXPECT_EQ(PlannedKindName(jupiter->kind), "planet");
  ASSERT_TRUE(jupiter->magnitude);
  EXPECT_LT(*jupiter->magnitude, -1.5);
  EXPECT_EQ(PlannedKindName(PlannedKind::Moon), "moon");
  EXPECT_EQ(PlannedKindName(PlannedKind::Star), "star");
}

TEST(SightPlanner, NoNauticalTwilightInTheArcticSummer) {
  const SightPlan plan = PlanSights(test::At(2026, 6, 21, 0.0).date, 70.0, -20.0, TwilightSide::Evening, {});
  EXPECT_FALSE(plan.middle);
  EXPECT_EQ(plan.message, "The Sun does not pass through nautical twilight this evening at this latitude");
  EXPECT_TRUE(plan.bodies.empty());
  EXPECT_TRUE(plan.bestThree.empty());
}

}  // namespace
}  // namespace veltrane
