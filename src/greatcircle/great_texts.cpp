#include "greatcircle/great_texts.h"

#include <cmath>

#include "foundation/angles.h"
#include "foundation/formats.h"
#include "foundation/numbers.h"

namespace veltrane {

std::string LatitudeText(double lat) { return FmtDegMin(std::fabs(lat)) + (lat > 0.0 ? "  N" : "  S"); }

std::string LongitudeText(double lon) {
  lon = Wrap180(lon);
  return FmtDegMin(std::fabs(lon)) + (lon > 0.0 ? "  W" : "  E");
}

std::string DegreesText(double degrees) { return Str(RoundToScale(degrees, 10.0), 1) + kDegreeSign; }

std::string MilesText(double miles) { return Str(RoundToScale(miles, 10.0), 1) + "  NM"; }

std::string KilometresText(double km, const std::string& separator) {
  return Str(RoundToScale(km, 1000.0), 3) + separator + "km";
}

}  // namespace veltrane
