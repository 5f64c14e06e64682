#include "coastal/tacking.h"

#include <cmath>

#include "foundation/angles.h"

namespace veltrane {

std::optional<double> TackingPercent(double tackAngle) {
  if (!(tackAngle > 0.0 && tackAngle < 180.0)) return std::nullopt;
  return 200.0 / SinD(tackAngle) * SinD(tackAngle / 2.0);
}

std::optional<Beat> BeatToWindward(double mark, double tackAngle, double speed) {
  const auto percent = TackingPercent(tackAngle);
  if (!percent) return std::nullopt;
  return Beat{*percent, *percent * mark / 100.0, CosD(tackAngle / 2.0) * speed};
}

double SpeedForSameVmg(double speed, double percent, double newPercent) {
  return (100.0 / percent) * (newPercent / 100.0) * speed;
}

std::optional<DownwindLegs> GybeToMark(double mark, double windMark, double divergence, double speed) {
  DownwindLegs r;
  if (divergence == 0.0) {
    r.total = mark;
  } else {
    if (divergence < windMark) return std::nullopt;
    const double s = SinD(180.0 - 2.0 * divergence);
    r.leg1 = SinD(divergence - windMark) * mark / s;
    r.leg2 = SinD(divergence + windMark) * mark / s;
    r.total = r.leg1 + r.leg2;
  }
  const double hours = r.total / speed;
  r.minutes = hours * 60.0;
  r.vmg = mark / hours;
  return r;
}

}  // namespace veltrane
