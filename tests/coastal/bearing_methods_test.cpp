#include "coastal/bearing_methods.h"

#include <gtest/gtest.h>

namespace veltrane {
namespace {

// Bearings on the port side are 360 less the starboard ones: the same distances.
TEST(BearingMethods, WorkedFiguresOnBothSides) {
  for (const double side : {1.0, -1.0}) {
    const auto b = [side](double x) { return side > 0 ? x : 360.0 - x; };
    EXPECT_NEAR(DistanceAbeamByRun(b(45), 3).distance, 3.0, 1e-12);
    EXPECT_NEAR(DistanceAtSecondBearing(b(30), b(60), 4).distance, 4.0, 1e-12);
    EXPECT_NEAR(DistanceAbeamByTwoBearings(b(30), b(60), 4).distance, 3.4641, 1e-4);
    const BearingFix fix = RunToThirdBearing(b(30), b(60), b(90), 4);
    EXPECT_NEAR(fix.run, 6.0, 1e-12) << side;
    EXPECT_NEAR(fix.distance, 3.4641, 1e-4) << side;
  }
}

TEST(BearingMethods, FiguresWithoutAnAnswer) {
  struct Case {
    const char* name;
    BearingFix fix;
    const char* fault;
  } cases[] = {
      {"abeam at once", DistanceAbeamByRun(90, 3), "No answer: bearing I is abeam"},
      {"no run", DistanceAbeamByRun(45, 0), "Run missing"},
      {"abaft the beam", DistanceAbeamByRun(135, 3), "No answer: bearing I is abaft the beam"},
      {"abaft the beam, port", DistanceAbeamByRun(225, 3), "No answer: bearing I is abaft the beam"},
      {"equal", DistanceAtSecondBearing(40, 40, 3), "No answer: the bearings are equal"},
      {"equal, 360 apart", DistanceAbeamByTwoBearings(0, 360, 3), "No answer: the bearings are equal"},
      {"opposite", DistanceAtSecondBearing(10, 190, 3), "No answer: the bearings are opposite"},
      {"second forward", DistanceAtSecondBearing(60, 30, 3), "No answer: bearing II must be further aft than bearing I"},
      {"other side", DistanceAbeamByTwoBearings(60, 300, 3), "No answer: bearing II must be further aft than bearing I"},
      {"III ahead", RunToThirdBearing(30, 60, 0, 4), "No answer: bearing III is ahead or astern"},
      {"III astern", RunToThirdBearing(30, 60, 180, 4), "No answer: bearing III is ahead or astern"},
      {"III passed", RunToThirdBearing(30, 60, 20, 4), "No answer: bearing III must be further aft than bearing I"},
      {"III other side", RunToThirdBearing(30, 60, 300, 4), "No answer: bearing III must be further aft than bearing I"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.fix.fault, c.fault) << c.name;
}

}  // namespace
}  // namespace veltrane
