#include "coastal/ui/wind_window.h"

#include <gtest/gtest.h>

#include "support/ui_driver.h"

namespace veltrane::test {
namespace {

using NavWindTest = WindowTest<TNavWindForm>;

TEST_F(NavWindTest, TrueWind) {
  EXPECT_TRUE(IsChecked(&form, "RadioButton2"));
  struct Case {
    const char *angle, *speed, *side, *direction, *knots;
  } cases[] = {
      {"30", "10", "RadioButton2", "54\u00b0", "6  kn"},
      {"30", "10", "RadioButton1", "306\u00b0", "6  kn"},
      {"60", "5", "RadioButton2", "120\u00b0", "5  kn"},  // from abaft the beam
  };
  Type(&form, {{"edSailCourse", "0"}, {"edBoatSpeed", "5"}});
  for (const auto& c : cases) {
    Type(&form, {{"edAppWindDir", c.angle}, {"edAppWindSpeed", c.speed}});
    Click(&form, c.side);
    Click(&form, "lbTrueWind");
    EXPECT_EQ(Text(&form, "lbTrWindDir"), c.direction) << c.angle;
    EXPECT_EQ(Text(&form, "lbTrWindSpeed"), c.knots) << c.angle;
  }
  EXPECT_TRUE(t.platform.messages.empty());
  // Running before the wind at its own speed: no true wind to give.
  Type(&form, {{"edAppWindDir", "0"}, {"edAppWindSpeed", "5"}});
  Click(&form, "lbTrueWind");
  EXPECT_EQ(t.platform.LastMessage(), "No answer: the true wind is calm");
  EXPECT_EQ(Text(&form, "lbTrWindDir"), "120\u00b0");
}

TEST_F(NavWindTest, ApparentWindOnANewCourse) {
  Type(&form, {{"edBoatSp", "5"}, {"edWindSp", "10"}, {"edAngle", "90"}});
  Click(&form, "lbAppWind");
  EXPECT_EQ(Text(&form, "lbSpeed"), "11.2  kn");
  EXPECT_EQ(Text(&form, "lbAngle"), "63.4\u00b0");
  Type(&form, {{"edBoatSp", "0"}, {"edAngle", "45"}});
  Click(&form, "lbAppWind");
  EXPECT_EQ(Text(&form, "lbSpeed"), "10.0  kn");
  EXPECT_EQ(Text(&form, "lbAngle"), "45.0\u00b0");
  Type(&form, {{"edBoatSp", "10"}, {"edAngle", "180"}});
  Click(&form, "lbAppWind");
  EXPECT_EQ(t.platform.messages, std::vector<std::string>{"No answer: there is no apparent wind"});
  EXPECT_EQ(Text(&form, "lbSpeed"), "10.0  kn");
}

TEST_F(NavWindTest, EntryChecks) {
  ExpectEntryLimits(&form, t.platform,
                    {{"edAppWindSpeed", "99", "12.5", "0 .. 99"}, {"edBoatSp", "30", "30.1", "0.0 .. 30.0"},
                     {"edSailCourse", "360", "361", "0 .. 360"}, {"edAppWindDir", "360", "361", "0 .. 360"}});
}

// Enter counts the box the cursor is in; the values come back in the next session; Esc closes.
TEST_F(NavWindTest, EnterCountsItsOwnBoxAndValuesAreKept) {
  const std::pair<const char*, const char*> typed[] = {{"edSailCourse", "0"}, {"edBoatSpeed", "5"},
                                                       {"edAppWindDir", "30"}, {"edAppWindSpeed", "10"},
                                                       {"edBoatSp", "5"},      {"edWindSp", "10"},
                                                       {"edAngle", "90"}};
  for (const auto& [name, text] : typed) Type(&form, name, text);
  form.show();
  PressKey(&form, "edAppWindSpeed", Qt::Key_Return);
  EXPECT_EQ(Text(&form, "lbTrWindDir"), "54\u00b0");
  EXPECT_EQ(Text(&form, "lbSpeed"), "");
  PressKey(&form, "edAngle", Qt::Key_Enter);
  EXPECT_EQ(Text(&form, "lbSpeed"), "11.2  kn");
  PressKey(&form, "edAngle", Qt::Key_Escape);
  EXPECT_FALSE(form.isVisible());
  TNavWindForm next(t.ctx);
  EXPECT_EQ(Text(&next, "edAppWindDir"), "30");
  EXPECT_EQ(Text(&next, "edAngle"), "90");
  EXPECT_TRUE(IsChecked(&next, "RadioButton2"));
}

}  // namespace
}  // namespace veltrane::test
