#pragma once
// The fix that best fits any number of sights: each sight reduced from the position, the
// position moved by the least-squares solution of the intercepts, again until it settles.
// Sights at other times are first brought to the fix time along the vessel's track (running
// fix). With it: the residual of each sight, the 95 % error ellipse from the standard error
// of one sight, and the sight that is likely a blunder with the fix recomputed without it.
#include <optional>
#include <string>
#include <vector>

#include "celestial/sight_reduction.h"

namespace veltrane {

inline constexpr double kSettledMiles = 0.01;
inline constexpr int kMaxFixIterations = 30;
inline constexpr double kDefaultSigmaArcmin = 1.0;
// A residual beyond this many standard errors marks a likely blunder.
inline constexpr double kBlunderSigmas = 3.0;
// Half-axes of the 95 % ellipse in standard deviations: the square root of the 95 % point of
// the chi-square distribution with two degrees of freedom (-2 ln 0.05).
inline constexpr double kEllipse95Scale = 2.4477468306808166;

inline constexpr const char* kMsgTooFewSights = "At least two sights are needed for a fix";
inline constexpr const char* kMsgParallelSights = "The lines of position are too near parallel for a fix";
inline constexpr const char* kMsgFixUnsettled = "The fix does not settle; check the sights and the DR position";

struct VesselMotion {
  double course = 0.0;  // over ground, degrees true
  double speed = 0.0;   // over ground, knots
};

struct FixRequest {
  std::vector<PreparedSight> sights;
  PositionRecord dr;   // dead-reckoning position at the fix time, longitude west positive
  SightInstant fixTime;
  std::optional<VesselMotion> motion;  // none: every sight is taken at the fix time's place
  double sigmaArcmin = kDefaultSigmaArcmin;
};

struct ErrorEllipse {
  double semiMajor = 0.0;    // miles
  double semiMinor = 0.0;    // miles
  double orientation = 0.0;  // direction of the major axis, degrees true 0..180
};

struct SightFit {
  double intercept = 0.0;  // from the DR position, 60 (Hc - Ho) miles: negative towards
  double zn = 0.0;         // azimuth from the DR position
  double residual = 0.0;   // from the fix, miles, the same sign convention
  double fixZn = 0.0;      // azimuth from the fix
  bool blunder = false;
};

struct LeastSquaresFix {
  std::optional<PositionRecord> position;  // none: see message
  std::string message;
  int iterations = 0;  // reductions from successive positions
  ErrorEllipse ellipse;
  std::vector<SightFit> sights;  // in the order given
  std::optional<PositionRecord> withoutBlunder;
};

// Hours from the fix time to the sight's time (negative before it).
double HoursBetween(const SightInstant& from, const SightInstant& to);

// Where the vessel was at the sight's time when it is at `atFix` at the fix time: carried back
// (or on) along its track; unmoved without motion. Nothing when the run would cross a pole.
std::optional<PositionRecord> CarriedTo(const PositionRecord& atFix, const SightInstant& fixTime,
                                        const SightInstant& sightTime, const std::optional<VesselMotion>& motion);
// The latest of the sights' times, the fix time unless another is given; the sights must not be empty.
SightInstant LatestSightTime(const std::vector<PreparedSight>& sights);

LeastSquaresFix SolveFix(const FixRequest& request);

}  // namespace veltrane
