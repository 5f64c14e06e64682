#include <gtest/gtest.h>

#include "coastal/ui/navigation_window.h"
#include "support/ui_driver.h"

namespace veltrane::test {
namespace {

TEST(NavigateLinkTest, WhatTheCelestialWindowReadsAndClears) {
  TestContext t;
  TNaviForm form(t.ctx);
  NavigateLink& link = form;
  link.StartFrom({{"39", "46", true}, {"52", "24", true}});
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(Text(&form, "edLatDeg1"), "39");
  EXPECT_EQ(Text(&form, "edLonMin1"), "24");
  EXPECT_TRUE(IsChecked(&form, "RadioButton2"));
  EXPECT_TRUE(IsChecked(&form, "RadioButton4"));
  EXPECT_EQ(Text(&form, "lbMode"), "Position");
  Type(&form, "edCompCourse", "90");
  Type(&form, "edBoatSpeed", "6");
  Type(&form, "edTimeHours", "2");
  Click(&form, "btnCalculate");
  const PositionText end = link.EndPosition();
  EXPECT_EQ(end.lat.deg, "39");
  EXPECT_TRUE(end.lat.minus);
  EXPECT_EQ(link.RunDistance(), Text(&form, "edTrDistance"));
  EXPECT_EQ(link.RunCourse(), Text(&form, "edTrCourse"));
  EXPECT_NE(link.RunDistance(), "");
  link.ClearForNewSight();
  for (const char* name : {"edCompCourse", "edBoatSpeed", "edTimeHours", "edLatDeg2", "edLonMin2"})
    EXPECT_EQ(Text(&form, name), "") << name;
  EXPECT_EQ(Text(&form, "edLatDeg1"), "39");
}

}  // namespace
}  // namespace veltrane::test
