#include "coastal/ui/distance_off_window.h"

#include <gtest/gtest.h>

#include "foundation/ini_file.h"
#include "support/ui_driver.h"

namespace veltrane::test {
namespace {

using NavDisTest = WindowTest<TNavDisForm>;

TEST_F(NavDisTest, DistanceToTheHorizonInBothUnits) {
  Click(&form, "lbDisToHorizon");
  EXPECT_EQ(Text(&form, "lbMode"), "DISTANCE TO THE HORIZON");
  Type(&form, "edEyeHeight", "10");
  Click(&form, "Label12");
  EXPECT_EQ(Text(&form, "lbDistance"), "6.6   NM");
  Click(&form, "RadioButton2");
  EXPECT_EQ(Text(&form, "lbEyeUnit"), "feet");
  EXPECT_EQ(Text(&form, "lbObjectUnit"), "feet");
  Click(&form, "Label12");
  EXPECT_EQ(Text(&form, "lbDistance"), "3.6   NM");
}

TEST_F(NavDisTest, FunctionsShowTheirPanelsAndClearTheirFields) {
  form.show();
  Type(&form, {{"edIndex", "2"}, {"edSexDeg", "5"}, {"edObject", "40"}});
  Click(&form, "lbDisToHorizon");
  EXPECT_FALSE(IsVisible(&form, "pnSextant"));
  EXPECT_FALSE(IsVisible(&form, "pnObject"));
  EXPECT_TRUE(IsVisible(&form, "pnEye"));
  Click(&form, "lbBeyond");
  EXPECT_TRUE(IsVisible(&form, "pnIndex"));
  EXPECT_TRUE(IsVisible(&form, "pnObject"));
  EXPECT_EQ(Text(&form, "edSexDeg"), "");
  EXPECT_EQ(Text(&form, "edObject"), "");
  EXPECT_EQ(Text(&form, "edIndex"), "2");
  Type(&form, "edObject", "40");
  Click(&form, "lbVisibilityObj");  // clears nothing
  EXPECT_EQ(Text(&form, "edObject"), "40");
  EXPECT_FALSE(IsVisible(&form, "pnSextant"));
}

TEST_F(NavDisTest, ResultsOfTheSightFunctions) {
  Type(&form, {{"edEyeHeight", "3"}, {"edObject", "50"}});
  Click(&form, "Label19");
  EXPECT_EQ(Text(&form, "lbVisibility"), "18.2  NM");
  Type(&form, {{"edSexDeg", "1"}, {"edObject", "100"}});
  Click(&form, "Label13");
  EXPECT_EQ(Text(&form, "lbDisToObject"), "5730  m   (3.09  NM)");
  Click(&form, "RadioButton2");
  Click(&form, "Label13");
  EXPECT_EQ(Text(&form, "lbDisToObject"), "5730  feet   (0.94  NM)");
  Type(&form, "edEyeHeight", "10");
  Click(&form, "Label20");
  EXPECT_EQ(Text(&form, "lbDisByAngle"), "545  feet   (0.1  NM)");
  Click(&form, "Label22");
  EXPECT_EQ(Text(&form, "lbDisToObj2"), "0.9  NM");
  EXPECT_TRUE(t.platform.messages.empty());
}

TEST_F(NavDisTest, MissingValuesLeaveTheResultAsItWas) {
  struct Case {
    const char *field, *subLabel, *result, *message;
  } cases[] = {
      {"edEyeHeight", "Label12", "lbDistance", "Eye height missing"},
      {"edEyeHeight", "Label20", "lbDisByAngle", "Sextant angle or eye height missing"},
      {"edObject", "Label13", "lbDisToObject", "Sextant angle or object height missing"},
      {"edObject", "Label22", "lbDisToObj2", "Sextant angle or object height missing"},
      {"edObject", "Label19", "lbVisibility", "Object height missing"},
  };
  Type(&form, "edSexDeg", "1");
  for (const auto& c : cases) {
    Type(&form, {{"edEyeHeight", "10"}, {"edObject", "50"}});
    Click(&form, c.subLabel);
    const std::string before = Text(&form, c.result);
    ASSERT_FALSE(before.empty()) << c.subLabel;
    Type(&form, c.field, "");
    t.platform.Clear();
    Click(&form, c.subLabel);
    EXPECT_EQ(t.platform.LastMessage(), c.message);
    EXPECT_EQ(Text(&form, c.result), before);
  }
  Type(&form, "edEyeHeight", "-4");
  Click(&form, "Label12");
  EXPECT_EQ(t.platform.LastMessage(), "Heights must not be negative");
  // Index error larger than the angle below the horizon.
  Type(&form, {{"edEyeHeight", "10"}, {"edIndex", "120"}});
  Click(&form, "Label20");
  EXPECT_EQ(t.platform.LastMessage(), "No answer for this angle");
}

TEST_F(NavDisTest, DistanceTimeSpeed) {
  Type(&form, {{"edTime", "02:30"}, {"edSpeed", "6"}});
  Click(&form, "btDistance");
  EXPECT_EQ(Text(&form, "edDistance"), "15.0");
  Type(&form, {{"edDistance", "10"}, {"edSpeed", "4"}});
  Click(&form, "btTime");
  EXPECT_EQ(Text(&form, "edTime"), "02:30");
  Type(&form, {{"edDistance", "7"}, {"edSpeed", "3"}});
  Click(&form, "btTime");
  EXPECT_EQ(Text(&form, "edTime"), "02:20");
  Type(&form, "edDistance", "10");
  Click(&form, "btSpeed");
  EXPECT_EQ(Text(&form, "edSpeed"), "4.3");

  struct Case {
    const char *distance, *speed, *time, *button, *message;
  } cases[] = {
      {"10", "0", "02:30", "btTime", "Speed is zero"},
      {"10", "4", "", "btSpeed", "Time is zero"},
  };
  for (const auto& c : cases) {
    Type(&form, {{"edDistance", c.distance}, {"edSpeed", c.speed}, {"edTime", c.time}});
    t.platform.Clear();
    Click(&form, c.button);
    EXPECT_EQ(t.platform.LastMessage(), c.message) << c.button;
    EXPECT_EQ(Text(&form, "edDistance"), c.distance);
    EXPECT_EQ(Text(&form, "edSpeed"), c.speed);
  }
}

TEST(NavDisSettings, UnitIsKeptBetweenRuns) {
  TestContext t;
  {
    TNavDisForm form(t.ctx);
    EXPECT_TRUE(IsChecked(&form, "RadioButton1"));
    EXPECT_EQ(Text(&form, "edIndex"), "0");
    Click(&form, "RadioButton2");
    Click(&form, "Close1");
  }
  EXPECT_EQ(IniFile(t.ctx.SettingsFile()).Read("NavDisForm", "Unit", ""), "feet");
  TNavDisForm again(t.ctx);
  EXPECT_TRUE(IsChecked(&again, "RadioButton2"));
  EXPECT_EQ(Text(&again, "lbEyeUnit"), "feet");
}

TEST_F(NavDisTest, EntryChecks) {
  ExpectEntryLimits(&form, t.platform,
                    {{"edSexDeg", "90", "90.1", "0.0 .. 90.0"},
                     {"edSexMin", "59.9", "60", "0.0 .. 59.9"},
                     {"edEyeHeight", "999.9", "1000", "0.0 .. 999.9"},
                     {"edObject", "9999.9", "10000", "0.0 .. 9999.9"}});
}

}  // namespace
}  // namespace veltrane::test
