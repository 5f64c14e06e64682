#include "celestial/least_squares_fix.h"

#include <gtest/gtest.h>

#include <cmath>

#include "celestial/simulated_sights.h"
#include "coastal/nav_utl.h"

namespace veltrane {
namespace {

using test::At;

// Miles from a to b, east and north.
struct Offset {
  double east, north;
};
Offset OffsetOf(const PositionRecord& a, const PositionRecord& b) {
  return {(a.Lon - b.Lon) * 60.0 * CosD((a.Lat + b.Lat) / 2.0), (b.Lat - a.Lat) * 60.0};
}
double Miles(const PositionRecord& a, const PositionRecord& b) {
  const Offset o = OffsetOf(a, b);
  return std::hypot(o.east, o.north);
}

class LeastSquaresFixTest : public ::testing::Test {
 protected:
  // 35 N, 40 W in the evening twilight of 2026 March 20.
  const PositionRecord truth_{0.0, 35.0, 40.0};
  const SightInstant when_ = At(2026, 3, 20, 20.5);
  const std::vector<StarRecord> stars_ = test::ShippedStars();

  FixRequest Request(const std::vector<std::string>& names, const std::vector<double>& errors, double sigma,
                     std::vector<SightInstant> times = {}, const std::vector<PositionRecord>& where = {}) const {
    FixRequest r;
    r.dr = {0.0, truth_.Lat + 4.0 / 60.0, truth_.Lon + 5.0 / 60.0};  // 4' north, about 4 miles west
    r.fixTime = when_;
    r.sigmaArcmin = sigma;
    for (size_t i = 0; i < names.size(); ++i) {
      const SightInstant at = times.empty() ? when_ : times[i];
      const PositionRecord from = where.empty() ? truth_ : where[i];
      r.sights.push_back(*PrepareSight(test::SimulatedStarSight(stars_, names[i], from, at, errors[i]), stars_).sight);
    }
    return r;
  }
};

TEST_F(LeastSquaresFixTest, ExactSightsGiveTheTruePosition) {
  const auto names = test::StarsNear(stars_, truth_, when_, {10.0, 130.0, 250.0});
  const LeastSquaresFix fix = SolveFix(Request(names, {0.0, 0.0, 0.0}, 1.0));
  ASSERT_TRUE(fix.position) << fix.message;
  EXPECT_LT(Miles(*fix.position, truth_), 0.01);
  EXPECT_GE(fix.iterations, 2);  // the DR is miles away: at least one re-reduction
  ASSERT_EQ(fix.sights.size(), 3u);
  for (const SightFit& s : fix.sights) {
    EXPECT_LT(std::fabs(s.residual), 0.01);
    EXPECT_FALSE(s.blunder);
    EXPECT_GT(std::fabs(s.intercept), 0.5);  // reduced from the DR, not the fix
  }
  EXPECT_FALSE(fix.withoutBlunder);
}

TEST_F(LeastSquaresFixTest, EllipseAxesAndDirectionFromTheAzimuths) {
  const auto names = test::StarsNear(stars_, truth_, when_, {0.0, 40.0, 80.0});
  FixRequest r = Request(names, {0.0, 0.0, 0.0}, 0.5);
  r.dr = truth_;
  const LeastSquaresFix fix = SolveFix(r);
  ASSERT_TRUE(fix.position);
  // The spread of the fix along each direction, from the covariance sigma^2 (A'A)^-1 searched
  // by direction rather than by eigenvalues.
  double ee = 0.0, en = 0.0, nn = 0.0;
  for (const SightFit& s : fix.sights) ee += SinD(s.zn) * SinD(s.zn), en += SinD(s.zn) * CosD(s.zn), nn += CosD(s.zn) * CosD(s.zn);
  const double det = ee * nn - en * en;
  double widest = 0.0, narrowest = 1e9, widestAt = 0.0;
  for (double dir = 0.0; dir < 180.0; dir += 0.01) {
    const double s = SinD(dir), c = CosD(dir);
    // The variance along the unit vector (s, c) east and north.
    const double variance = 0.25 * (s * s * nn - 2.0 * s * c * en + c * c * ee) / det;
    if (variance > widest) widest = variance, widestAt = dir;
    narrowest = std::min(narrowest, variance);
  }
  EXPECT_NEAR(fix.ellipse.semiMajor, 2.4477468 * std::sqrt(widest), 1e-4);
  EXPECT_NEAR(fix.ellipse.semiMinor, 2.4477468 * std::sqrt(narrowest), 1e-4);
  EXPECT_NEAR(fix.ellipse.orientation, widestAt, 0.02);
}

TEST_F(LeastSquaresFixTest, ATenMinuteBlunderAmongFourIsFlaggedAndLeftOut) {
  const auto names = test::StarsNear(stars_, truth_, when_, {0.0, 70.0, 150.0, 250.0});
  const LeastSquaresFix fix = SolveFix(Request(names, {0.2, -0.3, 10.0, 0.1}, 1.0));
  ASSERT_TRUE(fix.position);
  for (size_t i = 0; i < 4; ++i) EXPECT_EQ(fix.sights[i].blunder, i == 2) << i;
  ASSERT_TRUE(fix.withoutBlunder);
  EXPECT_LT(Miles(*fix.withoutBlunder, truth_), 0.5);
  EXPECT_GT(Miles(*fix.position, truth_), 1.0);  // the blunder pulls the fix over
}

TEST_F(LeastSquaresFixTest, BlunderFlaggedBeyondThreeStandardErrorsOnly) {
  const auto names = test::StarsNear(stars_, truth_, when_, {0.0, 70.0, 150.0, 250.0});
  const double worst = std::fabs(SolveFix(Request(names, {0.0, 0.0, 4.0, 0.0}, 1.0)).sights[2].residual);
  for (const auto& [sigma, flagged] : {std::pair{worst / 3.0 * 1.001, false}, std::pair{worst / 3.0 * 0.999, true}}) {
    const LeastSquaresFix fix = SolveFix(Request(names, {0.0, 0.0, 4.0, 0.0}, sigma));
    EXPECT_EQ(fix.sights[2].blunder, flagged) << sigma;
    EXPECT_EQ(fix.withoutBlunder.has_value(), flagged) << sigma;
  }
}

TEST_F(LeastSquaresFixTest, RunningFixOverTwoHoursAtSixKnots) {
  const auto names = test::StarsNear(stars_, truth_, when_, {20.0, 140.0, 260.0});
  const VesselMotion motion{45.0, 6.0};
  // The vessel was 12 and 6 miles back along 045 at the first two sights.
  std::vector<PositionRecord> where;
  for (double back : {12.0, 6.0, 0.0}) where.push_back(*MidLatitudePosition(truth_, back, 225.0));
  const std::vector<SightInstant> times = {At(2026, 3, 20, 18.5), At(2026, 3, 20, 19.5), when_};
  FixRequest r = Request(names, {0.0, 0.0, 0.0}, 1.0, times, where);
  const LeastSquaresFix still = SolveFix(r);
  ASSERT_TRUE(still.position);
  EXPECT_GT(Miles(*still.position, truth_), 2.0);  // without the run the lines do not meet there
  r.motion = motion;
  const LeastSquaresFix running = SolveFix(r);
  ASSERT_TRUE(running.position) << running.message;
  EXPECT_LT(Miles(*running.position, truth_), 0.05);
}

TEST_F(LeastSquaresFixTest, TwoSightsGiveTheCrossingOfTheirLines) {
  const auto names = test::StarsNear(stars_, truth_, when_, {30.0, 120.0});
  const FixRequest r = Request(names, {0.4, -0.6}, 1.0);
  const LeastSquaresFix fix = SolveFix(r);
  ASSERT_TRUE(fix.position);
  // The window's crossing of the two lines plotted from the DR.
  const Intercept a = ReduceSight(r.sights[0], r.dr).intercept, b = ReduceSight(r.sights[1], r.dr).intercept;
  const std::optional<PositionRecord> cross = CrossLops(*a.lop, *b.lop);
  ASSERT_TRUE(cross);
  EXPECT_LT(Miles(*fix.position, *cross), 0.05);
  for (const SightFit& s : fix.sights) EXPECT_LT(std::fabs(s.residual), 0.01);
}

TEST_F(LeastSquaresFixTest, RefusedWithTooFewOrParallelSights) {
  const auto names = test::StarsNear(stars_, truth_, when_, {30.0});
  const LeastSquaresFix one = SolveFix(Request(names, {0.0}, 1.0));
  EXPECT_FALSE(one.position);
  EXPECT_EQ(one.message, kMsgTooFewSights);
  // The same star twice a minute apart: two lines within a fraction of a degree.
  const LeastSquaresFix twice = SolveFix(Request({names[0], names[0]}, {0.0, 0.5}, 1.0,
                                                 {when_, At(2026, 3, 20, 20.5 + 1.0 / 60.0)}));
  EXPECT_FALSE(twice.position);
  EXPECT_EQ(twice.message, kMsgParallelSights);
  EXPECT_FALSE(SolveFix(FixRequest{}).position);
}

TEST(HoursBetween, AcrossMidnightAndMonths) {
  EXPECT_DOUBLE_EQ(HoursBetween(At(2026, 3, 20, 23.5), At(2026, 3, 21, 0.5)), 1.0);
  EXPECT_DOUBLE_EQ(HoursBetween(At(2026, 3, 1, 1.0), At(2026, 2, 28, 23.0)), -2.0);
  EXPECT_DOUBLE_EQ(HoursBetween(At(2026, 3, 20, 6.0), At(2026, 3, 20, 4.25)), -1.75);
}

}  // namespace
}  // namespace veltrane
