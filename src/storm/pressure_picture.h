#pragma once
// The schematic picture of the pressure-trend window: isobars around the centre, the wind
// arrows of a low or a high, and the run of a boat symbol towards, past or away from it.
#include <string>
#include <vector>

#include "storm/storm_rules.h"

namespace veltrane {

// Centre of the isobar circles in the paint area.
inline constexpr PixelPoint kIsobarCentre{97, 97};

struct Segment {
  PixelPoint from, to;
};

// The four arrows (shaft and head strokes) of the wind around the centre.
std::vector<Segment> WindArrows(bool high, bool north);

struct BoatRun {
  PixelPoint start;
  int dx = 0, dy = 0;  // one pixel a step
  int steps = 0;
};
// status: the position letter and the "c" of a leaving boat; course in degrees, rounded to the
// four points; width of the paint area.
BoatRun PlanBoatRun(const std::string& status, double course, int width);

}  // namespace veltrane
