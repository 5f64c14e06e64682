#include "foundation/clock_text.h"

#include "foundation/numbers.h"

namespace veltrane {
namespace {
std::string Pad2(long v) { return (v < 10 ? "0" : "") + std::to_string(v); }
}  // namespace

std::string FmtClockHHMM(double hours, bool wrapDay) {
  // Whole hours plus rounded minutes equals the rounded total of minutes, carry included.
  long minutes = static_cast<long>(RoundHalfEven(hours * 60.0));
  if (wrapDay) minutes %= 24 * 60;
  return Pad2(minutes / 60) + ":" + Pad2(minutes % 60);
}

}  // namespace veltrane
