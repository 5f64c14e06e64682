#pragma once
// What Navigate offers another window: its end position and run, a start from a given
// position, and clearing its courses. The celestial navigation window uses it between sights.
#include <string>

#include "foundation/position_text.h"

namespace veltrane {

class NavigateLink {
 public:
  virtual ~NavigateLink() = default;
  virtual PositionText EndPosition() const = 0;
  // Track and distance over ground of the run (edTrCourse, edTrDistance) as typed.
  virtual std::string RunCourse() const = 0;
  virtual std::string RunDistance() const = 0;
  // A new sight: the courses, the run and the end position are emptied.
  virtual void ClearForNewSight() = 0;
  // Dead reckoning from this start: courses emptied, the window shown at its position task
  // with the focus in the first course field.
  virtual void StartFrom(const PositionText& start) = 0;
};

}  // namespace veltrane
