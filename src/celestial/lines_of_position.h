#pragma once
// The intercept and its line of position, the advance of the first line by the run between
// two sights, and the fix where two lines cross. Degrees and nautical miles, longitude west
// positive.
#include <optional>

#include "foundation/position_record.h"

namespace veltrane {

struct Intercept {
  double miles = 0.0;   // 60 (Hc - Ho): negative towards the body
  bool towards = false;
  double course = 0.0;  // from the assumed position to the intercept foot
  // Direction of the line and its point at the foot; nothing when the run to the foot
  // would cross a pole.
  std::optional<PositionRecord> lop;
};

Intercept PlotIntercept(const PositionRecord& assumed, double zn, double ho, double hc);

// Latitude folded into -90..90, longitude into -180..180, direction into -360..360, as the
// lines are shown and kept.
PositionRecord NormaliseLop(PositionRecord lop);

// The line's point carried along the course for the distance by mid-latitude sailing; its
// direction stays. Nothing when the run would cross a pole.
std::optional<PositionRecord> AdvanceLop(const PositionRecord& lop, double course, double distance);

inline constexpr const char* kMsgParallelLop = "Parallel LOP";
// Where two lines cross; nothing when they are within one degree of parallel.
std::optional<PositionRecord> CrossLops(const PositionRecord& first, const PositionRecord& second);

}  // namespace veltrane
