#include "celestial/sight_plot.h"

#include <algorithm>
#include <cmath>

#include "foundation/angles.h"

namespace veltrane {

PlotPoint OffsetOf(const PositionRecord& a, const PositionRecord& b) {
  // West-positive longitudes: a smaller one lies east.
  return {Norm180(a.Lon - b.Lon) * 60.0 * CosD((a.Lat + b.Lat) / 2.0), (b.Lat - a.Lat) * 60.0};
}

double ScaleBarMiles(double reach) {
  const double half = reach / 2.0;
  const double power = std::pow(10.0, std::floor(std::log10(half)));
  for (double step : {5.0, 2.0, 1.0})
    if (step * power <= half) return step * power;
  return power;
}

SightPlotData SightPlotOf(const LeastSquaresFix& fix, const PositionRecord& dr) {
  SightPlotData d;
  const PositionRecord& at = *fix.position;
  d.dr = OffsetOf(at, dr);
  d.ellipse = fix.ellipse;
  double reach = std::max({1.0, std::hypot(d.dr.east, d.dr.north), fix.ellipse.semiMajor});
  for (const SightFit& s : fix.sights) {
    // The residual is 60 (Hc - Ho) at the fix: positive puts the line away from the body.
    const double sz = SinD(s.fixZn), cz = CosD(s.fixZn);
    d.lines.push_back({{-s.residual * sz, -s.residual * cz}, {cz, -sz}, s.blunder});
    reach = std::max(reach, std::fabs(s.residual));
  }
  if (fix.withoutBlunder) {
    d.withoutBlunder = OffsetOf(at, *fix.withoutBlunder);
    reach = std::max(reach, std::hypot(d.withoutBlunder->east, d.withoutBlunder->north));
  }
  d.reach = 1.25 * reach;
  d.scaleBar = ScaleBarMiles(d.reach);
  return d;
}

}  // namespace veltrane
