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

// The four points at scale k, shifted so the smallest x is the left margin and the smallest y the
// top margin.
void Place(const AvoidancePlotInput& in, double k, AvoidancePlot& p) {
  p.scale = k;
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
}

// How many times too large the placed picture is for the paint area; 1 or less when it fits.
double Overflow(const AvoidancePlot& p, int width, int height) {
  double over = 1.0;
  for (const PixelPoint& q : {p.boat1, p.boat2, p.cyclone1, p.cyclone2}) {
    if (q.x > width) over = std::max(over, double(q.x - kLeftMargin) / std::max(width - kLeftMargin, 1));
    if (q.y > height) over = std::max(over, double(q.y - kTopMargin) / std::max(height - kTopMargin, 1));
  }
  return over;
}

}  // namespace

AvoidancePlot PlanAvoidancePlot(const AvoidancePlotInput& in) {
  AvoidancePlot p;
  // Boat's run and the cyclone's distance fill the height; a cyclone running far off the boat can
  // need more room, and then the whole picture is drawn smaller so it stays on the paper.
  const double reach = in.timeToCpa * in.boatSpeed + in.distance;
  Place(in, reach > 0 ? in.height / reach : 1.0, p);
  const double over = Overflow(p, in.width, in.height);
  if (over > 1.0) Place(in, p.scale / over, p);
  const double k = p.scale;

  const int barLength = static_cast<int>(std::min(k * kBarMiles, 1.0e6));
  p.barEnd = {in.width - kBarRightGap, in.height - kBarBottomGap};
  p.barStart = {p.barEnd.x - barLength, p.barEnd.y};
  return p;
}

}  // namespace veltrane
