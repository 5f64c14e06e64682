#include "greatcircle/grutil.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "greatcircle/wgs84_distance.h"

namespace veltrane {
namespace {

PositionRecord At(double lat, double lon) { return {0.0, lat, lon}; }

// San Francisco to Sydney, the end longitude already brought to 0..360 as the window does.
const PositionRecord kSanFrancisco = At(37 + 47.5 / 60, 122 + 27.8 / 60);
const PositionRecord kSydney = At(-(33 + 51.7 / 60), 360 - (151 + 12.7 / 60));

TEST(GreatCircleSolve, SanFranciscoToSydney) {
  const auto s = GreatCircleSolve(kSanFrancisco, kSydney);
  ASSERT_TRUE(s.solved);
  EXPECT_NEAR(s.Distance, 6445.2, 0.05);
  EXPECT_NEAR(s.Course, 240.3, 0.05);
  EXPECT_NEAR(s.Course, 360 - s.Angle, 1e-9);
  ASSERT_TRUE(s.hasVertex);
  EXPECT_NEAR(s.Vertex.Lat, 46 + 39.5 / 60, 0.05 / 60);
  EXPECT_NEAR(s.Vertex.Lon, 79.5, 0.05 / 60);
  // The caller's longitudes are used as given, so the solve does not depend on how they
  // were wrapped.
  const auto raw = GreatCircleSolve(kSanFrancisco, At(kSydney.Lat, kSydney.Lon - 360));
  EXPECT_NEAR(raw.Distance, s.Distance, 1e-9);
}

TEST(GreatCircleSolve, CourseOnEachSide) {
  struct Case {
    PositionRecord from, to;
    double course;
  };
  const Case cases[] = {
      {At(0, 0), At(10, 0), 360},     // due north along a meridian
      {At(10, 0), At(0, 0), 180},     // due south
      {At(0, 10), At(0, 0), 90},      // east along the equator (west positive)
      {At(0, 0), At(0, 10), 270},     // west along the equator
      {At(-20, -30), At(-20, -40), 91.714},  // eastward in the south bends towards the pole
  };
  for (const auto& c : cases) {
    const auto s = GreatCircleSolve(c.from, c.to);
    ASSERT_TRUE(s.solved);
    EXPECT_NEAR(s.Course, c.course, 0.01) << c.from.Lat << "," << c.from.Lon;
  }
}

TEST(GreatCircleSolve, HalfCircleOfLongitudeIsNotReduced) {
  // 180° apart in longitude: the route goes over the pole.
  const auto s = GreatCircleSolve(At(10, 0), At(10, 180));
  ASSERT_TRUE(s.solved);
  EXPECT_NEAR(std::fabs(s.dLon), 180, 1e-9);
  EXPECT_NEAR(s.Distance, 160 * 60, 1e-6);
  EXPECT_NEAR(s.Vertex.Lat, 90, 1e-4);
}

TEST(GreatCircleSolve, VertexLiesOnTheRouteEitherWay) {
  struct Case {
    PositionRecord a, b;
    double vertexLat, vertexLon;
  };
  const Case cases[] = {
      {At(40.7, 74.0), At(38.7, 9.1), 44.592, 44.746},        // New York and Lisbon
      {At(-33.86, -151.21), At(-34.6, 58.4), -69.416, 133.385},  // Sydney and Buenos Aires, across 180
      {At(0, 10), At(30, -40), 37.0045, -80},                  // from the equator, 90° short of the vertex
  };
  for (const auto& c : cases) {
    for (const auto& [from, to] : {std::pair{c.a, c.b}, std::pair{c.b, c.a}}) {
      const auto s = GreatCircleSolve(from, to);
      ASSERT_TRUE(s.hasVertex);
      EXPECT_NEAR(s.Vertex.Lat, c.vertexLat, 1e-3) << from.Lat << " to " << to.Lat;
      EXPECT_NEAR(s.Vertex.Lon, c.vertexLon, 1e-3) << from.Lat << " to " << to.Lat;
      EXPECT_NEAR(LatitudeOnGreatCircle(s.Vertex, from.Lon), from.Lat, 1e-9);
      EXPECT_NEAR(LatitudeOnGreatCircle(s.Vertex, to.Lon), to.Lat, 1e-9);
    }
  }
}

TEST(MidLatitudeCourseDistance, CoursesAndDistances) {
  struct Case {
    PositionRecord from, to;
    double course, distance;
  };
  const Case cases[] = {
      {At(60, 0), At(61, 0), 360, 60},
      {At(0, 1), At(0, 0), 90, 60},
      {At(0, 0), At(0, 1), 270, 60},
      {At(1, 0), At(0, 0), 180, 60},
      {At(0, 0), At(1, -1), 45 - 0.0044, 84.85},    // north-east
      {At(0, 0), At(-1, 1), 225 - 0.0044, 84.85},   // south-west
      {At(0, 0), At(-1, -1), 135 + 0.0044, 84.85},  // south-east
      {At(0, 0), At(1, 1), 315 + 0.0044, 84.85},    // north-west
      {At(45, 20), At(45, 20), 0, 0},               // same point: no course
  };
  for (const auto& c : cases) {
    const auto r = MidLatitudeCourseDistance(c.from, c.to);
    EXPECT_NEAR(r.course, c.course, 0.01) << c.to.Lat << "," << c.to.Lon;
    EXPECT_NEAR(r.distance, c.distance, 0.01) << c.to.Lat << "," << c.to.Lon;
  }
}

TEST(GeodesicDistance, AndoyerAgainstWgs84) {
  // Andoyer's first-order formula is good to some tens of metres on ocean routes.
  const PositionRecord routes[][2] = {
      {kSanFrancisco, kSydney},
      {At(40.7, 74.0), At(38.7, 9.1)},        // New York to Lisbon
      {At(51.5, 0.1), At(-33.9, -18.4)},      // London to Cape Town
      {At(1.3, -103.8), At(35.7, -139.7)},    // Singapore to Tokyo
      {At(0, 0), At(90, 0)},                  // equator to pole
  };
  for (const auto& r : routes) {
    const auto andoyer = GeodesicDistance(r[0], r[1]);
    ASSERT_TRUE(andoyer.has_value());
    EXPECT_NEAR(*andoyer, Wgs84DistanceKm(r[0], r[1]), 0.1) << r[1].Lat << "," << r[1].Lon;
  }
  EXPECT_NEAR(Wgs84DistanceKm(At(0, 0), At(90, 0)), 10001.966, 0.001);
}

TEST(GeodesicDistance, DegeneratePairs) {
  EXPECT_EQ(GeodesicDistance(At(12, 34), At(12, 34)), 0.0);
  EXPECT_NEAR(*GeodesicDistance(At(90, 10), At(90, 100)), 0.0, 1e-9);
  EXPECT_FALSE(GeodesicDistance(At(20, 30), At(-20, 30 - 180)).has_value());
  EXPECT_NEAR(Wgs84DistanceKm(At(20, 30), At(-20, -150)), 20000, 100);
}

}  // namespace
}  // namespace veltrane
