#pragma once
// Keeping a window's title bar on a screen, so it can always be grabbed and moved.
#include <vector>

namespace veltrane {

struct ScreenRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// The top-left a window's frame should take: `frame` itself when the title bar (the frame's top
// `titleHeight` pixels) lies wholly on one screen's available area, else the nearest position on
// the nearest screen that brings it there. No screens: unchanged.
ScreenRect PlaceOnScreen(const ScreenRect& frame, int titleHeight, const std::vector<ScreenRect>& screens);

}  // namespace veltrane
