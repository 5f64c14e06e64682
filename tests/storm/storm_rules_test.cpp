#include "storm/storm_rules.h"

#include <gtest/gtest.h>

namespace veltrane {
namespace {

PositionRecord At(double lat) { return {0.0, lat, 60.0}; }

TEST(CentreBearing, OffsetByHemisphereAndSource) {
  struct Case {
    int direction;
    double lat;
    BearingSource source;
    int expected;
  } cases[] = {
      {90, 20, BearingSource::Wind, 202},   {90, -20, BearingSource::Wind, 338},
      {300, 20, BearingSource::Wind, 52},   {10, -10, BearingSource::Cloud, 280},
      {248, 20, BearingSource::Wind, 360},  // exactly 360 stays 360
      {123, 20, BearingSource::Centre, 123}, {123, -20, BearingSource::Centre, 123},
      {90, 0, BearingSource::Wind, 90},     // on the equator the direction is kept
  };
  for (const Case& c : cases)
    EXPECT_EQ(CentreBearing(c.direction, At(c.lat), c.source), c.expected) << c.direction << " at " << c.lat;
}

TEST(CentreDistance, EveryRowUpToItsInclusiveBoundThenTheFormula) {
  // Each row from just above the bound of the row before up to its own bound.
  const double rows[][2] = {{0.01, 300}, {0.02, 250}, {0.03, 220}, {0.04, 190}, {0.05, 170}, {0.06, 150},
                            {0.07, 130}, {0.08, 120}, {0.09, 110}, {0.10, 95},  {0.11, 85},  {0.12, 80},
                            {0.13, 70},  {0.14, 60},  {0.15, 50},  {0.16, 40},  {0.17, 35},  {0.18, 30},
                            {0.19, 25},  {0.20, 20}};
  for (const auto& row : rows) {
    EXPECT_EQ(CentreDistance(row[0] - 0.0095), row[1]) << row[0];
    EXPECT_EQ(CentreDistance(row[0]), row[1]) << row[0];
  }
  // Beyond the table 1/rate^2 - 5, rounded, and never negative.
  struct Case {
    double rate, expected;
  } cases[] = {{0.0, 300}, {0.2001, 20}, {0.207, 18}, {0.25, 11}, {0.5, 0}, {9.0, 0}};
  for (const Case& c : cases) EXPECT_EQ(CentreDistance(c.rate), c.expected) << c.rate;
}

TEST(FallToInches, ConvertsRoundsAndFlagsRange) {
  struct Case {
    PressureUnit unit;
    double value, inches;
    bool valid;
  } cases[] = {
      {PressureUnit::Millibar, 1, 0.030, true},  {PressureUnit::Millibar, 1.5, 0.044, true},
      {PressureUnit::InchHg, 0.25, 0.25, true},  {PressureUnit::MmHg, 3, 0.118, true},
      {PressureUnit::Millibar, -1, -0.030, false}, {PressureUnit::InchHg, 9.5, 9.5, false},
      {PressureUnit::InchHg, 9.0, 9.0, true},
  };
  for (const Case& c : cases) {
    const FallRate r = FallToInches(c.unit, c.value);
    EXPECT_DOUBLE_EQ(r.inchesPerHour, c.inches) << c.value;
    EXPECT_EQ(r.valid, c.valid) << c.value;
  }
}

TEST(CompassPoints, SectorEdges) {
  struct Case {
    double d;
    const char *eight, *four;
  } cases[] = {{0, "N", "N"},     {22, "N", "N"},    {23, "NE", "N"},  {45, "NE", "E"},   {68, "E", "E"},
               {113, "SE", "E"},  {136, "SE", "S"},  {158, "S", "S"},  {201, "SW", "S"},  {225, "SW", "W"},
               {248, "W", "W"},   {293, "NW", "W"},  {315, "NW", "W"}, {316, "NW", "N"},  {337, "NW", "N"},
               {338, "N", "N"},   {360, "N", "N"}};
  for (const Case& c : cases) {
    EXPECT_EQ(CompassPoint8(c.d), c.eight) << c.d;
    EXPECT_EQ(CompassPoint4(c.d), c.four) << c.d;
  }
}

TEST(PlotVectorEnd, EachQuadrantOnScreenAxes) {
  struct Case {
    int d;
    PixelPoint expected;
  } cases[] = {{0, {100, 0}},   {90, {200, 100}}, {180, {100, 200}}, {270, {0, 100}},
               {30, {149, 14}},  // 49.99.. and 86.6 truncate towards zero
               {210, {51, 186}}, {360, {100, 0}}};
  for (const Case& c : cases) EXPECT_EQ(PlotVectorEnd(c.d, 100, 100, 100.0), c.expected) << c.d;
}

TEST(PlotVectorEnd, HugeLengthStaysDefined) {
  const PixelPoint p = PlotVectorEnd(45, 0, 0, 1e300);
  EXPECT_GT(p.x, 0);
  EXPECT_LT(p.y, 0);
}

}  // namespace
}  // namespace veltrane
