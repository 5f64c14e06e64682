#include "foundation/ui/position_fields.h"

#include <gtest/gtest.h>

#include <QGridLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

#include "support/ui_driver.h"

namespace veltrane {
namespace {

using namespace veltrane::test;

// Two groups in one grid, named as a window names its start and end points.
struct Sheet {
  Sheet() {
    auto* grid = new QGridLayout(&window);
    start = PositionFields::Create(&window, {{"Edit1", "Edit2", "RadioButton1", "RadioButton2"},
                                             {"Edit3", "Edit4", "RadioButton3", "RadioButton4"}});
    end = PositionFields::Create(&window, {{"Edit5", "Edit6", "RadioButton5", "RadioButton6"},
                                           {"Edit7", "Edit8", "RadioButton7", "RadioButton8"}});
    start.Place(grid, 0);
    end.Place(grid, 2);
  }
  QWidget window;
  PositionFields start, end;
};

TEST(PositionFields, NamedCaptionedAndNorthWestAtTheStart) {
  Sheet s;
  EXPECT_EQ(Text(&s.window, "RadioButton1"), "North");
  EXPECT_EQ(Text(&s.window, "RadioButton2"), "South");
  EXPECT_EQ(Text(&s.window, "RadioButton7"), "West");
  EXPECT_EQ(Text(&s.window, "RadioButton8"), "East");
  for (const char* chosen : {"RadioButton1", "RadioButton3", "RadioButton5", "RadioButton7"})
    EXPECT_TRUE(IsChecked(&s.window, chosen)) << chosen;
  // Each pair is a choice of its own.
  Click(&s.window, "RadioButton2");
  EXPECT_TRUE(IsChecked(&s.window, "RadioButton3"));
  EXPECT_TRUE(IsChecked(&s.window, "RadioButton5"));
  EXPECT_FALSE(IsChecked(&s.window, "RadioButton1"));
  EXPECT_EQ(s.start.lat.deg->maxLength(), 3);
  EXPECT_TRUE(s.start.IsBlank());
}

TEST(PositionFields, ReadsTheChoicesAndFillsEmptyMinutes) {
  Sheet s;
  Type(&s.window, {{"Edit1", "12"}, {"Edit3", "45"}, {"Edit4", "30"}});
  Click(&s.window, "RadioButton2");
  Click(&s.window, "RadioButton4");
  const PositionReading r = s.start.Read();
  ASSERT_TRUE(r.value);
  EXPECT_DOUBLE_EQ(r.value->Lat, -12.0);
  EXPECT_DOUBLE_EQ(r.value->Lon, -45.5);
  EXPECT_EQ(Text(&s.window, "Edit2"), "0.0");
  EXPECT_FALSE(s.start.IsBlank());

  Type(&s.window, "Edit3", "181");
  EXPECT_EQ(s.start.Read().message, "0 .. 180");
  // Only the latitude typed: a wrong position, not a missing one; its empty longitude minutes stay.
  s.start.lon.Clear();
  EXPECT_FALSE(s.start.IsBlank());
  EXPECT_EQ(s.start.Read().message, "0 .. 180");
  EXPECT_EQ(Text(&s.window, "Edit4"), "");
}

TEST(PositionFields, ShowsUnsignedTextsWithZeroNorthAndWest) {
  Sheet s;
  s.start.Show({0.0, -33.5 - 0.0001, 151.2});
  EXPECT_EQ(Text(&s.window, "Edit1"), "33");
  EXPECT_EQ(Text(&s.window, "Edit2"), "30.0");
  EXPECT_TRUE(IsChecked(&s.window, "RadioButton2"));
  EXPECT_EQ(Text(&s.window, "Edit3"), "151");
  EXPECT_EQ(Text(&s.window, "Edit4"), "12.0");
  EXPECT_TRUE(IsChecked(&s.window, "RadioButton3"));

  s.start.Show({0.0, -0.0001, -0.0004});
  EXPECT_EQ(Text(&s.window, "Edit1"), "0");
  EXPECT_EQ(Text(&s.window, "Edit2"), "00.0");
  EXPECT_TRUE(IsChecked(&s.window, "RadioButton1"));
  EXPECT_TRUE(IsChecked(&s.window, "RadioButton3"));
  s.start.lon.Show(-12.0);
  EXPECT_TRUE(IsChecked(&s.window, "RadioButton4"));

  s.end.CopyFrom(s.start);
  EXPECT_EQ(Text(&s.window, "Edit7"), "12");
  EXPECT_EQ(Text(&s.window, "Edit8"), "00.0");
  EXPECT_TRUE(IsChecked(&s.window, "RadioButton5"));
  EXPECT_TRUE(IsChecked(&s.window, "RadioButton8"));

  s.end.Clear();
  EXPECT_TRUE(s.end.IsBlank());
  EXPECT_EQ(Text(&s.window, "Edit6"), "");
  EXPECT_EQ(Text(&s.window, "Edit8"), "");
}

TEST(PositionFields, EntryChecksOfEachFieldWithTheirLimits) {
  Sheet s;
  FakePlatform platform;
  const std::vector<EntryCheck> checks = s.start.EntryChecks(platform);
  ASSERT_EQ(checks.size(), 4u);
  struct Case {
    size_t field;
    const char* degText;  // what the degree field of the pair holds
    const char* text;
    bool ok;
    const char* message;
  } cases[] = {
      {0, "", "90", true, ""},       {0, "", "91", false, "0 .. 90"},
      {1, "90", "0", true, ""},      {1, "90", "0.1", false, "Not greater than 90 degrees"},
      {1, "89", "59.9", true, ""},   {1, "89", "60", false, "0 .. 59.9"},
      {2, "", "180", true, ""},      {2, "", "181", false, "0 .. 180"},
      {3, "180", "0.1", false, "Not greater than 180 degrees"},
      {3, "90", "0.1", true, ""},
  };
  for (const Case& c : cases) {
    platform.Clear();
    (c.field < 2 ? s.start.lat : s.start.lon).deg->setText(c.degText);
    EXPECT_EQ(checks[c.field].check(c.text), c.ok) << c.field << " " << c.text;
    EXPECT_EQ(platform.LastMessage(), c.message) << c.field << " " << c.text;
  }
  EXPECT_EQ(checks[0].edit, s.start.lat.deg);
  EXPECT_EQ(checks[1].edit, s.start.lat.min);
  EXPECT_EQ(checks[2].edit, s.start.lon.deg);
  EXPECT_EQ(checks[3].edit, s.start.lon.min);
}

}  // namespace
}  // namespace veltrane
