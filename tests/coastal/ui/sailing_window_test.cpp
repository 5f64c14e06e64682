#include "coastal/ui/sailing_window.h"

#include <gtest/gtest.h>

#include "support/ui_driver.h"

namespace veltrane::test {
namespace {

using NavSailTest = WindowTest<TNavSailForm>;

TEST_F(NavSailTest, BeatAndNewTackingAngle) {
  Type(&form, {{"edMark", "10"}, {"edAngle", "90"}, {"edSpeed", "6"}});
  Click(&form, "lbDisToWeather");
  EXPECT_EQ(Text(&form, "lbDistance"), "14.14  NM");
  EXPECT_EQ(Text(&form, "lbVmg"), "4.24  kn");
  Type(&form, "edNewAngle", "80");
  Click(&form, "lbNewTackAngle");
  EXPECT_EQ(Text(&form, "lbNewDistance"), "13.05  NM");
  EXPECT_EQ(Text(&form, "lbNewSpeed"), "5.5  kn");
  EXPECT_TRUE(t.platform.messages.empty());
}

TEST_F(NavSailTest, TackingAnglesWithoutAnAnswer) {
  Type(&form, "edNewAngle", "80");
  Click(&form, "lbNewTackAngle");
  EXPECT_EQ(t.platform.LastMessage(), "Count the distance to weather first");
  EXPECT_EQ(Text(&form, "lbNewDistance"), "");

  Type(&form, {{"edMark", "10"}, {"edSpeed", "6"}});
  for (const char* angle : {"0", "180", ""}) {
    Type(&form, "edAngle", angle);
    t.platform.Clear();
    Click(&form, "lbDisToWeather");
    EXPECT_EQ(t.platform.messages,
              std::vector<std::string>{"No answer: the tacking angle must be above 0 and below 180"});
    EXPECT_EQ(Text(&form, "lbDistance"), "");
  }
  Type(&form, "edAngle", "90");
  Click(&form, "lbDisToWeather");
  Type(&form, "edNewAngle", "180");
  t.platform.Clear();
  Click(&form, "lbNewTackAngle");
  EXPECT_EQ(t.platform.messages,
            std::vector<std::string>{"No answer: the tacking angle must be above 0 and below 180"});
  EXPECT_EQ(Text(&form, "lbNewSpeed"), "");
}

TEST_F(NavSailTest, NegativeMarkOrSpeedHasNoBeat) {
  Type(&form, "edAngle", "90");
  for (auto [mark, speed] : {std::pair{"-10", "6"}, std::pair{"10", "-6"}}) {
    Type(&form, {{"edMark", mark}, {"edSpeed", speed}});
    t.platform.Clear();
    Click(&form, "lbDisToWeather");
    EXPECT_EQ(t.platform.messages, std::vector<std::string>{"No answer for negative values"}) << mark << speed;
    EXPECT_EQ(Text(&form, "lbDistance"), "");
    EXPECT_EQ(Text(&form, "lbVmg"), "");
  }
}

TEST_F(NavSailTest, DownwindTable) {
  Type(&form, {{"edMark2", "10"}, {"edWind", "0"}, {"edSpeed0", "6"}, {"edSpeed20", "7"}});
  Click(&form, "lbTackDown");
  EXPECT_EQ(Text(&form, "lbDist0"), "10");
  EXPECT_EQ(Text(&form, "lbTime0"), "100.0");
  EXPECT_EQ(Text(&form, "lbVmg0"), "6.00");
  EXPECT_EQ(Text(&form, "lbDist20_1"), "5.32");
  EXPECT_EQ(Text(&form, "lbDist20_2"), "5.32");
  EXPECT_EQ(Text(&form, "lbDist20"), "10.64");
  EXPECT_EQ(Text(&form, "lbTime20"), "91.2");
  EXPECT_EQ(Text(&form, "lbVmg20"), "6.58");
  EXPECT_EQ(Text(&form, "lbDist15"), "");  // no speed, row left as it was

  // The mark 25 degrees off the wind: the 20 degree gybe cannot reach it, the 40 degree one can.
  Type(&form, {{"edWind", "25"}, {"edSpeed40", "8"}});
  t.platform.Clear();
  Click(&form, "lbTackDown");
  EXPECT_EQ(t.platform.messages,
            std::vector<std::string>{"No answer where the sailing divergence is less than the wind-mark divergence"});
  for (const char* name : {"lbDist20_1", "lbDist20_2", "lbDist20", "lbTime20", "lbVmg20"})
    EXPECT_EQ(Text(&form, name), "") << name;
  EXPECT_EQ(Text(&form, "lbDist40_1"), "2.63");
  EXPECT_EQ(Text(&form, "lbDist40_2"), "9.20");
  EXPECT_EQ(Text(&form, "lbDist0"), "10");

  Click(&form, "btnInit");
  for (const char* name : {"edMark2", "edWind", "edSpeed0", "edSpeed20"}) EXPECT_EQ(Text(&form, name), "");
  for (const char* name : {"lbDist0", "lbTime0", "lbDist20_1", "lbVmg20"}) EXPECT_EQ(Text(&form, name), "");
  Type(&form, "edSpeed20", "7");
  Click(&form, "lbTackDown");
  EXPECT_EQ(t.platform.LastMessage(), "Distance to mark missing");
  EXPECT_EQ(Text(&form, "lbVmg20"), "");
}

}  // namespace
}  // namespace veltrane::test
