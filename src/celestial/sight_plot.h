#pragma once
// The plot of a fix drawn to scale: miles east and north of the fix for the DR position, each
// sight's line of position and the fix without a blunder, with the ellipse and a scale bar.
#include <optional>
#include <vector>

#include "celestial/least_squares_fix.h"

namespace veltrane {

struct PlotPoint {
  double east = 0.0, north = 0.0;  // miles from the fix
};

struct PlotLine {
  PlotPoint foot;       // the point of the line nearest the fix
  PlotPoint direction;  // unit vector along the line
  bool blunder = false;
};

struct SightPlotData {
  PlotPoint dr;
  std::vector<PlotLine> lines;
  std::optional<PlotPoint> withoutBlunder;
  ErrorEllipse ellipse;
  double reach = 1.0;      // miles from the fix to the edge of the plot
  double scaleBar = 1.0;   // miles
};

// Where b lies from a, in miles east and north on the chart of a's latitude.
PlotPoint OffsetOf(const PositionRecord& a, const PositionRecord& b);
// The longest bar of 1, 2 or 5 times a power of ten that fits within half the reach.
double ScaleBarMiles(double reach);
// The fix must have a position.
SightPlotData SightPlotOf(const LeastSquaresFix& fix, const PositionRecord& dr);

}  // namespace veltrane
