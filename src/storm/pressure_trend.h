#pragma once
// Where a nearby high or low lies from the barometer, the wind and the course, how the wind
// will turn, and whether a cold front is ahead.
#include <optional>
#include <string>
#include <vector>

#include "storm/storm_rules.h"

namespace veltrane {

enum class BaroTendency { Falling = 0, Rising = 1, Steady = 2 };
enum class WindChange { Backing = 0, Veering = 1, None = 2 };

// A barometer reading in millibars, whole; nothing when outside 950..1080 mb.
std::optional<int> PressureToMillibars(PressureUnit unit, double reading);

struct PressureSituation {
  bool north = true;
  int course = 0;          // whole degrees
  int windDirection = 0;   // where the wind comes from
  int millibars = 1013;
  BaroTendency tendency = BaroTendency::Falling;
  WindChange windChange = WindChange::Backing;
};

struct PressureAdvice {
  bool high = false;         // "High" above 1013 mb
  std::string status;        // position letter C, L or R, then "c" when leaving
  int centreDirection = 0;   // D1
  int probableWind = 0;      // D2
  std::vector<std::string> lines;
};

PressureAdvice EvaluatePressure(const PressureSituation& s);
const char* PressureClassName(bool high);

}  // namespace veltrane
