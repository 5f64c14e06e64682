#include "coastal/nav_utl.h"

#include <cmath>
#include <limits>

#include "foundation/angles.h"

namespace veltrane {

namespace {

// Below this a speed or vector length counts as none: its direction is meaningless.
constexpr double kNoSpeed = 1e-9;

double DirectionOf(double east, double north) { return Norm360(std::atan2(east, north) * kRadToDeg); }

// The course has been through Forward: 0 <= course < 360, so north is 0 alone.
bool IsMeridian(double course) { return course == 0.0 || course == 180.0; }

// A negative run is the same run on the reciprocal course.
void Forward(double& distance, double& course) {
  course = Norm360(course);
  if (distance < 0.0) {
    distance = -distance;
    course = Norm360(course + 180.0);
  }
}

}  // namespace

double AddAngleWrap(double a, double b) {
  double s = a + b;
  if (s < 0.0) s += 360.0;
  if (s >= 360.0) s -= 360.0;
  return s;
}

double GroundSpeed(double set, double wt, double drift, double boat) {
  return std::hypot(boat * SinD(wt) + drift * SinD(set), boat * CosD(wt) + drift * CosD(set));
}

double CurrentAngle(double set, double wt, double drift, double boat) {
  const double east = boat * SinD(wt) + drift * SinD(set);
  const double north = boat * CosD(wt) + drift * CosD(set);
  if (std::hypot(east, north) < kNoSpeed) return 0.0;
  return Norm180(DirectionOf(east, north) - wt);
}

SteerResult CourseToSteer(double set, double track, double drift, double boat) {
  const double d = track - set;
  const double across = SinD(d) * drift;  // what the boat must hold against the cross-current
  SteerResult r;
  if (boat <= 0.0 || std::fabs(across) > boat) {
    r.waterTrack = Norm360(track);
    r.possible = false;
    return r;
  }
  const double g = std::asin(across / boat) * kRadToDeg;
  r.waterTrack = Norm360(track + g);
  const double sog = CosD(g) * boat + CosD(d) * drift;
  r.possible = sog > 0.0;
  r.speed = r.possible ? sog : 0.0;
  return r;
}

SteerResult SpeedAndHeading(double set, double track, double drift, double sog) {
  const double d = track - set;
  const double across = SinD(d) * drift;
  const double along = sog - CosD(d) * drift;
  SteerResult r;
  r.speed = std::hypot(across, along);
  r.waterTrack = r.speed < kNoSpeed ? Norm360(track) : Norm360(track + std::atan2(across, along) * kRadToDeg);
  return r;
}

CurrentResult CurrentFromTracks(double wt, double track, double boat, double sog) {
  const double east = sog * SinD(track) - boat * SinD(wt);
  const double north = sog * CosD(track) - boat * CosD(wt);
  CurrentResult r;
  r.drift = std::hypot(east, north);
  r.set = r.drift < kNoSpeed ? 0.0 : DirectionOf(east, north);
  return r;
}

double QuadrantToCourse(double q, double dLonS, double dLatS) {
  const double Q = std::fabs(q);
  if (dLatS <= 0.0 && dLonS > 0.0) return Q;
  if (dLatS >= 0.0 && dLonS < 0.0) return 180.0 + Q;
  if (dLatS > 0.0 && dLonS >= 0.0) return 180.0 - Q;
  if (dLatS < 0.0 && dLonS <= 0.0) return 360.0 - Q;
  return Q;
}

double MeridionalParts(double lat) {
  if (lat >= 90.0) return std::numeric_limits<double>::infinity();
  if (lat <= -90.0) return -std::numeric_limits<double>::infinity();
  return 7915.7045 * Log10(TanD(lat / 2.0 + 45.0)) - 23.2689 * SinD(lat);
}

std::optional<PositionRecord> MercatorPosition(const PositionRecord& start, double distance, double course) {
  const double given = course;
  Forward(distance, course);
  const double dLat = (course == 90.0 || course == 270.0) ? 0.0 : CosD(course) * distance / 60.0;
  PositionRecord end{given, start.Lat + dLat, start.Lon};
  if (std::fabs(start.Lat) > 90.0 || std::fabs(end.Lat) > 90.0) return std::nullopt;
  double x = 0.0;
  if (!IsMeridian(course)) {
    if (std::fabs(start.Lat) >= 90.0 || std::fabs(end.Lat) >= 90.0) return std::nullopt;
    const double m = MeridionalParts(start.Lat) - MeridionalParts(end.Lat);
    x = std::fabs(m == 0.0 ? distance / CosD(start.Lat) : TanD(course) * m);
  }
  if (course < 180.0) x = -x;
  end.Lon = start.Lon + x / 60.0;
  return end;
}

std::optional<PositionRecord> MidLatitudePosition(const PositionRecord& start, double distance, double course) {
  const double given = course;
  Forward(distance, course);
  const double l = CosD(course) * distance;  // minutes of latitude
  PositionRecord end{given, start.Lat + l / 60.0, start.Lon};
  if (std::fabs(start.Lat) > 90.0 || std::fabs(end.Lat) > 90.0) return std::nullopt;
  double x = 0.0;
  if (!IsMeridian(course)) {
    const double mid = start.Lat + l / 120.0;
    if (std::fabs(mid) >= 90.0) return std::nullopt;
    // The departure is |tan(q) * l|, written without the tangent so east and west stay finite.
    x = std::fabs(SinD(course)) * distance / CosD(mid);
  }
  if (course < 180.0) x = -x;
  end.Lon = start.Lon + x / 60.0;
  return end;
}

CourseDistance MercatorCourseDistance(const PositionRecord& start, const PositionRecord& end) {
  const double dLatS = (start.Lat - end.Lat) * 60.0;
  const double dLonS = Wrap180(start.Lon - end.Lon) * 60.0;  // the short way, over the date line if need be
  double m = MeridionalParts(start.Lat) - MeridionalParts(end.Lat);
  if (std::isnan(m)) m = 0.0;  // both ends at the same pole
  const double q = m == 0.0 ? 90.0 : ArcTanD(dLonS / m);
  CourseDistance r;
  r.course = QuadrantToCourse(q, dLonS, dLatS);
  r.distance = q == 90.0 ? std::fabs(CosD(start.Lat) * dLonS) : std::fabs(dLatS / CosD(q));
  return r;
}

std::optional<PositionRecord> LineCrossing(const PositionRecord& a, const PositionRecord& b) {
  const double apart = std::fmod(std::fabs(b.Direction - a.Direction), 180.0);
  if (!(apart >= 1.0 && apart <= 179.0)) return std::nullopt;
  const double scale = CosD((a.Lat + b.Lat) / 2.0);
  if (scale < 1e-12) return std::nullopt;
  // Chart coordinates: x east (longitude is west positive), y north, both in degrees of latitude.
  const double ax = SinD(a.Direction), ay = CosD(a.Direction);
  const double bx = SinD(b.Direction), by = CosD(b.Direction);
  const double wx = -(b.Lon - a.Lon) * scale;
  const double wy = b.Lat - a.Lat;
  const double s = (wx * by - wy * bx) / (ax * by - ay * bx);
  PositionRecord fix;
  fix.Lat = a.Lat + s * ay;
  fix.Lon = a.Lon - s * ax / scale;
  if (std::fabs(fix.Lat) > 90.0) fix.Lat = FoldLat(fix.Lat);
  if (std::fabs(fix.Lon) > 180.0) fix.Lon = Wrap180(fix.Lon);
  return fix;
}

}  // namespace veltrane
