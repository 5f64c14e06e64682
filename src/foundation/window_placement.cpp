#include "foundation/window_placement.h"

#include <algorithm>
#include <cstdint>

namespace veltrane {
namespace {

bool Contains(const ScreenRect& outer, const ScreenRect& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.left + inner.width <= outer.left + outer.width &&
         inner.top + inner.height <= outer.top + outer.height;
}

// Squared distance from a point to a rectangle (0 inside it).
std::int64_t DistanceSquared(const ScreenRect& r, std::int64_t x, std::int64_t y) {
  const std::int64_t dx = std::max<std::int64_t>({r.left - x, 0, x - (r.left + r.width)});
  const std::int64_t dy = std::max<std::int64_t>({r.top - y, 0, y - (r.top + r.height)});
  return dx * dx + dy * dy;
}

}  // namespace

ScreenRect PlaceOnScreen(const ScreenRect& frame, int titleHeight, const std::vector<ScreenRect>& screens) {
  const ScreenRect title{frame.left, frame.top, frame.width, titleHeight};
  if (screens.empty()) return frame;
  for (const ScreenRect& s : screens) {
    if (Contains(s, title)) return frame;
  }
  const std::int64_t cx = frame.left + frame.width / 2;
  const std::int64_t cy = frame.top + titleHeight / 2;
  const ScreenRect& s = *std::min_element(screens.begin(), screens.end(), [&](const ScreenRect& a, const ScreenRect& b) {
    return DistanceSquared(a, cx, cy) < DistanceSquared(b, cx, cy);
  });
  ScreenRect placed = frame;
  // A frame wider than the screen keeps its left edge (and the title's start) on the screen.
  placed.left = std::max(s.left, std::min(frame.left, s.left + s.width - frame.width));
  placed.top = std::max(s.top, std::min(frame.top, s.top + s.height - titleHeight));
  return placed;
}

}  // namespace veltrane
