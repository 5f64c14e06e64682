#include "greatcircle/grutil.h"

#include <algorithm>
#include <cmath>

#include "foundation/angles.h"

namespace veltrane {
namespace {

constexpr double kEquatorialRadiusKm = 6378.14;
constexpr double kFlattening = 0.0033528131778969143;

// sin D cos(start latitude) below this means points within about a metre of each other or of
// the antipode, or a start within a metre of a pole: the course is undefined there, and the
// cosine formula's rounding alone reaches a few times 1e-8.
constexpr double kDegenerateDivisor = 1e-7;

double Clamp1(double x) { return std::clamp(x, -1.0, 1.0); }

// Longitude of the northern or southern vertex of the circle through both points, or nothing
// when both lie on the equator (the whole route is its own "highest" point).
std::optional<double> VertexLongitude(double lat1, double lon1, double lat2, double lon2) {
  const double y = TanD(lat2) * CosD(lon1) - TanD(lat1) * CosD(lon2);
  const double x = TanD(lat1) * SinD(lon2) - TanD(lat2) * SinD(lon1);
  if (std::fabs(x) < 1e-12 && std::fabs(y) < 1e-12) return std::nullopt;
  double lon = DirectionD(y, x);
  if (lon > 180.0) lon -= 360.0;
  return lon;
}

}  // namespace

GreatCircleSolution GreatCircleSolve(const PositionRecord& start, const PositionRecord& end) {
  GreatCircleSolution s;
  const double lat1 = start.Lat;
  const double lat2 = end.Lat;
  double lon1 = start.Lon;
  double lon2 = end.Lon;
  s.dLat = lat1 - lat2;
  if (std::fabs(lon1 - lon2) > 180.0) {
    if (lon1 < 0.0) lon1 += 360.0;
    if (lon2 < 0.0) lon2 += 360.0;
  }
  double dLon = lon1 - lon2;
  if (std::fabs(dLon) > 180.0) dLon = dLon < 0.0 ? dLon + 360.0 : 360.0 - dLon;
  s.dLon = dLon;

  const double d = ArcCosD(Clamp1(SinD(lat1) * SinD(lat2) + CosD(lat1) * CosD(lat2) * CosD(dLon)));
  s.Distance = 60.0 * d;
  const double divisor = SinD(d) * CosD(lat1);
  if (std::fabs(divisor) < kDegenerateDivisor) return s;

  s.solved = true;
  s.Angle = ArcCosD(Clamp1((SinD(lat2) - SinD(lat1) * CosD(d)) / divisor));
  s.Course = SinD(end.Lon - start.Lon) >= 0.0 ? 360.0 - s.Angle : s.Angle;

  const auto vertexLon = VertexLongitude(lat1, start.Lon, lat2, end.Lon);
  s.hasVertex = vertexLon.has_value();
  if (!s.hasVertex) return s;
  double vLat = ArcCosD(Clamp1(CosD(lat1) * SinD(s.Angle)));
  double vLon = *vertexLon;
  // The vertex on the start's side of the equator.
  if ((lat1 < 0.0 && vLat > 0.0) || (lat1 > 0.0 && vLat < 0.0)) {
    vLat = -vLat;
    vLon = vLon > 0.0 ? vLon - 180.0 : vLon + 180.0;
  }
  // For a route sailed east the longitude above is half a turn away from the vertex: keep the
  // one whose circle passes through the points (tested at the point farther from the equator).
  const PositionRecord& far = std::fabs(lat1) >= std::fabs(lat2) ? start : end;
  if (LatitudeOnGreatCircle({0.0, vLat, vLon}, far.Lon) * far.Lat < 0.0)
    vLon = vLon > 0.0 ? vLon - 180.0 : vLon + 180.0;
  s.Vertex.Lat = vLat;
  s.Vertex.Lon = vLon;
  return s;
}

CourseDistance MidLatitudeCourseDistance(const PositionRecord& start, const PositionRecord& end) {
  const double dLonS = (start.Lon - end.Lon) * 60.0;
  const double dLatS = (start.Lat - end.Lat) * 60.0;
  if (dLonS == 0.0 && dLatS == 0.0) return {0.0, 0.0};
  const double midLat = start.Lat - (start.Lat - end.Lat) / 2.0;
  const double departure = std::fabs(CosD(midLat) * dLonS);
  const double q = dLatS == 0.0 ? 90.0 : ArcTanD(departure / dLatS);
  const double distance = q == 90.0 ? CosD(start.Lat) * dLonS : dLatS / CosD(q);
  return {QuadrantToCourse(q, dLonS, dLatS), std::fabs(distance)};
}

double LatitudeOnGreatCircle(const PositionRecord& vertex, double lon) {
  return ArcTanD(TanD(vertex.Lat) * CosD(vertex.Lon - lon));
}

std::optional<double> GeodesicDistance(const PositionRecord& p1, const PositionRecord& p2) {
  const double f = (p1.Lat + p2.Lat) / 2.0;
  const double g = (p1.Lat - p2.Lat) / 2.0;
  const double l = (p1.Lon - p2.Lon) / 2.0;
  const double sinG2 = SinD(g) * SinD(g), cosG2 = CosD(g) * CosD(g);
  const double sinF2 = SinD(f) * SinD(f), cosF2 = CosD(f) * CosD(f);
  const double sinL2 = SinD(l) * SinD(l), cosL2 = CosD(l) * CosD(l);
  const double s = sinG2 * cosL2 + cosF2 * sinL2;
  const double c = cosG2 * cosL2 + sinF2 * sinL2;
  if (s == 0.0) return 0.0;
  if (c < 1e-12) return std::nullopt;
  const double omega = std::atan(std::sqrt(s / c));
  const double r = std::sqrt(s * c) / omega;
  const double d = 2.0 * omega * kEquatorialRadiusKm;
  const double h1 = (3.0 * r - 1.0) / (2.0 * c);
  const double h2 = (3.0 * r + 1.0) / (2.0 * s);
  return d * (1.0 + kFlattening * h1 * sinF2 * cosG2 - kFlattening * h2 * cosF2 * sinG2);
}

}  // namespace veltrane
