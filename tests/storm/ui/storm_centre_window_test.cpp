#include "storm/ui/storm_centre_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "foundation/ui/settings.h"
#include "support/ui_driver.h"

namespace veltrane {
namespace {

using namespace veltrane::test;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(StormCentreWindow, DemonstrationEndToEnd) {
  TestContext t;
  TStorm_CenterForm form(t.ctx);
  form.show();
  EXPECT_FALSE(IsVisible(&form, "Panel2"));
  EXPECT_FALSE(IsVisible(&form, "btnAvoid"));
  EXPECT_THAT(Text(&form, "Memo1"), HasSubstr("The direction of the storm center may be calculated"));

  Click(&form, "Demo1");
  ASSERT_EQ(t.platform.messages.size(), 1u);
  EXPECT_EQ(t.platform.messages[0],
            "Press \u00b4Cyclone Count\u00b4, \u00b4Avoid Cyclone\u00b4 and on the Avoidance Form \u00b4Cyclone "
            "Count\u00b4 and \u00b4Situation\u00b4");
  EXPECT_EQ(Text(&form, "Edit14"), "202");
  EXPECT_EQ(Text(&form, "Edit18"), "220");
  EXPECT_EQ(Text(&form, "Edit20") + " " + Text(&form, "Edit21"), "16 36.0");
  EXPECT_EQ(Text(&form, "Edit22") + " " + Text(&form, "Edit23"), "61 26.8");
  EXPECT_TRUE(IsChecked(&form, "RadioButton15"));
  EXPECT_TRUE(IsChecked(&form, "RadioButton17"));
  EXPECT_EQ(Text(&form, "Edit9") + " " + Text(&form, "Edit10"), "20 07.0");
  EXPECT_EQ(Text(&form, "Edit11") + " " + Text(&form, "Edit12"), "60 12.9");
  EXPECT_TRUE(IsVisible(&form, "Panel2"));
  EXPECT_EQ(Text(&form, "lbBaro"), "mb");
  EXPECT_EQ(Text(&form, "Edit13"), "80");
  EXPECT_EQ(Text(&form, "Edit19"), "1.5");

  Click(&form, "CountCyclon");
  EXPECT_EQ(t.platform.messages.size(), 1u);
  EXPECT_EQ(Text(&form, "Edit14"), "192");
  EXPECT_EQ(Text(&form, "Edit18"), "170");
  EXPECT_EQ(Text(&form, "Edit20") + " " + Text(&form, "Edit21"), "17 20.7");
  EXPECT_EQ(Text(&form, "Edit22") + " " + Text(&form, "Edit23"), "60 50.2");
  EXPECT_EQ(Text(&form, "Edit15"), "38");
  EXPECT_EQ(Text(&form, "Edit16"), "28");
  EXPECT_EQ(Text(&form, "Memo1"),
            " Wind is backing, so you are in the left semicircle.\n"
            "Sail on starboard tack or be hove-to on the port tack.");
  EXPECT_TRUE(IsVisible(&form, "btnAvoid"));
  EXPECT_TRUE(IsVisible(&form, "Panel7"));
}

// The first observation typed by hand: position, wind, course and speed, fall, hours between.
void TypeObservation(TStorm_CenterForm& form, const char* lat = "20") {
  for (const auto& [name, text] : {std::pair{"Edit1", lat}, {"Edit3", "60"}, {"Edit5", "90"}, {"Edit6", "7"},
                                   {"Edit7", "300"}, {"Edit8", "1"}, {"Edit17", "2"}})
    Type(&form, name, text);
}

struct BadInput {
  const char *field, *text, *message;
};

TEST(StormCentreWindow, BadInputStopsWithOneMessage) {
  const BadInput cases[] = {
      {"Edit1", "", "Missing or erroneus values"},      {"Edit5", "x", "Missing or erroneus values"},
      {"Edit8", "-2", "Missing or erroneus values"},    {"Edit6", "fast", "Missing or erroneus values"},
      {"Edit17", "0", "Missing or erroneus values"},    {"Edit17", "", "Missing or erroneus values"},
      {"Edit17", "1.5", "0 .. 5"},                      // a part of an hour: the entry limit, not a conversion error
      {"Edit6", "-3", "Missing or erroneus values"},
      {"Edit8", "100", "Missing or erroneus values"},   // beyond the entry limit: no centre at the boat
  };
  for (const BadInput& c : cases) {
    TestContext t;
    TStorm_CenterForm form(t.ctx);
    Click(&form, "Demo1");
    Click(&form, "Init1");
    TypeObservation(form);
    t.platform.Clear();
    Type(&form, c.field, c.text);
    t.platform.Clear();
    Click(&form, "Ok");
    EXPECT_THAT(t.platform.messages, ElementsAre(c.message)) << c.field << "=" << c.text;
    EXPECT_EQ(Text(&form, "Edit14"), "") << c.field;
  }
}

TEST(StormCentreWindow, CycloneCountNeedsTheFirstEstimate) {
  TestContext t;
  TStorm_CenterForm form(t.ctx);
  Click(&form, "CountCyclon");
  EXPECT_THAT(t.platform.messages, ElementsAre("Erroneus or missing values"));
  Click(&form, "Demo1");
  t.platform.Clear();
  Type(&form, "Edit13", "");
  Click(&form, "CountCyclon");
  EXPECT_THAT(t.platform.messages, ElementsAre("Erroneus or missing values"));
  EXPECT_EQ(Text(&form, "Edit15"), "");
  Type(&form, "Edit13", "80");
  Type(&form, "Edit19", "9");  // beyond the 7 mb an hour the entry check allows
  t.platform.Clear();
  Click(&form, "CountCyclon");
  EXPECT_THAT(t.platform.messages, ElementsAre("Erroneus or missing values"));
  EXPECT_EQ(Text(&form, "Edit15"), "");
}

TEST(StormCentreWindow, AdviceNearTheEquatorAndWarningsOfSpeed) {
  TestContext t;
  TStorm_CenterForm form(t.ctx);
  TypeObservation(form, "5");
  Click(&form, "Ok");
  EXPECT_EQ(Text(&form, "Memo1"),
            "Consider sailing towards  South\nas cyclones rarely come within 4\u00b0 from the equator.");
  // The same wind and fall again: the centre has hardly moved.
  Type(&form, {{"Edit13", "90"}, {"Edit19", "1"}, {"Edit9", "5"}, {"Edit10", "0"}, {"Edit11", "60"}, {"Edit12", "0"}});
  Click(&form, "CountCyclon");
  EXPECT_EQ(Text(&form, "Edit16"), "0");
  EXPECT_THAT(Text(&form, "Memo1"), HasSubstr("Quite low speed for a cyclone\n Wind is steady"));
  EXPECT_TRUE(t.platform.messages.empty());
}

TEST(StormCentreWindow, ChoicesSurviveARestart) {
  struct Case {
    const char *source, *direction, *unit, *baro;
  } cases[] = {{"RadioButton6", "Cloud", "RadioButton13", "Hg"}, {"RadioButton7", "Cyclon", "RadioButton14", "IM"}};
  for (const Case& c : cases) {
    TestContext t;
    {
      TStorm_CenterForm form(t.ctx);
      // First start: North, West, wind, mb.
      for (const char* first : {"RadioButton1", "RadioButton3", "RadioButton5", "RadioButton12"})
        EXPECT_TRUE(IsChecked(&form, first)) << first;
      for (const char* choice : {"RadioButton2", "RadioButton4", c.source, c.unit}) Click(&form, choice);
      form.show();
      Click(&form, "Close1");
    }
    {
      Settings s(t.ctx);
      EXPECT_EQ(s.Read("Storm_CenterForm", "Direction", std::string()), c.direction);
      EXPECT_EQ(s.Read("Storm_CenterForm", "Baro", std::string()), c.baro);
    }
    TStorm_CenterForm again(t.ctx);
    for (const char* choice : {"RadioButton2", "RadioButton4", c.source, c.unit})
      EXPECT_TRUE(IsChecked(&again, choice)) << choice;
  }
}

TEST(StormCentreWindow, UnknownStoredTextsChooseTheOtherSide) {
  TestContext t;
  {
    Settings s(t.ctx);
    for (const char* key : {"LatPos", "LonPos", "Direction", "Baro"}) s.Write("Storm_CenterForm", key, std::string("?"));
  }
  TStorm_CenterForm form(t.ctx);
  EXPECT_TRUE(IsChecked(&form, "RadioButton2"));
  EXPECT_TRUE(IsChecked(&form, "RadioButton4"));
  EXPECT_TRUE(IsChecked(&form, "RadioButton5"));
  EXPECT_TRUE(IsChecked(&form, "RadioButton14"));
}

TEST(StormCentreWindow, EntryChecksByUnit) {
  TestContext t;
  TStorm_CenterForm form(t.ctx);
  ExpectEntryLimits(&form, t.platform, {{"Edit8", "7", "7.01", "0.0 .. 7.0"}});
  Click(&form, "RadioButton13");
  ExpectEntryLimits(&form, t.platform, {{"Edit8", "5", "5.01", "0.0 .. 5.0"}});
  Click(&form, "RadioButton14");
  ExpectEntryLimits(&form, t.platform, {{"Edit8", "0.19", "0.191", "0.0 .. 0.19"}});
  ExpectEntryLimits(&form, t.platform, {{"Edit2", "59.9", "60", "0 .. 59.9"}, {"Edit5", "360", "361", "0 .. 360"}});
}

}  // namespace
}  // namespace veltrane
