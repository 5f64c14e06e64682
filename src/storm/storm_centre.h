#pragma once
// The cyclone centre from observations aboard: the estimate from one observation, the track
// between two estimates, and what the wind's turning says about the semicircle.
#include <optional>
#include <string>
#include <vector>

#include "coastal/nav_utl.h"
#include "storm/storm_rules.h"

namespace veltrane {

struct CentreEstimate {
  int bearing = 0;        // from the boat, whole degrees
  double distance = 0.0;  // nautical miles
  PositionRecord centre;
};
// Nothing when the centre would lie beyond a pole.
std::optional<CentreEstimate> EstimateCentre(const PositionRecord& boat, int windDirection, BearingSource source,
                              double fallInchesPerHour);

struct CycloneTrack {
  double heading = 0.0;  // degrees
  double speed = 0.0;    // knots
};
// Track of the centre from its first to its second estimate, made `hours` apart (above 0).
CycloneTrack TrackBetween(const PositionRecord& centre1, const PositionRecord& centre2, double hours);

// Empty when the speed is plausible for a cyclone.
std::string CycloneSpeedWarning(double speed);

// Advice for a boat near the equator, where cyclones rarely come; empty elsewhere.
std::vector<std::string> EquatorAdvice(double latitude);

// Semicircle and how to sail, from the wind directions of the two observations.
std::vector<std::string> SemicircleAdvice(int wind1, int wind2, bool north, double secondFallInchesPerHour);

}  // namespace veltrane
