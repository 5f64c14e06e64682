#include "coastal/ui/cross_bearings_window.h"

#include <gtest/gtest.h>

#include <QComboBox>

#include "support/ui_driver.h"

namespace veltrane {
namespace {

using namespace veltrane::test;

void Objects(QObject* w) {
  // A at 60 0 N 25 0 E, B at 60 10 N 25 10 E.
  Type(w, {{"edLatDeg1", "60"}, {"edLatMin1", "0"}, {"edLonDeg1", "25"}, {"edLonMin1", "0"},
           {"edLatDeg2", "60"}, {"edLatMin2", "10"}, {"edLonDeg2", "25"}, {"edLonMin2", "10"}});
  Click(w, "RadioButton4");
  Click(w, "RadioButton12");
}

TEST(CrossBearing, FixFromTwoBearings) {
  TestContext t;
  TCrossForm form(t.ctx);
  EXPECT_EQ(form.windowTitle().toStdString(), "CrossBearing");
  Objects(&form);
  Type(&form, {{"edMgCourse1", "0"}, {"edMgCourse2", "270"}});
  Click(&form, "lbPosition");
  EXPECT_TRUE(t.platform.messages.empty()) << t.platform.LastMessage();
  EXPECT_EQ(Text(&form, "edLatDeg"), "60");
  EXPECT_EQ(Text(&form, "edLatMin"), "10.0");
  EXPECT_TRUE(IsChecked(&form, "RadioButton7"));  // North
  EXPECT_EQ(Text(&form, "edLonDeg"), "25");
  EXPECT_EQ(Text(&form, "edLonMin"), "00.0");
  EXPECT_TRUE(IsChecked(&form, "RadioButton14"));  // East
  EXPECT_EQ(Text(&form, "edAngle2"), "270.0");
}

TEST(CrossBearing, CompassBearingsVariationAndMessages) {
  TestContext t;
  t.settings.Write("Deviant.cmp", "0 2 180 2");
  TCrossForm form(t.ctx);
  Objects(&form);
  Find<QComboBox>(&form, "cbCompass")->setCurrentText("Deviant");
  Type(&form, {{"edCompCourse1", "359"}, {"edMgCourse2", "1"}, {"edVarDeg", "3"}});
  Click(&form, "RadioButton5");  // West
  Click(&form, "lbPosition");
  EXPECT_EQ(Text(&form, "edMgCourse1"), "1.0");
  EXPECT_EQ(Text(&form, "edRealCourse1"), "358.0");
  EXPECT_EQ(Text(&form, "edRealCourse2"), "358.0");
  EXPECT_EQ(t.platform.LastMessage(), "Lines do not cross");

  const struct { const char* c1; const char* m1; const char* c2; const char* m2; const char* message; } cases[] = {
      {"", "", "", "90", "Bearing A missing"},
      {"", "10", "", "", "Bearing B missing"},
      {"", "10", "", "190.5", "Lines do not cross"},
      {"", "10", "", "x", "Missing or erroneous value"},
      {"370", "", "", "100", ""},  // a bearing beyond a full circle comes round again
  };
  for (const auto& c : cases) {
    Type(&form, {{"edCompCourse1", c.c1}, {"edMgCourse1", c.m1}, {"edCompCourse2", c.c2}, {"edMgCourse2", c.m2}});
    t.platform.Clear();
    Click(&form, "lbPosition");
    EXPECT_EQ(t.platform.LastMessage(), c.message) << c.m1 << " " << c.m2;
  }
  EXPECT_EQ(Text(&form, "edRealCourse1"), "9.0");  // 370 with deviation 2 E and variation 3 W

  // A place off the globe or a variation beyond a half circle is not used.
  const struct { const char* field; const char* text; } wrong[] = {
      {"edLatDeg1", "95"}, {"edLonMin2", "1e300"}, {"edVarDeg", "200"}};
  for (const auto& c : wrong) {
    const std::string kept = Text(&form, c.field);
    Type(&form, c.field, c.text);
    t.platform.Clear();
    Click(&form, "lbPosition");
    EXPECT_EQ(t.platform.LastMessage(), "Missing or erroneous value") << c.field;
    Type(&form, c.field, kept);
  }

  // An object without a position: nothing to do, nothing said.
  Type(&form, "edLatDeg2", "");
  t.platform.Clear();
  Click(&form, "lbPosition");
  EXPECT_TRUE(t.platform.messages.empty());

  Find<QComboBox>(&form, "cbCompass")->setCurrentText("Gone");
  Type(&form, {{"edLatDeg2", "60"}, {"edCompCourse1", "0"}, {"edMgCourse2", "270"}});
  t.platform.Clear();
  Click(&form, "lbPosition");
  ASSERT_FALSE(t.platform.messages.empty());
  EXPECT_EQ(t.platform.messages.front(), "File Gone.cmp not found.");
  EXPECT_EQ(Text(&form, "edMgCourse1"), "0");
}

TEST(CrossBearing, RemembersItsValues) {
  TestContext t;
  {
    TCrossForm form(t.ctx);
    EXPECT_TRUE(IsChecked(&form, "RadioButton1"));
    EXPECT_TRUE(IsChecked(&form, "RadioButton3"));
    EXPECT_TRUE(IsChecked(&form, "RadioButton6"));  // variation East
    EXPECT_EQ(Text(&form, "cbCompass"), "Ideal");
    Objects(&form);
    Click(&form, "RadioButton2");
    Click(&form, "RadioButton5");
    Type(&form, {{"edCompCourse1", "12.5"}, {"edCompCourse2", "300"}});
    Click(&form, "Close1");
  }
  TCrossForm again(t.ctx);
  EXPECT_EQ(Text(&again, "edLatMin2"), "10");
  EXPECT_EQ(Text(&again, "edLonDeg1"), "25");
  EXPECT_EQ(Text(&again, "edCompCourse1"), "12.5");
  EXPECT_EQ(Text(&again, "edCompCourse2"), "300");
  EXPECT_TRUE(IsChecked(&again, "RadioButton2"));
  EXPECT_TRUE(IsChecked(&again, "RadioButton10"));
  EXPECT_TRUE(IsChecked(&again, "RadioButton4"));
  EXPECT_TRUE(IsChecked(&again, "RadioButton5"));
}

}  // namespace
}  // namespace veltrane
