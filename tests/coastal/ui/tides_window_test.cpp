#include "coastal/ui/tides_window.h"

#include <gtest/gtest.h>

#include "support/ui_driver.h"

namespace veltrane::test {
namespace {

struct NavTideTest : WindowTest<TNavTideForm> {
  void Tides(const char* high, const char* highTime, const char* low, const char* lowTime) {
    Type(&form, {{"edHighHeight", high}, {"edHighTime", highTime}, {"edLowHeight", low}, {"edLowTime", lowTime}});
  }
};

TEST_F(NavTideTest, HeightAndTimeBetweenTheTides) {
  form.ShowForm();
  EXPECT_TRUE(IsChecked(&form, "rbHigh"));
  Click(&form, "rbLow");
  Tides("4.0", "12:00", "1.0", "06:00");
  Type(&form, "edNewTime", "09:00");
  Click(&form, "btHeight");
  EXPECT_EQ(Text(&form, "edNewHeight"), "2.5");
  Type(&form, "edNewTime", "");
  Click(&form, "btTime");
  EXPECT_EQ(Text(&form, "edNewTime"), "09:00");
  Type(&form, "edNewHeight", "3.2");
  Click(&form, "btTime");
  EXPECT_EQ(Text(&form, "edNewTime"), "09:56");
  EXPECT_TRUE(t.platform.messages.empty());
}

TEST_F(NavTideTest, TideOverMidnight) {
  Tides("5.0", "23:00", "1.0", "05:00");  // high water earlier: low water is 29:00
  Type(&form, "edNewHeight", "2.0");
  Click(&form, "btTime");
  EXPECT_EQ(Text(&form, "edNewTime"), "03:00");
  Type(&form, "edNewHeight", "");
  Click(&form, "btHeight");
  EXPECT_EQ(Text(&form, "edNewHeight"), "2.0");
  Type(&form, "edNewTime", "01:00");
  Click(&form, "btHeight");
  EXPECT_EQ(Text(&form, "edNewHeight"), "4.0");
}

TEST_F(NavTideTest, NoAnswerLeavesTheFields) {
  struct Case {
    const char *highTime, *lowTime, *high, *newHeight, *button, *message;
  } cases[] = {
      {"06:00", "06:00", "4.0", "2.0", "btHeight", "No answer: high and low water times are equal"},
      {"12:00", "06:00", "4.0", "5.0", "btTime", "No answer: the height is not between low and high water"},
  };
  for (const auto& c : cases) {
    Tides(c.high, c.highTime, "1.0", c.lowTime);
    Type(&form, {{"edNewHeight", c.newHeight}, {"edNewTime", "08:00"}});
    t.platform.Clear();
    Click(&form, c.button);
    EXPECT_EQ(t.platform.messages, std::vector<std::string>{c.message});
    EXPECT_EQ(Text(&form, "edNewHeight"), c.newHeight);
    EXPECT_EQ(Text(&form, "edNewTime"), "08:00");
  }
}

TEST_F(NavTideTest, TimesThatAreNotClockTimesAreRefused) {
  struct Case {
    const char *highTime, *lowTime, *newTime, *button;
  } cases[] = {
      {"25:00", "06:00", "09:00", "btHeight"}, {"12:00", "06:75", "09:00", "btTime"},
      {"12:00", "06:00", "", "btHeight"},
  };
  for (const auto& c : cases) {
    Tides("4.0", c.highTime, "1.0", c.lowTime);
    Type(&form, {{"edNewHeight", "2.0"}, {"edNewTime", c.newTime}});
    const std::string newTime = Text(&form, "edNewTime");
    t.platform.Clear();
    Click(&form, c.button);
    EXPECT_EQ(t.platform.messages, std::vector<std::string>{"Give the times as hh:mm, 00:00 .. 23:59"})
        << c.highTime << " " << c.lowTime << " " << c.newTime;
    EXPECT_EQ(Text(&form, "edNewHeight"), "2.0");
    EXPECT_EQ(Text(&form, "edNewTime"), newTime);
  }
}

TEST_F(NavTideTest, EmptyAllAndShowingAgain) {
  Tides("4.0", "12:00", "1.0", "06:00");
  Type(&form, "edNewHeight", "2");
  Click(&form, "Emptyall1");
  for (const char* name : {"edHighHeight", "edLowHeight", "edNewHeight"}) EXPECT_EQ(Text(&form, name), "");
  // An empty time field keeps only its separator.
  for (const char* name : {"edHighTime", "edLowTime", "edNewTime"}) EXPECT_EQ(Text(&form, name), ":");
  form.ShowForm();
  Click(&form, "rbLow");
  form.hide();
  form.ShowForm();
  EXPECT_TRUE(IsChecked(&form, "rbHigh"));
  Type(&form, "edLowHeight", "100");
  EXPECT_EQ(t.platform.LastMessage(), "0.0 .. 99.9");
}

}  // namespace
}  // namespace veltrane::test
