#include "astronomy_ui/sky_texts.h"

#include <cmath>

#include "foundation/clock_text.h"
#include "foundation/formats.h"

namespace veltrane {

std::string SignedDegMin(double deg) { return (deg < 0.0 ? "-" : "") + FmtDegMinAbs(deg); }

std::string LocalClock(std::optional<double> utHours, double zoneHours) {
  if (!utHours) return "";
  double local = std::fmod(*utHours - zoneHours, 24.0);
  if (local < 0.0) local += 24.0;
  return FmtClockHHMM(local, true);
}

}  // namespace veltrane
