#pragma once
// Tacking to a mark dead to windward, and gybing to a mark downwind.
#include <optional>

namespace veltrane {

// Distance sailed in percent of the straight distance when tacking through `tackAngle`
// degrees; nothing unless the angle is above 0 and below 180.
std::optional<double> TackingPercent(double tackAngle);

struct Beat {
  double percent = 0.0;   // sailed distance in percent of the straight distance
  double distance = 0.0;  // NM sailed to the mark
  double vmg = 0.0;       // knots made good to windward
};

// Beating to a mark `mark` NM dead to windward at `speed` knots; nothing as TackingPercent.
std::optional<Beat> BeatToWindward(double mark, double tackAngle, double speed);
// Boat speed needed on a beat of `newPercent` to make good what `speed` made on `percent`.
double SpeedForSameVmg(double speed, double percent, double newPercent);

struct DownwindLegs {
  double leg1 = 0.0;     // NM
  double leg2 = 0.0;     // NM
  double total = 0.0;    // NM
  double minutes = 0.0;  // time to the mark
  double vmg = 0.0;      // knots towards the mark
};

// Gybing at `divergence` degrees either side of the wind (0: straight to the mark) to a mark
// `mark` NM away at `windMark` degrees from the wind, at `speed` knots. Mark and speed above 0.
// Nothing when the mark lies outside the gybing angle: one leg would have to be sailed upwind.
std::optional<DownwindLegs> GybeToMark(double mark, double windMark, double divergence, double speed);

}  // namespace veltrane
