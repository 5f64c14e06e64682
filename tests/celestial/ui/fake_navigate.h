#pragma once
// Navigate as the celestial windows see it: a run and an end position the test sets, and a
// record of what the windows asked of it.
#include <string>
#include <vector>

#include "coastal/ui/navigate_link.h"

namespace veltrane::test {

struct FakeNavigate : NavigateLink {
  PositionText end;
  std::string course, distance;
  std::vector<PositionText> starts;
  int clears = 0;
  PositionText EndPosition() const override { return end; }
  std::string RunCourse() const override { return course; }
  std::string RunDistance() const override { return distance; }
  void ClearForNewSight() override { ++clears; }
  void StartFrom(const PositionText& start) override { starts.push_back(start); }
};

}  // namespace veltrane::test
