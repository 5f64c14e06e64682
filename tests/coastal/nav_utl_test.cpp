#include "coastal/nav_utl.h"

#include <gtest/gtest.h>

#include <cmath>

namespace veltrane {
namespace {

struct TriangleCase {
  double set, wt, drift, boat;
  double track, sog;
};

TEST(CurrentTriangle, GroundVectorFromWaterVector) {
  const TriangleCase cases[] = {
      {90, 0, 5, 5, 45, std::sqrt(50.0)},
      {0, 0, 2, 6, 0, 8},     // current from astern
      {180, 0, 2, 6, 0, 4},   // current from ahead
      {180, 0, 5, 1, 180, 4}, // stronger current from ahead sets the boat backwards
      {270, 90, 3, 3, 90, 0},  // standing still over ground: the track stays the water track
      {0, 350, 0, 5, 350, 5},
  };
  for (const auto& c : cases) {
    const double sog = GroundSpeed(c.set, c.wt, c.drift, c.boat);
    const double track = AddAngleWrap(c.wt, CurrentAngle(c.set, c.wt, c.drift, c.boat));
    EXPECT_NEAR(sog, c.sog, 1e-9) << c.set << " " << c.wt;
    EXPECT_NEAR(std::remainder(track - c.track, 360.0), 0.0, 1e-9) << c.set << " " << c.wt;
  }
}

TEST(CurrentTriangle, SolvedEachWayAgreesWithTheForwardTriangle) {
  const double sets[] = {0, 45, 135, 225, 300};
  const double wts[] = {0, 10, 95, 200, 359};
  for (double set : sets) {
    for (double wt : wts) {
      const double drift = 2.5, boat = 6;
      const double sog = GroundSpeed(set, wt, drift, boat);
      const double track = AddAngleWrap(wt, CurrentAngle(set, wt, drift, boat));

      const SteerResult steer = CourseToSteer(set, track, drift, boat);
      ASSERT_TRUE(steer.possible);
      EXPECT_NEAR(std::remainder(steer.waterTrack - wt, 360.0), 0.0, 1e-7) << set << " " << wt;
      EXPECT_NEAR(steer.speed, sog, 1e-7);

      const SteerResult heading = SpeedAndHeading(set, track, drift, sog);
      EXPECT_NEAR(std::remainder(heading.waterTrack - wt, 360.0), 0.0, 1e-7) << set << " " << wt;
      EXPECT_NEAR(heading.speed, boat, 1e-7);

      const CurrentResult current = CurrentFromTracks(wt, track, boat, sog);
      EXPECT_NEAR(std::remainder(current.set - set, 360.0), 0.0, 1e-7) << set << " " << wt;
      EXPECT_NEAR(current.drift, drift, 1e-7);
    }
  }
}

TEST(CurrentTriangle, UndefinedCasesGiveNumbers) {
  // Current along the track: no division by zero, the boat steers the track.
  SteerResult r = SpeedAndHeading(0, 0, 2, 5);
  EXPECT_DOUBLE_EQ(r.waterTrack, 0);
  EXPECT_DOUBLE_EQ(r.speed, 3);
  // The current alone makes the wanted ground vector: along-track and cross components both 0.
  r = SpeedAndHeading(90, 90, 4, 4);
  EXPECT_DOUBLE_EQ(r.speed, 0);
  EXPECT_DOUBLE_EQ(r.waterTrack, 90);
  // A current stronger than the wanted ground speed along the track: steer against it.
  r = SpeedAndHeading(0, 0, 5, 3);
  EXPECT_NEAR(r.waterTrack, 180, 1e-9);
  EXPECT_NEAR(r.speed, 2, 1e-9);
  // Identical vectors: no current, set 0.
  const CurrentResult c = CurrentFromTracks(30, 30, 5, 5);
  EXPECT_DOUBLE_EQ(c.drift, 0);
  EXPECT_DOUBLE_EQ(c.set, 0);
  // A cross-current stronger than the boat, or one that sets the boat back: no course exists.
  EXPECT_FALSE(CourseToSteer(90, 0, 6, 5).possible);
  EXPECT_FALSE(CourseToSteer(180, 0, 6, 5).possible);
  EXPECT_FALSE(CourseToSteer(0, 0, 1, 0).possible);
}

TEST(MeridionalParts, KnownValuesAndPoles) {
  EXPECT_NEAR(MeridionalParts(0), 0, 1e-9);
  EXPECT_NEAR(MeridionalParts(60), 4507.4, 0.5);  // nautical tables, spheroid: 4507.5
  EXPECT_NEAR(MeridionalParts(-60), -MeridionalParts(60), 1e-9);
  EXPECT_TRUE(std::isinf(MeridionalParts(90)));
  EXPECT_TRUE(std::isinf(MeridionalParts(-90)));
}

TEST(MercatorCourseDistance, WorkedCases) {
  const struct { PositionRecord from, to; double course, distance; } cases[] = {
      {{0, 60, 0}, {0, 61, 0}, 360, 60},
      {{0, 0, 1}, {0, 0, 0}, 90, 60},
      {{0, 0, 0}, {0, 0, 1}, 270, 60},
      {{0, 61, 10}, {0, 60, 10}, 180, 60},
      {{0, 60, 0}, {0, 60, -2}, 90, 60},  // parallel sailing: departure = dLon cos(lat)
      {{0, 10, 10}, {0, 10, 10}, 90, 0},
      {{0, 89, 0}, {0, 90, 30}, 360, 60},  // to the pole along a meridian
      {{0, 0, -179}, {0, 0, 179}, 90, 120},  // 179 E to 179 W: eastward over the date line
      {{0, 10, 179}, {0, 10, -179}, 270, 120 * std::cos(10 * M_PI / 180)},
  };
  for (const auto& c : cases) {
    const CourseDistance r = MercatorCourseDistance(c.from, c.to);
    EXPECT_NEAR(r.course, c.course, 1e-9) << c.from.Lat << " " << c.to.Lat;
    EXPECT_NEAR(r.distance, c.distance, 1e-6) << c.from.Lat << " " << c.to.Lat;
  }
}

TEST(DeadReckoning, EachSailingReturnsToTheCourseAndDistanceItRan) {
  const PositionRecord start{0, 55.5, 5.0};
  const double courses[] = {1, 45, 89.5, 90, 135, 180, 200, 270, 315, 359};
  for (double course : courses) {
    const auto merc = MercatorPosition(start, 100, course);
    ASSERT_TRUE(merc);
    EXPECT_DOUBLE_EQ(merc->Direction, course);
    const CourseDistance back = MercatorCourseDistance(start, *merc);
    EXPECT_NEAR(back.distance, 100, 1e-6) << course;
    EXPECT_NEAR(std::remainder(back.course - course, 360.0), 0, 1e-6) << course;

    const auto mid = MidLatitudePosition(start, 100, course);
    ASSERT_TRUE(mid);
    EXPECT_NEAR(mid->Lat, merc->Lat, 1e-12) << course;
    EXPECT_NEAR(mid->Lon, merc->Lon, 0.01) << course;  // the two sailings agree on a short run
  }
}

TEST(DeadReckoning, EdgeCases) {
  using Sailing = std::optional<PositionRecord> (*)(const PositionRecord&, double, double);
  struct Case {
    const char* what;
    Sailing sail;
    PositionRecord start;
    double distance, course;
    std::optional<double> lat, lon;  // none: the run reaches or passes a pole, no longitude
  };
  const Case cases[] = {
      {"due east keeps the latitude, the longitude decreases", MercatorPosition, {0, 60, 0}, 60, 90, 60, -2},
      {"due west by mid-latitude", MidLatitudePosition, {0, 60, 0}, 60, 270, 60, 2},
      // A meridian course leaves the longitude exactly alone, whichever way north is written.
      {"due north", MercatorPosition, {0, 10, 0}, 60, 0, 11, 0},
      {"due south", MercatorPosition, {0, 10, 0}, 60, 180, 9, 0},
      {"due north as 360", MercatorPosition, {0, 10, 0}, 60, 360, 11, 0},
      {"a negative run goes the reciprocal way", MercatorPosition, {0, 10, 3}, -60, 0, 9, 3},
      {"along a meridian the pole itself is reached", MercatorPosition, {0, 89, 0}, 60, 0, 90, 0},
      {"past the pole", MercatorPosition, {0, 89, 0}, 120, 45, {}, {}},
      {"to the pole off a meridian", MercatorPosition, {0, 89.5, 0}, 60, 20, {}, {}},
      {"past the south pole", MidLatitudePosition, {0, -89.5, 0}, 60, 180, {}, {}},
  };
  for (const Case& c : cases) {
    const auto r = c.sail(c.start, c.distance, c.course);
    ASSERT_EQ(r.has_value(), c.lat.has_value()) << c.what;
    if (!r) continue;
    EXPECT_EQ(r->Lat, *c.lat) << c.what;
    EXPECT_NEAR(r->Lon, *c.lon, c.course == 90 || c.course == 270 ? 1e-9 : 0.0) << c.what;
  }
}

TEST(LineCrossing, FixesAndNearParallelLines) {
  // Two bearings from objects either side of the true position meet there (the windows' and the
  // command line's cross bearing pin the exact figures).
  const double lat = 45, lon = 10, k = 1 / std::cos(45 * 3.141592653589793 / 180);
  const auto fix = LineCrossing({45, lat - 0.1, lon + 0.1 * k}, {315, lat - 0.1, lon - 0.1 * k});
  ASSERT_TRUE(fix);
  EXPECT_NEAR(fix->Lat, lat, 1e-3);
  EXPECT_NEAR(fix->Lon, lon, 1e-3);

  const struct { double a, b; } parallel[] = {{10, 190.5}, {10, 189.5}, {10, 10.9}, {0, 360}, {5, 364.5}};
  for (const auto& p : parallel) EXPECT_FALSE(LineCrossing({p.a, 0, 0}, {p.b, 1, 1})) << p.a << " " << p.b;
  EXPECT_TRUE(LineCrossing({10, 0, 0}, {11, 1, 1}));
}

}  // namespace
}  // namespace veltrane
