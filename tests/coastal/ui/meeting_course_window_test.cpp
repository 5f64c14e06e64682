#include "coastal/ui/meeting_course_window.h"

#include <gtest/gtest.h>

#include "support/ui_driver.h"

namespace veltrane::test {
namespace {

struct NavCourseTest : WindowTest<TNavCourseForm> {
  void Enter(const char* courseOther, const char* speedOther, const char* direction, const char* speedOwn,
             const char* distance) {
    Type(&form, {{"edCourseOther", courseOther}, {"edSpeedOther", speedOther}, {"edDirection", direction},
                 {"edSpeedOwn", speedOwn}, {"edDistance", distance}});
  }
};

TEST_F(NavCourseTest, CourseToMeet) {
  struct Case {
    const char *courseOther, *direction, *course, *time, *distance;
  } cases[] = {
      {"90", "0", "30\u00b0", "1h 09m", "11.5 NM"},
      {"180", "0", "0\u00b0", "0h 40m", "6.7 NM"},    // straight towards us
      {"300", "45", "16\u00b0", "1h 00m", "9.9 NM"},  // each field its own value
  };
  for (const auto& c : cases) {
    Enter(c.courseOther, "5", c.direction, "10", "10");
    Click(&form, "lbMeet");
    EXPECT_EQ(Text(&form, "lbCourse"), c.course) << c.courseOther;
    EXPECT_EQ(Text(&form, "lbTime"), c.time) << c.courseOther;
    EXPECT_EQ(Text(&form, "lbEDistance"), c.distance) << c.courseOther;
  }
  EXPECT_TRUE(t.platform.messages.empty());
}

TEST_F(NavCourseTest, NoMeetingLeavesTheResults) {
  struct Case {
    const char *courseOther, *speedOther, *speedOwn, *distance, *message;
  } cases[] = {
      {"90", "0", "10", "10", "Zero speed"},
      {"90", "5", "", "10", "Zero speed"},
      {"90", "15", "10", "10", "No meeting: the other boat is too fast"},
  };
  for (const auto& c : cases) {
    Enter("90", "5", "0", "10", "10");
    Click(&form, "lbMeet");
    Enter(c.courseOther, c.speedOther, "0", c.speedOwn, c.distance);
    t.platform.Clear();
    Click(&form, "lbMeet");
    EXPECT_EQ(t.platform.messages, std::vector<std::string>{c.message});
    EXPECT_EQ(Text(&form, "lbCourse"), "30\u00b0");
    EXPECT_EQ(Text(&form, "lbTime"), "1h 09m");
    EXPECT_EQ(Text(&form, "lbEDistance"), "11.5 NM");
  }
}

TEST_F(NavCourseTest, EntryChecks) {
  ExpectEntryLimits(&form, t.platform,
                    {{"edCourseOther", "360", "361", "0 .. 360"},
                     {"edSpeedOther", "30", "30.1", "0.0 .. 30.0"},
                     {"edDirection", "360", "361", "0 .. 360"},
                     {"edSpeedOwn", "30", "30.1", "0.0 .. 30.0"},
                     {"edDistance", "999", "1000", "0.0 .. 999.0"}});
}

}  // namespace
}  // namespace veltrane::test
