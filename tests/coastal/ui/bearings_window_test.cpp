#include "coastal/ui/bearings_window.h"

#include <gtest/gtest.h>

#include "support/ui_driver.h"

namespace veltrane::test {
namespace {

struct NavBearTest : WindowTest<TNavBearForm> {
  void Enter(const char* b1, const char* run, const char* b2 = "", const char* b3 = "") {
    Type(&form, {{"edBearing1", b1}, {"edRun", run}, {"edBearing2", b2}, {"edBearing3", b3}});
  }
};

TEST_F(NavBearTest, FourMethods) {
  form.show();
  Enter("45", "3");
  Click(&form, "btnCount");  // no method chosen yet: nothing happens
  EXPECT_EQ(Text(&form, "Label14"), "");
  Click(&form, "lbMethod1");
  EXPECT_EQ(Text(&form, "lbMethod"), "Method 1");
  EXPECT_FALSE(IsVisible(&form, "pnBearing2"));
  Enter("45", "3");
  Click(&form, "btnCount");
  EXPECT_EQ(Text(&form, "Label14"), "3.00  NM");

  Click(&form, "lbMethod2");
  EXPECT_TRUE(IsVisible(&form, "pnBearing2"));
  EXPECT_FALSE(IsVisible(&form, "pnBearing3"));
  EXPECT_EQ(Text(&form, "Label14"), "");  // a new method clears every result
  Enter("30", "4", "60");
  Click(&form, "btnCount");
  EXPECT_EQ(Text(&form, "Label15"), "4.00  NM");

  Click(&form, "lbMethod3");
  EXPECT_EQ(Text(&form, "edBearing1"), "");
  Enter("30", "4", "60");
  Click(&form, "btnCount");
  EXPECT_EQ(Text(&form, "Label16"), "3.46  NM");

  Click(&form, "lbMethod4");
  EXPECT_TRUE(IsVisible(&form, "pnBearing3"));
  Enter("30", "4", "60", "90");
  Click(&form, "btnCount");
  EXPECT_EQ(Text(&form, "Label17"), "Run 6.00  NM");
  EXPECT_EQ(Text(&form, "Label36"), "Dist 3.46 NM");
  EXPECT_TRUE(t.platform.messages.empty());
}

TEST_F(NavBearTest, NoAnswerLeavesTheResults) {
  struct Case {
    const char *method, *b1, *b2, *b3, *result, *message;
  } cases[] = {
      {"lbMethod1", "90", "", "", "Label14", "No answer: bearing I is abeam"},
      {"lbMethod2", "40", "40", "", "Label15", "No answer: the bearings are equal"},
      {"lbMethod3", "60", "30", "", "Label16", "No answer: bearing II must be further aft than bearing I"},
      {"lbMethod4", "30", "60", "180", "Label17", "No answer: bearing III is ahead or astern"},
      {"lbMethod4", "30", "60", "0", "Label36", "No answer: bearing III is ahead or astern"},
  };
  for (const auto& c : cases) {
    Click(&form, c.method);
    Enter("30", "4", "60", "90");
    Click(&form, "btnCount");
    const std::string before = Text(&form, c.result);
    ASSERT_FALSE(before.empty()) << c.method;
    Enter(c.b1, "4", c.b2, c.b3);
    t.platform.Clear();
    Click(&form, "btnCount");
    EXPECT_EQ(t.platform.messages, std::vector<std::string>{c.message}) << c.method;
    EXPECT_EQ(Text(&form, c.result), before);
  }
}

TEST_F(NavBearTest, EntryChecks) {
  ExpectEntryLimits(&form, t.platform,
                    {{"edRun", "99", "99.1", "0.0 .. 99.0"}, {"edBearing2", "360", "360.01", "0.0 .. 360.0"}});
}

}  // namespace
}  // namespace veltrane::test
