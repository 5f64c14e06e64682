#pragma once
// Navigate's dead reckoning: six tasks on one sheet of values. They run the heading chain
// compass -> magnetic -> true -> water track -> ground track forwards or backwards (deviation,
// variation, leeway, current) and complete each run from two of time, speed and distance.
// Longitude west positive, variation east positive, leeway to starboard positive; degrees,
// knots, nautical miles and hours.
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "coastal/deviation.h"
#include "foundation/position_record.h"

namespace veltrane {

enum class NavTask { Position, DistHead, Leeway, Current, SpeedComp, TrackSpeed };

// The sheet's values; nothing stands for an empty field.
struct NavSheet {
  std::optional<PositionRecord> start, end;
  std::optional<double> compassHeading, magneticHeading, trueHeading, waterTrack;
  double variation = 0.0;
  std::optional<double> leeway;
  std::optional<double> set, drift;
  std::optional<double> boatSpeed, logDistance;
  std::optional<double> time;  // hours
  std::optional<double> groundDistance, track, groundSpeed;
};

// The fields a task may read.
enum class NavField {
  Start, End, CompassHeading, MagneticHeading, Variation, Leeway, Set, Drift,
  BoatSpeed, LogDistance, Time, GroundDistance, Track, GroundSpeed
};

enum class Sailing { Mercator, MidLatitude };

struct NavInput {
  NavSheet sheet;
  // Something was typed for the position (its latitude's degrees), so a missing one is an error.
  bool startTyped = false, endTyped = false;
  // Fields whose text is no usable value: not a number, or beyond what the field takes.
  std::set<NavField> erroneous;
  // How Position lays off the run from the start (the command line also offers mid-latitude).
  Sailing sailing = Sailing::Mercator;
  // Current takes the run over ground from start to end; when false, as the track and speed
  // over ground on the sheet.
  bool runFromPositions = true;
};

struct NavResult {
  NavSheet sheet;                     // the sheet after the task
  std::vector<std::string> messages;  // in the order they arose; a task that stops says why last
};

// Runs the task on the sheet. A task reads only its own fields: when one of them holds an
// erroneous value it stops at once with "Missing or erroneous value" and the sheet unchanged;
// a task that stops later keeps what it already worked out. The compass table is consulted
// only by a task that needs a deviation.
NavResult Solve(NavTask task, const NavInput& input, const CompassTable& compass);

}  // namespace veltrane
