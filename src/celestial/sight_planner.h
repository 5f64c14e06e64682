#pragma once
// Which bodies to shoot at twilight: the civil and nautical twilight of a morning or an
// evening, the navigational stars (the almanac's, their places from the star file), the planets
// and the Moon between 15 and 70 degrees of altitude at the middle of it, and the best sets of
// three and of four.
#include <optional>
#include <string>
#include <vector>

#include "astro/star_record.h"
#include "celestial/body_ephemeris.h"

namespace veltrane {

inline constexpr double kPlanLowest = 15.0;
inline constexpr double kPlanHighest = 70.0;
// Altitudes a sextant takes most comfortably: refraction small, the azimuth still clear.
inline constexpr double kComfortLowest = 30.0;
inline constexpr double kComfortHighest = 60.0;
// A set must cover at least this arc of the horizon before anything else counts.
inline constexpr double kWantedArc = 90.0;
// Sets whose narrowest azimuth gap falls in the same band of this width are ranked by altitude.
inline constexpr double kGapBand = 15.0;

enum class TwilightSide { Morning, Evening };

enum class PlannedKind { Star, Planet, Moon };
std::string PlannedKindName(PlannedKind kind);  // "star", "planet", "moon"

struct PlannedBody {
  std::string name;
  PlannedKind kind = PlannedKind::Star;
  double altitude = 0.0;  // of the centre, without refraction
  double azimuth = 0.0;
  std::optional<double> magnitude;
};

struct SightPlan {
  // UT hours from 0h of the date (below 0 or beyond 24 when the local day reaches over).
  std::optional<double> civil, nautical, middle;
  std::string message;              // why there is no middle
  std::vector<PlannedBody> bodies;  // between the limits, by azimuth
  std::vector<std::string> bestThree, bestFour;  // empty when there are too few bodies
};

// The twilight of the local calendar day of the date at that longitude (zone from the longitude).
SightPlan PlanSights(const TDateRec& date, double lat, double lonWest, TwilightSide side,
                     const std::vector<StarRecord>& stars);

// Indices of the best set of `size` bodies: a set spanning at least 90 degrees of azimuth
// first, then the widest narrowest gap between neighbouring azimuths (in 15 degree bands),
// then the most bodies between 30 and 60 degrees, then the brightest.
std::vector<size_t> BestSet(const std::vector<PlannedBody>& bodies, size_t size);

// The instant `hours` from 0h UT of the date, the date moved when the hours leave the day.
SightInstant InstantOf(const TDateRec& date, double hours);

}  // namespace veltrane
