#pragma once
// Plane-triangle and sailing arithmetic of coastal navigation: the current triangle, dead
// reckoning by Mercator and mid-latitude sailing, course and distance between two positions,
// and the crossing of two position lines. Degrees, knots and nautical miles throughout;
// longitude is WEST positive here, a window showing "East" negates on entry and output.
#include <optional>

#include "foundation/position_record.h"

namespace veltrane {

// a + b brought once into 0..360 (plus 360 once when negative, minus 360 once when >= 360).
double AddAngleWrap(double a, double b);

// Water vector (water track wt, boat speed) plus current (set, drift) gives the ground vector.
// CurrentAngle is the signed angle from the water track to the ground track (-180..180; 0 when
// the boat stands still over ground); GroundSpeed its length.
double CurrentAngle(double set, double wt, double drift, double boat);
double GroundSpeed(double set, double wt, double drift, double boat);

struct SteerResult {
  double waterTrack = 0.0;  // 0..360
  double speed = 0.0;       // ground speed (CourseToSteer) or boat speed (SpeedAndHeading)
  bool possible = true;     // false when the current does not let the boat make good the track
};

// Water track to steer and the resulting ground speed for a wanted ground track at a known
// boat speed. Not possible when the cross-current exceeds the boat speed or the boat would be
// set backwards along the track.
SteerResult CourseToSteer(double set, double track, double drift, double boat);
// Water track and boat speed that make good the wanted ground track at the wanted ground
// speed. Always possible; a current that alone gives the wanted ground vector needs speed 0
// (water track = track).
SteerResult SpeedAndHeading(double set, double track, double drift, double sog);

struct CurrentResult {
  double set = 0.0;    // 0..360, 0 when there is no current
  double drift = 0.0;  // knots
};
// The current that turns the water vector (wt, boat) into the ground vector (track, sog).
CurrentResult CurrentFromTracks(double wt, double track, double boat, double sog);

// Course 0..360 from a quadrant angle and the start-minus-end differences of latitude and
// (west-positive) longitude. Due north is 360.
double QuadrantToCourse(double q, double dLonS, double dLatS);
// Meridional parts of a latitude in minutes (two-term spheroid); +-infinity at the poles.
double MeridionalParts(double lat);

// End of a run of `distance` miles on `course` from `start`; Direction of the end is the course.
// Nothing when the run reaches or passes a pole, where a rhumb line has no longitude.
std::optional<PositionRecord> MercatorPosition(const PositionRecord& start, double distance, double course);
std::optional<PositionRecord> MidLatitudePosition(const PositionRecord& start, double distance, double course);

struct CourseDistance {
  double course = 0.0;    // 0..360, due north 360
  double distance = 0.0;  // nautical miles
};
// Rhumb-line course and distance by Mercator sailing, the short way round: across the 180th
// meridian when that is shorter (longitudes within 180 degrees).
CourseDistance MercatorCourseDistance(const PositionRecord& start, const PositionRecord& end);

// Where the line through a with bearing a.Direction meets the line through b with bearing
// b.Direction (flat chart, longitude scaled by the cosine of the mean latitude). Nothing when
// the bearings are within one degree of parallel. The result's Direction is 0.
std::optional<PositionRecord> LineCrossing(const PositionRecord& a, const PositionRecord& b);

}  // namespace veltrane
