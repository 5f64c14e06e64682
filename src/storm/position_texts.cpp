#include "storm/position_texts.h"

#include "foundation/numbers.h"

namespace veltrane {

std::optional<int> ReadDirection(const std::string& text) {
  const std::optional<int> d = ParseInt(text);
  if (!d || *d < 0 || *d > 360) return std::nullopt;
  return d;
}

std::optional<double> ReadNonNegative(const std::string& text) {
  const std::optional<double> v = ParseReal(text);
  if (!v || *v < 0) return std::nullopt;
  return v;
}

}  // namespace veltrane
