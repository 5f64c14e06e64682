#pragma once
// The avoidance situation drawn to scale: where the boat and the cyclone start and where they
// are at the closest point of approach, in the pixels of a paint area.
#include "storm/storm_rules.h"

namespace veltrane {

struct AvoidancePlotInput {
  int width = 0;   // usable paint area, pixels
  int height = 0;
  double bearing = 0.0;   // boat to cyclone
  double distance = 0.0;  // nautical miles
  double course = 0.0;    // boat's avoidance course
  double timeToCpa = 0.0;
  double boatSpeed = 0.0;
  int heading = 0;  // cyclone's track
  double cycloneSpeed = 0.0;
};

struct AvoidancePlot {
  double scale = 1.0;  // pixels per nautical mile
  PixelPoint boat1, boat2, cyclone1, cyclone2;
  // The 100-mile scale bar.
  PixelPoint barStart, barEnd;
};

AvoidancePlot PlanAvoidancePlot(const AvoidancePlotInput& in);

}  // namespace veltrane
