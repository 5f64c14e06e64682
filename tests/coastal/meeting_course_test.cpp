#include "coastal/meeting_course.h"

#include <gtest/gtest.h>

#include <cmath>

#include "foundation/angles.h"

namespace veltrane {
namespace {

// Where each boat is after the meeting time: the same point when the answer is right.
double MissDistance(double co, double so, double d, double sw, double r, const Meeting& m) {
  const double otherN = r * CosD(d) + so * m.hours * CosD(co), otherE = r * SinD(d) + so * m.hours * SinD(co);
  const double ownN = sw * m.hours * CosD(m.course), ownE = sw * m.hours * SinD(m.course);
  return std::hypot(otherN - ownN, otherE - ownE);
}

TEST(MeetingCourse, BoatsMeetForEveryCourseOfTheOther) {
  struct Case {
    double co, so, d, sw, r;
  } cases[] = {
      {45, 5, 0, 10, 10},    // opening: later than when closing
      {135, 5, 0, 10, 10},   // closing
      {300, 5, 0, 10, 10},
      {180, 5, 0, 10, 10},   // straight at us
      {0, 5, 0, 10, 10},     // straight away, we overtake
      {350, 8, 200, 6, 4},   // faster, but closing
      {10, 6, 200, 6, 3},    // same speed, closing
  };
  for (const auto& c : cases) {
    const Meeting m = MeetingCourse(c.co, c.so, c.d, c.sw, c.r);
    ASSERT_TRUE(m.fault.empty()) << c.co << " " << m.fault;
    EXPECT_GT(m.hours, 0.0);
    EXPECT_NEAR(MissDistance(c.co, c.so, c.d, c.sw, c.r, m), 0.0, 1e-6) << c.co << " " << c.d;
  }
  EXPECT_NEAR(MeetingCourse(180, 5, 0, 10, 10).hours, 10.0 / 15.0, 1e-12);
  EXPECT_NEAR(MeetingCourse(0, 5, 0, 10, 10).hours, 2.0, 1e-9);
  EXPECT_NEAR(MeetingCourse(270, 5, 0, 10, 10).course, 330, 1e-9);  // 90 mirrored: 030 on the window
}

TEST(MeetingCourse, NoMeeting) {
  struct Case {
    double co, so, d, sw, r;
    const char* fault;
  } cases[] = {
      {90, 0, 0, 10, 10, "Zero speed"},
      {90, 5, 0, 0, 10, "Zero speed"},
      {90, 15, 0, 10, 10, "No meeting: the other boat is too fast"},  // crossing ahead of us
      {45, 12, 0, 10, 10, "No meeting: the other boat is too fast"},  // opening
      {0, 10, 0, 10, 10, "No meeting: the other boat is too fast"},   // same speed, straight away
      {90, 5, 0, 10, -1, "No meeting: the distance is negative"},
      {0, 9.9, 0, 10, 999, "No meeting within 99 hours"},  // overtaking at 0.1 kn
  };
  for (const auto& c : cases) EXPECT_EQ(MeetingCourse(c.co, c.so, c.d, c.sw, c.r).fault, c.fault) << c.co;
}

}  // namespace
}  // namespace veltrane
