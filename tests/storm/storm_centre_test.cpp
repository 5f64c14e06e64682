#include "storm/storm_centre.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace veltrane {
namespace {

using ::testing::ElementsAre;

double Minutes(double deg) { return (deg - static_cast<int>(deg)) * 60; }

TEST(StormCentre, DemonstrationFigures) {
  const PositionRecord boat1{0, 20, 60};
  const auto first = EstimateCentre(boat1, 90, BearingSource::Wind, FallToInches(PressureUnit::Millibar, 1).inchesPerHour);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->bearing, 202);
  EXPECT_EQ(first->distance, 220);
  EXPECT_EQ(static_cast<int>(first->centre.Lat), 16);
  EXPECT_NEAR(Minutes(first->centre.Lat), 36.0, 0.05);
  EXPECT_EQ(static_cast<int>(first->centre.Lon), 61);
  EXPECT_NEAR(Minutes(first->centre.Lon), 26.8, 0.05);

  const PositionRecord boat2{0, 20 + 7.0 / 60, 60 + 12.9 / 60};
  const auto second =
      EstimateCentre(boat2, 80, BearingSource::Wind, FallToInches(PressureUnit::Millibar, 1.5).inchesPerHour);
  ASSERT_TRUE(second);
  EXPECT_EQ(second->bearing, 192);
  EXPECT_EQ(second->distance, 170);
  EXPECT_NEAR(Minutes(second->centre.Lat), 20.7, 0.05);
  EXPECT_NEAR(Minutes(second->centre.Lon), 50.2, 0.05);

  const CycloneTrack track = TrackBetween(first->centre, second->centre, 2);
  EXPECT_NEAR(track.heading, 38, 0.5);
  EXPECT_NEAR(track.speed, 28, 0.5);
}

TEST(StormCentre, CentreBeyondThePoleIsRefused) {
  EXPECT_FALSE(EstimateCentre({0, 89, 0}, 248, BearingSource::Wind, 0.0));
}

TEST(StormCentre, SpeedWarnings) {
  EXPECT_EQ(CycloneSpeedWarning(4.9), "Quite low speed for a cyclone");
  EXPECT_EQ(CycloneSpeedWarning(5), "");
  EXPECT_EQ(CycloneSpeedWarning(50), "");
  EXPECT_EQ(CycloneSpeedWarning(50.1), "Unlikely speed for a cyclone");
}

TEST(StormCentre, EquatorAdvice) {
  EXPECT_THAT(EquatorAdvice(5), ElementsAre("Consider sailing towards  South",
                                            "as cyclones rarely come within 4\u00b0 from the equator."));
  EXPECT_THAT(EquatorAdvice(-6.1), ElementsAre("Consider sailing towards  North", ::testing::_));
  EXPECT_TRUE(EquatorAdvice(6.2).empty());
}

TEST(SemicircleAdvice, ByTurnOfTheWind) {
  struct Case {
    int w1, w2;
    bool north;
    double fall;
    std::vector<std::string> lines;
  } cases[] = {
      {90, 80, true, 0.044,
       {" Wind is backing, so you are in the left semicircle.",
        "Sail on starboard tack or be hove-to on the port tack."}},
      {90, 80, false, 0.044,
       {" Wind is backing, so you are in the right semicircle.",
        "Sail on port tack or be hove-to on the starboard tack."}},
      {350, 10, true, 0.0,  // across north: a veer of 20
       {" Wind is veering, so you are in the right semicircle.",
        "Sail close-hauled or be hove-to on the starboard tack."}},
      {10, 350, false, 0.0,
       {" Wind is backing, so you are in the right semicircle.",
        "Sail on port tack or be hove-to on the starboard tack."}},
      {90, 92, true, 0.044,  // a turn of 2 is steady
       {" Wind is steady and the barometer is falling, so you are", "on the storm track, in front of center.",
        "Bring the wind 22\u00b0 on the quarter of starboard"}},
      {90, 90, true, 0.03, {" Wind is steady and the barometer is falling, so you are", "on the storm track"}},
      {90, 88, true, 0.009, {" The situation is uncertain. Better to wait and see."}},
  };
  for (const Case& c : cases) EXPECT_EQ(SemicircleAdvice(c.w1, c.w2, c.north, c.fall), c.lines) << c.w1 << "/" << c.w2;
}

}  // namespace
}  // namespace veltrane
