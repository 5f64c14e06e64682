#include "storm/storm_centre.h"

#include <cmath>

#include "storm/storm_rules.h"

namespace veltrane {
namespace {

constexpr double kLowCycloneSpeed = 5.0;
constexpr double kHighCycloneSpeed = 50.0;
// Cyclones rarely come within 4 degrees of the equator; warn a little beyond that.
constexpr double kEquatorBand = 6.2;
// A wind that turns by no more than this is steady.
constexpr int kSteadyTurn = 2;
constexpr double kFallingRate = 0.009;     // inches an hour
constexpr double kInFrontOfCentre = 0.03;  // inches an hour

}  // namespace

std::optional<CentreEstimate> EstimateCentre(const PositionRecord& boat, int windDirection, BearingSource source,
                                             double fallInchesPerHour) {
  CentreEstimate e;
  e.bearing = CentreBearing(windDirection, boat, source);
  e.distance = CentreDistance(fallInchesPerHour);
  const std::optional<PositionRecord> centre = DeadReckon(boat, e.distance, e.bearing);
  if (!centre) return std::nullopt;
  e.centre = *centre;
  return e;
}

CycloneTrack TrackBetween(const PositionRecord& centre1, const PositionRecord& centre2, double hours) {
  const CourseDistance cd = ShortCourseDistance(centre1, centre2);
  return {cd.course, cd.distance / hours};
}

std::string CycloneSpeedWarning(double speed) {
  if (speed < kLowCycloneSpeed) return "Quite low speed for a cyclone";
  if (speed > kHighCycloneSpeed) return "Unlikely speed for a cyclone";
  return {};
}

std::vector<std::string> EquatorAdvice(double latitude) {
  if (std::fabs(latitude) >= kEquatorBand) return {};
  return {"Consider sailing towards " + std::string(latitude > 0 ? " South" : " North"),
          "as cyclones rarely come within 4\u00b0 from the equator."};
}

std::vector<std::string> SemicircleAdvice(int wind1, int wind2, bool north, double secondFallInchesPerHour) {
  // Compare the turn across north: 350 then 10 is a veer of 20.
  if (wind1 - wind2 > 180) wind2 += 360;
  if (wind2 - wind1 > 180) wind1 += 360;
  const std::string starboard = north ? "starboard" : "port";
  const std::string port = north ? "port" : "starboard";
  if (wind2 - wind1 > kSteadyTurn)
    return {" Wind is veering, so you are in the " + std::string(north ? "right" : "left") + " semicircle.",
            "Sail close-hauled or be hove-to on the " + starboard + " tack."};
  if (wind1 - wind2 > kSteadyTurn)
    return {" Wind is backing, so you are in the " + std::string(north ? "left" : "right") + " semicircle.",
            "Sail on " + starboard + " tack or be hove-to on the " + port + " tack."};
  if (secondFallInchesPerHour > kFallingRate) {
    std::vector<std::string> lines{" Wind is steady and the barometer is falling, so you are"};
    if (secondFallInchesPerHour > kInFrontOfCentre) {
      lines.push_back("on the storm track, in front of center.");
      lines.push_back("Bring the wind 22\u00b0 on the quarter of " + starboard);
    } else {
      lines.push_back("on the storm track");
    }
    return lines;
  }
  return {" The situation is uncertain. Better to wait and see."};
}

}  // namespace veltrane
