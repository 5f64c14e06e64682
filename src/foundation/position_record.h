#pragma once
// A position with a direction (course, bearing or azimuth), as the sailing arithmetic, the
// great-circle computations and the astronomy engine pass it: latitude north positive,
// longitude west positive, all in degrees.

namespace veltrane {

struct PositionRecord {
  double Direction = 0.0;
  double Lat = 0.0;
  double Lon = 0.0;
};

}  // namespace veltrane
