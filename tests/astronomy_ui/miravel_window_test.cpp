// Miravel driven as a user would: first start, places, dates, the clock, settings and the
// commands that open the other astronomy windows.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateEdit>

#include "astronomy_ui/almanac_window.h"
#include "astronomy_ui/body_window.h"
#include "astronomy_ui/identify_window.h"
#include "astronomy_ui/jupiter_window.h"
#include "astronomy_ui/miravel_window.h"
#include "foundation/text_file.h"
#include "support/ui_driver.h"

namespace veltrane::test {
namespace {

struct FakeClock : UtcClockFace {
  void ShowUtc(const std::string& hhmmss) override { shown.push_back(hhmmss); }
  std::vector<std::string> shown;
};

struct FakeStars : StarPicker {
  void PickStar(StarUse use, StarTaker* taker) override {
    ++picks;
    EXPECT_EQ(use, StarUse::Values);
    if (taker) taker->TakeStar({"Vega", "18:36:56.3", "+38:47:01", "+0.0173", "+0.286", "67174", "0.03"});
  }
  int picks = 0;
};

struct Miravel : ::testing::Test {
  TestContext t;
  std::unique_ptr<TMiravelForm> form;
  std::string PlaceFile() const { return t.ctx.DataFolder() + "Position.txt"; }
  void SetUp() override { t.platform.localOffsetSeconds = 2 * 3600; }
  TMiravelForm& Open() {
    form = std::make_unique<TMiravelForm>(t.ctx);
    return *form;
  }
  void SetDate(int y, int m, int d) { Find<QDateEdit>(form.get(), "DateTimePicker1")->setDate(QDate(y, m, d)); }
};

TEST_F(Miravel, FirstStartShowsHelsinkiAndTheComputersClock) {
  TMiravelForm& f = Open();
  EXPECT_EQ(f.windowTitle().toStdString(), "Miravel");
  const std::pair<const char*, const char*> fields[] = {
      {"Edit1", "60"},          {"Edit2", "9.7"},           {"Edit3", "24"},
      {"Edit4", "57.3"},        {"edtHeight", "0"},         {"edtPressure", "1010"},
      {"edtTemperature", "10"}, {"cbxPlace", "Helsinki"},   {"edtTime", "12:00:00"},
      {"edLocTime", "14:00:00"}, {"Edit5", "-2"},           {"btClock1", "12:00:00"},
      {"lbWeekday", "Sunday"},
  };
  for (const auto& [name, text] : fields) EXPECT_EQ(Text(&f, name), text) << name;
  EXPECT_TRUE(IsChecked(&f, "RadioButton1"));
  EXPECT_TRUE(IsChecked(&f, "RadioButton4"));
  EXPECT_TRUE(IsChecked(&f, "rbPcTime"));
  EXPECT_TRUE(t.platform.messages.empty());
}

TEST_F(Miravel, ChoosingAPlaceFillsPositionAndZoneFromEitherLineForm) {
  ASSERT_TRUE(WriteFileAtomically(PlaceFile(), "Lima=12_3_S,77_2_W\nQuito=05 30.0 S,78 31.0 W,5\n"));
  TMiravelForm& f = Open();
  SelectCombo(&f, "cbxPlace", "Quito");
  EXPECT_EQ(Text(&f, "Edit1"), "5");
  EXPECT_EQ(Text(&f, "Edit2"), "30.0");
  EXPECT_TRUE(IsChecked(&f, "RadioButton2"));
  EXPECT_EQ(Text(&f, "Edit3"), "78");
  EXPECT_TRUE(IsChecked(&f, "RadioButton3"));
  EXPECT_EQ(Text(&f, "Edit5"), "5");
  EXPECT_EQ(Text(&f, "edLocTime"), "07:00:00");
  SelectCombo(&f, "cbxPlace", "Lima");
  EXPECT_EQ(Text(&f, "Edit1"), "12");
  EXPECT_EQ(Text(&f, "Edit5"), "5");  // a line without a zone leaves it
}

struct FakeListener : PlaceFileListener {
  void PlaceFileChanged() override { ++changes; }
  int changes = 0;
};

TEST_F(Miravel, SavingAPlace) {
  TMiravelForm& f = Open();
  FakeListener great;
  MiravelLinks links;
  links.placeListeners = {&great};
  f.SetLinks(links);
  Type(&f, "Edit3", "");
  Click(&f, "BitBtn1");
  EXPECT_EQ(t.platform.LastMessage(), "Coordinates missing");
  EXPECT_FALSE(FileExists(PlaceFile()));
  Type(&f, "Edit3", "24");
  // The file is created when missing, in the one line form every window reads.
  Click(&f, "BitBtn1");
  EXPECT_EQ(t.platform.LastMessage(), "Position saved in Position.txt");
  EXPECT_EQ(ReadTextFile(PlaceFile()).value_or(""), "Helsinki=60_9.7_N,-24_57.3_E,-2\n");
  EXPECT_EQ(great.changes, 1);
  Type(&f, "Edit1", "61");
  Click(&f, "BitBtn1");
  EXPECT_EQ(t.platform.LastMessage(), "Helsinki is already in Position.txt");
  EXPECT_EQ(great.changes, 1);
  EXPECT_EQ(ReadTextFile(PlaceFile()).value_or(""), "Helsinki=60_9.7_N,-24_57.3_E,-2\n");
  f.findChild<QComboBox*>("cbxPlace")->setEditText("Bad=Name");
  Click(&f, "BitBtn1");
  EXPECT_EQ(t.platform.LastMessage(), "A place name cannot hold \"=\" or a line break");
  EXPECT_EQ(ReadTextFile(PlaceFile()).value_or(""), "Helsinki=60_9.7_N,-24_57.3_E,-2\n");
}

TEST_F(Miravel, MissingOrEmptyPlaceFileIsReportedOnceAndLeavesTheWindowUsable) {
  TMiravelForm& f = Open();
  f.show();
  EXPECT_EQ(t.platform.messages, std::vector<std::string>{" File missing or cannot be opened Position.txt"});
  f.hide();
  f.show();
  EXPECT_EQ(t.platform.messages.size(), 1u);
  ASSERT_TRUE(WriteFileAtomically(PlaceFile(), ""));
  f.PlaceFileChanged();
  EXPECT_TRUE(f.ReadObserver().has_value());
}

TEST_F(Miravel, DeltaIsOfferedFrom2011AndUsedWhenTyped) {
  TMiravelForm& f = Open();
  SetDate(2012, 5, 1);
  EXPECT_TRUE(IsVisible(&f, "edDelta") || !Find<QWidget>(&f, "pnDelta")->isHidden());
  const double own = f.ReadObserver()->instant.deltaT;
  EXPECT_NEAR(own, 67.0, 2.0);
  Type(&f, "edDelta", "70.5");
  EXPECT_DOUBLE_EQ(f.ReadObserver()->instant.deltaT, 70.5);
  SetDate(2009, 5, 1);
  EXPECT_TRUE(Find<QWidget>(&f, "pnDelta")->isHidden());
  EXPECT_NE(f.ReadObserver()->instant.deltaT, 70.5);
  SetDate(2011, 1, 1);
  EXPECT_FALSE(Find<QWidget>(&f, "pnDelta")->isHidden());
  SetDate(2010, 12, 31);
  EXPECT_TRUE(Find<QWidget>(&f, "pnDelta")->isHidden());
}

TEST_F(Miravel, ReadingThePlaceAndTime) {
  TMiravelForm& f = Open();
  SetDate(2026, 6, 1);
  std::optional<ObserverReading> r = f.ReadObserver();
  ASSERT_TRUE(r);
  EXPECT_NEAR(r->observer.latitude, 60.0 + 9.7 / 60.0, 1e-12);
  EXPECT_NEAR(r->observer.lonWest, -(24.0 + 57.3 / 60.0), 1e-12);
  EXPECT_DOUBLE_EQ(r->instant.jd0, 2461192.5);
  EXPECT_DOUBLE_EQ(r->instant.hours, 12.0);
  EXPECT_DOUBLE_EQ(r->zoneHours, -2.0);
  EXPECT_EQ(r->weekday, "Monday");
  const struct {
    const char *field, *text, *message;
  } bad[] = {
      {"edtTime", "25:00:00", "Give the time as hh:mm:ss"},
      {"edtPressure", "x", "Give the location in degrees and minutes; height, pressure and temperature in integers"},
      {"edtTemperature", "", "Give the location in degrees and minutes; height, pressure and temperature in integers"},
      {"Edit5", "abc", "Give the difference Utc - Local Time in hours, -14 to 14"},
  };
  for (const auto& b : bad) {
    TMiravelForm fresh(t.ctx);
    Type(&fresh, b.field, b.text);
    t.platform.Clear();
    EXPECT_FALSE(fresh.ReadObserver()) << b.field;
    EXPECT_EQ(t.platform.LastMessage(), b.message) << b.field;
  }
  // 44 B.C., March 15 of the Julian calendar; its weekday counted back from the Julian day.
  SetDate(44, 3, 15);
  Click(&f, "chBChr");
  r = f.ReadObserver();
  ASSERT_TRUE(r);
  EXPECT_DOUBLE_EQ(r->instant.jd0, 1705425.5);
  EXPECT_TRUE(r->beforeChrist);
  EXPECT_EQ(Text(&f, "lbWeekday"), "Wednesday");
  // 2002 B.C. is beyond the years the theories hold for.
  SetDate(2002, 1, 1);
  t.platform.Clear();
  EXPECT_FALSE(f.ReadObserver());
  EXPECT_EQ(t.platform.LastMessage(), "Date error");
}

TEST_F(Miravel, EntryChecks) {
  ExpectEntryLimits(&Open(), t.platform,
                    {{"Edit1", "90", "91", "0 .. 90"}, {"edtHeight", "8900", "8900.1", "0.0 .. 8900.0"}});
}

TEST_F(Miravel, SettingsAreSavedOnClosingAndReadBack) {
  {
    TMiravelForm& f = Open();
    Type(&f, "Edit1", "38");
    Click(&f, "RadioButton2");
    Type(&f, "edtTemperature", "-1");
    Type(&f, "edtPressure", "995");
    Type(&f, "edDelta", "69");
    f.findChild<QComboBox*>("cbxPlace")->setEditText("Somewhere");
    f.close();
  }
  TMiravelForm& again = Open();
  EXPECT_EQ(Text(&again, "Edit1"), "38");
  EXPECT_TRUE(IsChecked(&again, "RadioButton2"));
  EXPECT_TRUE(IsChecked(&again, "RadioButton4"));  // Helsinki's East kept
  EXPECT_EQ(Text(&again, "edtTemperature"), "-1");
  EXPECT_EQ(Text(&again, "edtPressure"), "995");
  EXPECT_EQ(Text(&again, "edDelta"), "69");
  EXPECT_EQ(Text(&again, "cbxPlace"), "Somewhere");
}

TEST_F(Miravel, ClockAndTimeButtons) {
  TMiravelForm& f = Open();
  FakeClock clock;
  MiravelLinks links;
  links.clock = &clock;
  f.SetLinks(links);
  t.platform.utc = QDateTime(QDate(2027, 2, 3), QTime(4, 5, 6), Qt::UTC);
  f.Timer1Timer();
  EXPECT_EQ(Text(&f, "btClock1"), "04:05:06");
  EXPECT_EQ(clock.shown, std::vector<std::string>{"04:05:06"});
  EXPECT_EQ(Text(&f, "edtTime"), "12:00:00");  // the clock alone changes no field
  Click(&f, "btClock1");
  EXPECT_EQ(Text(&f, "edtTime"), "04:05:06");
  EXPECT_EQ(Find<QDateEdit>(&f, "DateTimePicker1")->date(), QDate(2027, 2, 3));
  EXPECT_EQ(Text(&f, "edLocTime"), "06:05:06");
  Type(&f, "edtTime", "23:30:00");
  EXPECT_EQ(Text(&f, "edLocTime"), "01:30:00");
  Click(&f, "rbPcTime");
  EXPECT_EQ(Text(&f, "edtTime"), "04:05:06");
}

TEST_F(Miravel, CommandsOpenTheAstronomyWindows) {
  TMiravelForm& f = Open();
  TPlanetForm body(t.ctx);
  TIdentifyForm identify(t.ctx);
  TAlmanacForm almanac(t.ctx);
  TJupiterForm jupiter(t.ctx);
  body.SetObserverSource(&f);
  body.SetJupiterWindow(&jupiter);
  jupiter.SetObserverSource(&f);
  FakeStars stars;
  int about = 0;
  f.SetLinks({&body, &identify, &almanac, &jupiter, &stars, nullptr, [&about] { ++about; }, {}});
  for (const char* name : {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune"}) {
    Click(&f, name);
    EXPECT_TRUE(body.isVisible()) << name;
    EXPECT_FALSE(Text(&body, "edAltitude").empty()) << name;
  }
  EXPECT_EQ(Text(&f, "Label9"), "NEPTUNE");
  Click(&f, "Moon");
  EXPECT_EQ(Text(&f, "Label9"), "MOON");
  EXPECT_FALSE(Text(&body, "lblPhase").empty());
  Click(&f, "Stars");
  EXPECT_EQ(Text(&f, "Label9"), "STAR");
  EXPECT_EQ(stars.picks, 1);
  EXPECT_EQ(Text(&body, "lbBody"), "Vega");
  EXPECT_EQ(Text(&body, "edMagnitude"), "0.0");
  Click(&f, "Identify");
  EXPECT_TRUE(identify.isVisible());
  SetDate(1999, 8, 11);
  Click(&f, "Almanac");
  EXPECT_TRUE(almanac.isVisible());
  EXPECT_EQ(Text(&almanac, "edYear"), "1999");
  EXPECT_FALSE(IsVisible(&almanac, "lbBChr"));
  Click(&f, "About1");
  EXPECT_EQ(about, 1);
  // The satellites belong to one instant: a new time closes their window.
  Click(&f, "Jupiter");
  Click(&body, "btnSatellit");
  EXPECT_TRUE(jupiter.isVisible());
  Type(&f, "edtTime", "13:00:00");
  EXPECT_FALSE(jupiter.isVisible());
  EXPECT_TRUE(t.platform.messages.empty());
}

}  // namespace
}  // namespace veltrane::test
