#include "coastal/ui/navigation_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QMenu>
#include <cmath>
#include <cstdlib>

#include "coastal/nav_utl.h"
#include "coastal/ui/cross_bearings_window.h"
#include "coastal/ui/tides_window.h"
#include "foundation/numbers.h"
#include "foundation/text_file.h"
#include "support/ui_driver.h"
#include "support/test_data.h"

namespace veltrane {
namespace {

using namespace veltrane::test;

double Number(QObject* w, const char* name) { return ParseReal(Text(w, name)).value_or(NAN); }

// Decimal degrees shown by a degree field and its minutes, signed by the hemisphere.
double Shown(QObject* w, const char* deg, const char* min, const char* minusButton) {
  const double v = Number(w, deg) + Number(w, min) / 60.0;
  return IsChecked(w, minusButton) ? -v : v;
}

class Navigate : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto kurssi = ReadTextFile(ShippedDataFile("Kurssi.cmp"));
    ASSERT_TRUE(kurssi) << "the example compass table ships in data/";
    t.settings.Write("Kurssi.cmp", *kurssi);
    form = std::make_unique<TNaviForm>(t.ctx);
  }
  void Position(const char* latDeg, const char* latMin, bool south, const char* lonDeg, const char* lonMin,
                bool east, int which = 1) {
    const std::string n = std::to_string(which);
    Type(w(), {{("edLatDeg" + n).c_str(), latDeg}, {("edLatMin" + n).c_str(), latMin},
               {("edLonDeg" + n).c_str(), lonDeg}, {("edLonMin" + n).c_str(), lonMin}});
    Click(w(), which == 1 ? (south ? "RadioButton2" : "RadioButton1") : (south ? "RadioButton10" : "RadioButton9"));
    Click(w(), which == 1 ? (east ? "RadioButton4" : "RadioButton3") : (east ? "RadioButton12" : "RadioButton11"));
  }
  // Types an end position a run of `distance` on `course` from 0 0 N 0 0 W.
  void EndAfter(double distance, double course) {
    const auto end = MercatorPosition({0, 0, 0}, distance, course);
    ASSERT_TRUE(end);
    auto split = [](double v, std::string& deg, std::string& min) {
      deg = std::to_string(static_cast<int>(std::fabs(v)));
      min = Str((std::fabs(v) - std::trunc(std::fabs(v))) * 60.0, 4);
    };
    std::string latDeg, latMin, lonDeg, lonMin;
    split(end->Lat, latDeg, latMin);
    split(end->Lon, lonDeg, lonMin);
    Position(latDeg.c_str(), latMin.c_str(), end->Lat < 0, lonDeg.c_str(), lonMin.c_str(), end->Lon < 0, 2);
  }
  QObject* w() { return form.get(); }

  TestContext t;
  std::unique_ptr<TNaviForm> form;
};

TEST_F(Navigate, PositionTaskRunsTheHeadingChainAndTheCurrentTriangle) {
  struct Case {
    const char *compass, *heading, *varDeg;
    bool varWest;
    const char *current, *drift, *boat, *hours, *mins;
    const char* trueHeading, *track, *sog, *log;
  };
  const Case cases[] = {
      {"Ideal", "90", "", true, "", "", "10", "6", "", "90.0", "90.0", "10.0", "60.0"},
      {"Ideal", "1", "3", true, "", "", "6", "2", "30", "358.0", "358.0", "6.0", "15.0"},
      {"Ideal", "0", "", true, "90", "5", "5", "1", "", "0", "45.0", "7.1", "5.0"},
      {"Kurssi", "45", "", true, "", "", "5", "1", "", "49.0", "49.0", "5.0", "5.0"},  // deviation +4
  };
  for (const Case& c : cases) {
    Click(w(), "btnPosition");
    Position("0", "0", false, "0", "0", false);
    SelectCombo(w(), "cbCompass", c.compass);
    Type(w(), {{"edCompCourse", c.heading}, {"edVarDeg", c.varDeg}});
    Click(w(), c.varWest ? "RadioButton5" : "RadioButton6");
    Type(w(), {{"edCurrent", c.current}, {"edDrift", c.drift}, {"edBoatSpeed", c.boat}, {"edTimeHours", c.hours},
               {"edTimeMins", c.mins}, {"edLogDistance", ""}, {"edLeeway", ""}});
    Click(w(), "btnCalculate");
    EXPECT_EQ(Text(w(), "edRealCourse"), c.trueHeading) << c.heading;
    EXPECT_EQ(Text(w(), "edTrCourse"), c.track) << c.heading;
    EXPECT_EQ(Text(w(), "edTrSpeed"), c.sog) << c.heading;
    EXPECT_EQ(Text(w(), "edLogDistance"), c.log) << c.heading;
    if (&c == cases) {  // an easterly course ends at 1 00.0 East
      EXPECT_EQ(Text(w(), "edLonDeg2") + " " + Text(w(), "edLonMin2"), "1 00.0");
      EXPECT_TRUE(IsChecked(w(), "RadioButton12"));
    }
    Click(w(), "btnInit");
  }
  EXPECT_TRUE(t.platform.messages.empty()) << t.platform.LastMessage();
}

// Back onto the equator by a slanting run: latitude 0 is north, whatever the last bit says.
TEST_F(Navigate, PositionOnTheEquatorIsNorth) {
  Click(w(), "btnPosition");
  Position("1", "0", false, "0", "0", false);
  Type(w(), {{"edCompCourse", "240"}, {"edBoatSpeed", "12"}, {"edTimeHours", "10"}});
  Click(w(), "btnCalculate");
  EXPECT_EQ(Text(w(), "edLatDeg2"), "0");
  EXPECT_EQ(Text(w(), "edLatMin2"), "00.0");
  EXPECT_TRUE(IsChecked(w(), "RadioButton9"));  // North
  EXPECT_TRUE(t.platform.messages.empty());
}

// The worked examples of the Demos menu: Position reproduces them, and SpeedComp for the track
// and speed made good steers back to the demo's compass heading and boat speed.
TEST_F(Navigate, DemosFillWorkedExamplesThatPositionAndSpeedCompReproduce) {
  struct Case {
    const char* demo;
    double track, endLat, endLon;  // west positive
    const char* sog;
    double compass, boat;
    std::vector<std::string> hint;
  } cases[] = {
      {"West1", 103.6, 55 + 27.6 / 60, 3 + 25.6 / 60, "7.8", 92, 9, {"Choose the task and press CALCULATE"}},
      {"East1", 106.5, 58 + 1 / 60.0, -(17 + 50 / 60.0), "7.9", 85, 10, {}},
  };
  for (const Case& c : cases) {
    t.platform.Clear();
    Click(w(), c.demo);
    EXPECT_EQ(t.platform.messages, c.hint);
    EXPECT_EQ(Text(w(), "cbCompass"), "Kurssi");
    EXPECT_EQ(Text(w(), "edTrSpeed"), c.sog);
    Click(w(), "btnPosition");
    Click(w(), "btnCalculate");
    EXPECT_NEAR(Number(w(), "edTrCourse"), c.track, 0.6) << c.demo;
    EXPECT_EQ(Text(w(), "edTrSpeed"), c.sog) << c.demo;
    EXPECT_NEAR(Shown(w(), "edLatDeg2", "edLatMin2", "RadioButton10"), c.endLat, 1.0 / 60) << c.demo;
    EXPECT_NEAR(Shown(w(), "edLonDeg2", "edLonMin2", "RadioButton12"), c.endLon, 1.0 / 60) << c.demo;
    const std::string track = Text(w(), "edTrCourse");
    Click(w(), "btnSpeed");
    Type(w(), {{"edTrCourse", track}, {"edTrSpeed", c.sog}});
    Click(w(), "btnCalculate");
    EXPECT_NEAR(Number(w(), "edCompCourse"), c.compass, 1.0) << c.demo;
    EXPECT_NEAR(Number(w(), "edBoatSpeed"), c.boat, 0.1) << c.demo;
    EXPECT_EQ(t.platform.messages, c.hint);
  }
}

TEST_F(Navigate, DistHeadLeewayAndCurrentFromTwoPositions) {
  Click(w(), "btnCourDist");
  Position("60", "0", false, "10", "0", false);
  Position("61", "0", false, "10", "0", false, 2);
  Type(w(), "edBoatSpeed", "6");
  Click(w(), "btnCalculate");
  // Typed values keep their text; results appear with one decimal.
  EXPECT_EQ(Text(w(), "edTrCourse"), "360.0");
  EXPECT_EQ(Text(w(), "edTrDistance"), "60.0");
  EXPECT_EQ(Text(w(), "edCompCourse"), "0");
  EXPECT_EQ(Text(w(), "edLogDistance"), "60.0");
  EXPECT_EQ(Text(w(), "edTimeHours"), "10");
  EXPECT_EQ(Text(w(), "edTimeMins"), "0");
  EXPECT_EQ(Text(w(), "edBoatSpeed"), "6");
  EXPECT_EQ(Text(w(), "edTrSpeed"), "6.0");

  // An ocean passage longer than anyone would type is still a result.
  Click(w(), "btnInit");
  Click(w(), "btnCourDist");
  Position("0", "0", false, "0", "0", false);
  Position("0", "0", false, "170", "0", true, 2);
  t.platform.Clear();
  Click(w(), "btnCalculate");
  EXPECT_EQ(Text(w(), "edTrDistance"), "10200.0");
  EXPECT_TRUE(t.platform.messages.empty()) << t.platform.LastMessage();

  const struct { double course; const char* magnetic; const char* leeway; const char* side; } leeways[] = {
      {95, "100", "5.0", "RadioButton8"},  // Port
      {2, "359", "3.0", "RadioButton7"},   // Starboard
  };
  for (const auto& c : leeways) {
    Click(w(), "btnInit");
    Click(w(), "btnLeeway");
    Position("0", "0", false, "0", "0", false);
    EndAfter(30, c.course);
    Type(w(), {{"edMgCourse", c.magnetic}, {"edBoatSpeed", "6"}});
    Click(w(), "btnCalculate");
    EXPECT_EQ(Text(w(), "edLeeway"), c.leeway) << c.course;
    EXPECT_TRUE(IsChecked(w(), c.side)) << c.course;
  }

  // A current of 0.04 kn (track 270.4 made good at 6 kn heading 270) has no set worth showing.
  Click(w(), "btnInit");
  Click(w(), "btnCurrent");
  Position("0", "0", false, "0", "0", false);
  EndAfter(60, 270.4);
  Type(w(), {{"edMgCourse", "270"}, {"edLeeway", ""}, {"edBoatSpeed", "6"}, {"edLogDistance", "60"}});
  Click(w(), "btnCalculate");
  EXPECT_EQ(Text(w(), "edCurrent"), "0");
  EXPECT_EQ(Text(w(), "edDrift"), "0.0");
  EXPECT_TRUE(t.platform.messages.empty()) << t.platform.LastMessage();
}

TEST_F(Navigate, TasksThatCannotRunSayWhy) {
  const std::string kWrong = "Missing or erroneous value", kEnds = "Give proper start and end point values";
  struct Case {
    const char* task;
    std::vector<std::pair<const char*, const char*>> typed;
    std::string message;
  };
  const Case cases[] = {
      {"btnPosition", {{"edLatDeg1", "10"}, {"edCompCourse", "5"}}, "Give proper start values"},
      {"btnCourDist", {{"edLatDeg1", "0"}, {"edLatMin1", "0"}, {"edLonDeg1", "0"}, {"edLonMin1", "0"}}, kEnds},
      {"btnSpeed", {{"edLatDeg2", "10"}}, "Give proper end point values"},
      {"btnTrCourSp", {{"edCompCourse", "1e"}}, kWrong},
      // Values their entry checks refused are not used as they stand.
      {"btnPosition", {{"edLatDeg1", "95"}, {"edLonDeg1", "0"}, {"edCompCourse", "5"}}, "Give proper start values"},
      {"btnCourDist", {{"edLatDeg1", "10"}, {"edLonDeg1", "0"}, {"edLatDeg2", "10"}, {"edLatMin2", "1e300"},
                       {"edLonDeg2", "0"}}, kEnds},
      {"btnTrCourSp", {{"edCompCourse", "5"}, {"edBoatSpeed", "1e300"}}, kWrong},
      {"btnTrCourSp", {{"edCompCourse", "-400"}}, kWrong},
      {"btnTrCourSp", {{"edCompCourse", "5"}, {"edBoatSpeed", "5"}, {"edTimeHours", "2.5"}}, kWrong},
      {"btnTrCourSp", {{"edCompCourse", "5"}, {"edVarDeg", "150"}}, kWrong},
  };
  for (const Case& c : cases) {
    Click(w(), "btnInit");
    Click(w(), c.task);
    for (const auto& [field, text] : c.typed) Type(w(), field, text);
    t.platform.Clear();
    Click(w(), "btnCalculate");
    EXPECT_EQ(t.platform.messages, std::vector<std::string>{c.message}) << c.task;
    // An erroneous value stops the run before any result is shown.
    if (c.message == kWrong) {
      EXPECT_EQ(Text(w(), "edRealCourse"), "") << c.task;
    }
  }
  // A missing compass table is reported and reads as no deviation.
  Click(w(), "btnInit");
  Click(w(), "btnTrCourSp");
  Find<QComboBox>(w(), "cbCompass")->setCurrentText("Lost");
  Type(w(), "edCompCourse", "45");
  t.platform.Clear();
  Click(w(), "btnCalculate");
  ASSERT_FALSE(t.platform.messages.empty());
  EXPECT_EQ(t.platform.messages.front(), "File Lost.cmp not found.");
  EXPECT_EQ(Text(w(), "edMgCourse"), "45.0");
}

TEST_F(Navigate, EntryChecksSelectTheBadText) {
  ExpectEntryLimits(w(), t.platform,
                    {{"edLatDeg1", "90", "91", "0 .. 90"},
                     {"edLonDeg2", "180", "181", "0 .. 180"},
                     {"edCompCourse", "360", "360.1", "0.0 .. 360.0"},
                     {"edLeeway", "12", "12.1", "0.0 .. 12.0"},
                     {"edDrift", "14", "x", "0.0 .. 14.0"},
                     {"edTimeMins", "59.9", "59.91", "0.0 .. 59.9"},
                     {"edVarMin", "59", "60", "0 .. 59"},
                     {"edLogDistance", "9999.9", "10000", "0.0 .. 9999.9"}});
  Type(w(), "edLatDeg1", "90");
  t.platform.Clear();
  Type(w(), "edLatMin1", "0.1");
  EXPECT_EQ(t.platform.LastMessage(), "Not greater than 90 degrees");
}

TEST_F(Navigate, UndoEndToStartAndSettingsSurviveARestart) {
  Click(w(), "btnUndo");  // no snapshot yet: nothing happens
  EXPECT_EQ(Text(w(), "edLatDeg1"), "");

  Click(w(), "btnPosition");
  Position("12", "30", true, "45", "15", true);
  Type(w(), {{"edCompCourse", "180"}, {"edBoatSpeed", "6"}, {"edTimeHours", "1"}});
  Click(w(), "btnCalculate");
  EXPECT_EQ(Text(w(), "edLatMin2"), "36.0");
  Click(w(), "btnInit");
  EXPECT_EQ(Text(w(), "edLatDeg1"), "");
  Click(w(), "btnUndo");
  EXPECT_EQ(Text(w(), "edLatDeg1"), "12");
  EXPECT_EQ(Text(w(), "edTrSpeed"), "6.0");
  EXPECT_EQ(Text(w(), "edLatMin2"), "36.0");

  Click(w(), "BBtnAgain");
  EXPECT_EQ(Text(w(), "edLatDeg1"), "12");
  EXPECT_EQ(Text(w(), "edLatMin1"), "36.0");
  EXPECT_TRUE(IsChecked(w(), "RadioButton2"));  // South
  EXPECT_EQ(Text(w(), "edLatDeg2"), "");
  EXPECT_EQ(Text(w(), "edBoatSpeed"), "");

  SelectCombo(w(), "cbCompass", "Kurssi");
  Click(w(), "RadioButton6");  // variation East
  Click(w(), "RadioButton7");  // leeway Starboard
  form->close();
  form.reset();

  TNaviForm again(t.ctx);
  EXPECT_EQ(Text(&again, "cbCompass"), "Kurssi");
  EXPECT_TRUE(IsChecked(&again, "RadioButton2"));
  EXPECT_TRUE(IsChecked(&again, "RadioButton10"));
  EXPECT_TRUE(IsChecked(&again, "RadioButton4"));
  EXPECT_TRUE(IsChecked(&again, "RadioButton6"));
  EXPECT_TRUE(IsChecked(&again, "RadioButton7"));
  EXPECT_EQ(Text(&again, "edLatDeg1"), "");
  Click(&again, "btnUndo");  // the snapshot outlives the window
  EXPECT_EQ(Text(&again, "edLatDeg1"), "12");
}

TEST_F(Navigate, DamagedUndoSnapshotIsHarmless) {
  for (const char* text : {"", "garbage\n\x01\xff", "[NaviForm]\nLatDeg1", "[NaviForm]\nLatDeg1=-1\nLonDeg1=5"}) {
    t.settings.Write("SETS.INI", text);
    Type(w(), "edLonDeg1", "7");
    Click(w(), "btnUndo");
    EXPECT_EQ(Text(w(), "edLonDeg1"), "7") << text;
  }
  t.settings.Write("SETS.INI", "[NaviForm]\nLatDeg1=12\nLatMin1=x\n");
  Click(w(), "btnUndo");  // a truncated snapshot restores what it has and empties the rest
  EXPECT_EQ(Text(w(), "edLatDeg1"), "12");
  EXPECT_EQ(Text(w(), "edLatMin1"), "x");
  EXPECT_EQ(Text(w(), "edLonDeg1"), "");
  EXPECT_TRUE(t.platform.messages.empty()) << t.platform.LastMessage();
}

TEST_F(Navigate, FirstStartDefaultsAndTheOptionsMenu) {
  EXPECT_EQ(form->windowTitle().toStdString(), "Navigate");
  EXPECT_EQ(Find<QWidget>(w(), "btnPosition")->toolTipDuration(), 10000);
  EXPECT_EQ(Text(w(), "cbCompass"), "Ideal");
  // North and East at both ends, variation West, leeway to Port.
  for (const char* first : {"RadioButton1", "RadioButton4", "RadioButton9", "RadioButton12", "RadioButton5",
                            "RadioButton8"})
    EXPECT_TRUE(IsChecked(w(), first)) << first;
  auto* compasses = Find<QComboBox>(w(), "cbCompass");
  EXPECT_EQ(compasses->count(), 2);
  EXPECT_EQ(compasses->itemText(1).toStdString(), "Kurssi");

  // Calculators the program has not given stay disabled; the given ones open.
  EXPECT_FALSE(IsEnabled(w(), "CrossBearing1"));
  TCrossForm cross(t.ctx);
  TNavTideForm tide(t.ctx);
  NavigateCalculators calculators;
  calculators.crossBearing = &cross;
  calculators.tides = &tide;
  form->SetCalculators(calculators);
  EXPECT_FALSE(IsEnabled(w(), "Bearings1"));
  EXPECT_FALSE(IsEnabled(w(), "Winds1"));
  for (const auto& [item, window] : {std::pair<const char*, QWidget*>{"CrossBearing1", &cross}, {"Tides1", &tide}}) {
    EXPECT_TRUE(IsEnabled(w(), item)) << item;
    Click(w(), item);
    EXPECT_TRUE(window->isVisible()) << item;
    window->hide();
  }

  Click(w(), "Print1");
  EXPECT_EQ(t.platform.printCount, 1);
  Click(w(), "Help1");
  EXPECT_EQ(t.platform.helpPages.size(), 1u);
}

TEST_F(Navigate, WhatTheCelestialWindowReadsAndClears) {
  NavigateLink& link = *form;
  link.StartFrom({{"39", "46", true}, {"52", "24", true}});
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(Text(w(), "edLatDeg1"), "39");
  EXPECT_EQ(Text(w(), "edLonMin1"), "24");
  EXPECT_TRUE(IsChecked(w(), "RadioButton2"));
  EXPECT_TRUE(IsChecked(w(), "RadioButton4"));
  EXPECT_EQ(Text(w(), "lbMode"), "Position");
  Type(w(), {{"edCompCourse", "90"}, {"edBoatSpeed", "6"}, {"edTimeHours", "2"}});
  Click(w(), "btnCalculate");
  const PositionText end = link.EndPosition();
  EXPECT_EQ(end.lat.deg, "39");
  EXPECT_TRUE(end.lat.minus);
  EXPECT_EQ(link.RunDistance(), Text(w(), "edTrDistance"));
  EXPECT_EQ(link.RunCourse(), Text(w(), "edTrCourse"));
  EXPECT_NE(link.RunDistance(), "");
  link.ClearForNewSight();
  for (const char* name : {"edCompCourse", "edBoatSpeed", "edTimeHours", "edLatDeg2", "edLonMin2"})
    EXPECT_EQ(Text(w(), name), "") << name;
  EXPECT_EQ(Text(w(), "edLatDeg1"), "39");
}

}  // namespace
}  // namespace veltrane
