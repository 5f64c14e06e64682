#pragma once
// The classical special sights of the Sun and other bodies: the time of noon and the latitude
// by meridian altitude, longitude by equal altitudes, and longitude by the time-sight formula.
// Degrees, latitude north and longitude west positive, times in UT hours.
#include <optional>
#include <string>

#include "foundation/calendar.h"

namespace veltrane {

// UT of the Sun's meridian passage at a longitude on a date, Delta T taken for the date.
double NoonTime(const TDateRec& date, double lonWest, double latitude);

// Latitude from the Sun's observed meridian altitude and declination; the assumed latitude
// tells whether the Sun culminated to the south or to the north.
double NoonLatitude(double assumedLat, double dec, double ho);

struct EqualAltitudeAdjustment {
  int deg = 0;
  double min = 0.0;
  int minutesMoved = 0;  // whole minutes of latitude the vessel moved south between the sights
};
// The second measured height adjusted for the change of latitude between the sights; nothing
// to adjust when the vessel stayed within half a minute of the first latitude.
std::optional<EqualAltitudeAdjustment> AdjustSecondHeight(double latA, double latB, int deg, double min);

struct EqualAltitudeResult {
  double middle = 0.0;  // UT hours of the middle time, 0..24
  double dec = 0.0;     // the Sun's at the middle time
  double gha = 0.0;
  double lon = 0.0;     // west positive, -180..180
};
// A second time earlier than the first was taken after midnight.
EqualAltitudeResult EqualAltitudeLongitude(const TDateRec& date, double utA, double utB);

struct TimeSightResult {
  double meridianAngle = 0.0;  // negative east of the meridian (azimuth below 180)
  double lon = 0.0;            // west positive, -180..180
};
inline constexpr const char* kMsgTimeSight =
    "The height cannot be reached at this latitude and declination";
// Nothing when no hour angle gives the height (the cosine falls outside -1..1) or the
// formula has no hour angle (at a pole, or a body at the celestial pole).
std::optional<TimeSightResult> TimeSight(double lat, double dec, double gha, double zn, double height);

}  // namespace veltrane
