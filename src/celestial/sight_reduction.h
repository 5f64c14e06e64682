#pragma once
// One logged sight reduced from a position: the body placed at the sight's instant, the
// sextant altitude corrected to Ho, and the intercept with its line of position.
#include <optional>
#include <string>
#include <vector>

#include "astro/star_record.h"
#include "celestial/body_ephemeris.h"
#include "celestial/lines_of_position.h"
#include "celestial/sight_corrections.h"
#include "celestial/sight_log.h"

namespace veltrane {

// Ho from the sextant altitude by the body's own corrections.
CorrectedSight CorrectForBody(NavBody body, double hs, const SextantData& sextant, const BodyPlace& place);

// A logged sight with its star's catalogue place looked up, ready to reduce from any position.
struct PreparedSight {
  NavBody body = NavBody::Sun;
  StarCatalogueData star;
  SightInstant utc;
  double hs = 0.0;
  SextantData sextant;
};

struct PreparedSightReading {
  std::optional<PreparedSight> sight;
  std::string message;  // why there is none: the star is not in the star file
};
PreparedSightReading PrepareSight(const LoggedSight& sight, const std::vector<StarRecord>& stars);

struct SightReduction {
  BodyPlace place;           // GHA, Dec, LHA, Hc, Zn at the position
  CorrectedSight corrected;  // Ho
  Intercept intercept;       // 60 (Hc - Ho) miles, towards or away, and the line
};
SightReduction ReduceSight(const PreparedSight& sight, const PositionRecord& from);

}  // namespace veltrane
