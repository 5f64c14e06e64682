#pragma once
// A window that shows the running UT clock: the astronomy main window's one-second timer
// writes the time into it while it is visible.
#include <string>

namespace veltrane {

class UtcClockFace {
 public:
  virtual ~UtcClockFace() = default;
  // "hh:mm:ss" of the current UT.
  virtual void ShowUtc(const std::string& hhmmss) = 0;
};

}  // namespace veltrane
