#include "foundation/degmin_field.h"

#include "foundation/position_text.h"

namespace veltrane {

std::optional<double> FieldAngle(const std::string& degText, const std::string& minText, int maxDeg) {
  return ReadAngleText({degText, minText, false}, maxDeg).value;
}

}  // namespace veltrane
