#include "storm/avoidance_plot.h"

#include <algorithm>
#include <cmath>

#include "foundation/numbers.h"

namespace veltrane {
namespace {

// A frame far from the edges, so the vectors never meet a clamp before the shift.
constexpr int kFrameOrigin = 1000;
constexpr int kLeftMargin = 50;
constexpr int kTopMargin = 10;
constexpr double kBarMiles = 100.0;
constexpr int kBarRightGap = 45;
constexpr int kBarBottomGap = 10;

}  // namespace

AvoidancePlot PlanAvoidancePlot(const AvoidancePlotInput& in) {
  AvoidancePlot p;
  const double reach = in.timeToCpa * in.boatSpeed + in.distance;
  p.scale = reach > 0 ? in.height / reach : 1.0;
  const double k = p.scale;
  p.boat1 = {kFrameOrigin, kFrameOrigin};
  // Directions as the avoidance window shows them, in whole degrees.
  const int bearing = static_cast<int>(RoundHalfEven(in.bearing));
  const int course = static_cast<int>(RoundHalfEven(in.course));
  p.cyclone1 = PlotVectorEnd(bearing, p.boat1.x, p.boat1.y, k * in.distance);
  p.boat2 = PlotVectorEnd(course, p.boat1.x, p.boat1.y, k * in.timeToCpa * in.boatSpeed);
  p.cyclone2 = PlotVectorEnd(in.heading, p.cyclone1.x, p.cyclone1.y, k * in.timeToCpa * in.cycloneSpeed);

  PixelPoint* points[] = {&p.boat1, &p.boat2, &p.cyclone1, &p.cyclone2};
  int minX = p.boat1.x;
  int minY = p.boat1.y;
  for (const PixelPoint* q : points) {
    minX = std::min(minX, q->x);
    minY = std::min(minY, q->y);
  }
  for (PixelPoint* q : points) {
    q->x += kLeftMargin - minX;
    q->y += kTopMargin - minY;
  }

  const int barLength = static_cast<int>(std::min(k * kBarMiles, 1.0e6));
  p.barEnd = {in.width - kBarRightGap, in.height - kBarBottomGap};
  p.barStart = {p.barEnd.x - barLength, p.barEnd.y};
  return p;
}

}  // namespace veltrane
