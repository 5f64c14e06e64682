#include "celestial/ui/celestial_window.h"

#include <gtest/gtest.h>

#include <QDateEdit>
#include <QLabel>
#include <cmath>

#include "celestial/ui/fake_navigate.h"
#include "foundation/ini_file.h"
#include "foundation/numbers.h"
#include "support/ui_driver.h"

namespace veltrane::test {
namespace {

struct FakeStars : StarPicker {
  std::vector<std::pair<StarUse, StarTaker*>> picks;
  void PickStar(StarUse use, StarTaker* taker) override { picks.push_back({use, taker}); }
};

struct BrellinTest : ::testing::Test {
  TestContext t;
  FakeNavigate navigate;
  FakeStars stars;
  TBrellinForm form{t.ctx, &navigate, &stars};
  BrellinTest() { form.show(); }
};

TEST_F(BrellinTest, FirstStartValues) {
  const std::pair<const char*, const char*> fields[] = {
      {"Edit1", "60"}, {"Edit2", "9.7"}, {"Edit3", "24"}, {"Edit4", "57.3"}, {"edtSextant", "0"},
      {"edtHeight", "0"}, {"edtPressure", "1010"}, {"edtTemperature", "+10"}, {"lblSight", "I"}, {"lblMode", ""},
      {"edtTime", "12:00:00"}, {"edtDif", "0"}, {"edWeekday", "Sun"}};
  for (const auto& [name, text] : fields) EXPECT_EQ(Text(&form, name), text) << name;
  EXPECT_TRUE(IsChecked(&form, "RadioButton1"));
  EXPECT_TRUE(IsChecked(&form, "RadioButton4"));
  EXPECT_TRUE(IsChecked(&form, "RadioButton6"));
  EXPECT_EQ(Find<QDateEdit>(&form, "DateTimePicker1")->date(), QDate(2026, 12, 6));
  EXPECT_EQ(form.windowTitle().toStdString(), "DazizIze");
  for (const char* panel : {"pnlPlanet", "pnlHeight", "pnlObsHeight", "pnlDifference", "pnlLocat", "pnlPosition"})
    EXPECT_FALSE(IsVisible(&form, panel)) << panel;
}

TEST_F(BrellinTest, SettingsAreKeptBetweenRuns) {
  Type(&form, "Edit1", "41");
  Type(&form, "Edit2", "22");
  Click(&form, "RadioButton2");
  Click(&form, "RadioButton3");
  Type(&form, "edtHeight", "2.5");
  Type(&form, "edtSextant", "-1.5");
  Type(&form, "edtPressure", "990");
  form.close();
  const IniFile ini(t.ctx.SettingsFile());
  EXPECT_EQ(ini.Read("BrellinForm", "LatPos", ""), "S");
  EXPECT_EQ(ini.Read("BrellinForm", "LonPos", ""), "W");
  EXPECT_NE(ini.Read("VeltraneForm", "fBrellin", ""), "");
  TBrellinForm again(t.ctx, &navigate, &stars);
  const std::pair<const char*, const char*> fields[] = {{"Edit1", "41"}, {"Edit2", "22"}, {"edtHeight", "2.5"},
                                                        {"edtSextant", "-1.5"}, {"edtPressure", "1010"}};
  for (const auto& [name, text] : fields) EXPECT_EQ(Text(&again, name), text) << name;
  EXPECT_TRUE(IsChecked(&again, "RadioButton2"));
  EXPECT_TRUE(IsChecked(&again, "RadioButton3"));
}

TEST_F(BrellinTest, TheThreeDemonstrations) {
  struct Case {
    const char *demo, *body, *dec, *gha, *hc, *zn, *corr, *ho, *intercept;
    bool towards;
  };
  const Case cases[] = {
      {"Mustang1", "Sun", "4\u00b0 15.0'  N", "27\u00b0 18.1'", "47\u00b0 51.9'", "140.9\u00b0", "15.20'",
       "47\u00b0 56.1'", "-4.2", true},
      {"Circe1", "Sun", "23\u00b0 09.4'  N", "343\u00b0 37.2'", "53\u00b0 00.2'", "107.0\u00b0", "15.07'",
       "52\u00b0 51.0'", "9.2", false},
      {"Thalassa1", "Moon", "9\u00b0 56.1'  N", "211\u00b0 14.5'", "54\u00b0 51.8'", "211.6\u00b0", "14.13'",
       "54\u00b0 54.1'", "-2.3", true},
  };
  for (const Case& c : cases) {
    Click(&form, c.demo);
    Click(&form, c.body);
    EXPECT_EQ(Text(&form, "edtDeclination"), c.dec) << c.demo;
    EXPECT_EQ(Text(&form, "edtGHA"), c.gha) << c.demo;
    EXPECT_EQ(Text(&form, "edtHc"), c.hc) << c.demo;
    EXPECT_EQ(Text(&form, "edtAzimuth"), c.zn) << c.demo;
    EXPECT_EQ(Text(&form, "edtAltCorr"), c.corr) << c.demo;
    EXPECT_EQ(Text(&form, "edtObsHeight"), c.ho) << c.demo;
    EXPECT_EQ(Text(&form, "edtDifference"), c.intercept) << c.demo;
    EXPECT_EQ(IsChecked(&form, "TowButton"), c.towards) << c.demo;
    EXPECT_EQ(IsChecked(&form, "AwButton"), !c.towards) << c.demo;
    EXPECT_TRUE(IsVisible(&form, "pnlLocat")) << c.demo;
    EXPECT_NE(Text(&form, "lbLat1"), "") << c.demo;
  }
  EXPECT_EQ(Text(&form, "lbLon1"), "-166.5562");  // east of Greenwich: negative
  EXPECT_TRUE(t.platform.messages.empty());
}

// Degrees and minutes of a position text "40° 16.0'  N" with its hemisphere.
double PositionValue(const std::string& text) {
  const double v = std::stoi(text) + std::stod(text.substr(text.find(' ') + 1)) / 60.0;
  return text.back() == 'S' || text.back() == 'E' ? -v : v;
}

// Measured height that makes the sight's observed altitude equal its computed one.
void AimAtAssumedPosition(TBrellinForm& form, const char* body) {
  Type(&form, "edtMeasDeg", "30");
  for (int pass = 0; pass < 2; ++pass) {  // the correction depends a little on the height
    Click(&form, body);
    const std::string hc = Text(&form, "edtHc");
    const double computed = std::stoi(hc) + std::stod(hc.substr(hc.find(' ') + 1)) / 60.0;
    const double hs = computed - std::stod(Text(&form, "edtAltCorr")) / 60.0;
    Type(&form, "edtMeasDeg", std::to_string(static_cast<int>(hs)));
    Type(&form, "edtMeasMin", Str((hs - static_cast<int>(hs)) * 60.0, 1));
  }
  Click(&form, body);
}

TEST_F(BrellinTest, TwoSightFixWithARunBetween) {
  Click(&form, "Fix1");
  EXPECT_EQ(navigate.clears, 1);
  Click(&form, "Mustang1");
  AimAtAssumedPosition(form, "Sun");
  EXPECT_LE(std::fabs(std::stod(Text(&form, "edtDifference"))), 0.1);
  Click(&form, "Navi");
  EXPECT_EQ(Text(&form, "lblMode"), "Navigate");
  ASSERT_EQ(navigate.starts.size(), 1u);
  EXPECT_EQ(navigate.starts[0].lat.deg, "39");
  EXPECT_FALSE(navigate.starts[0].lon.minus);
  // Three hours at 10 knots due north.
  navigate.end = {{"40", "16.0", false}, {"52", "24.0", false}};
  navigate.course = "0";
  navigate.distance = "30";
  Click(&form, "Fix2");
  EXPECT_EQ(Text(&form, "lblSight"), "II");
  EXPECT_EQ(Text(&form, "lblMode"), "");
  EXPECT_EQ(Text(&form, "Edit1"), "40");
  EXPECT_EQ(Text(&form, "Edit2"), "16.0");
  EXPECT_NEAR(std::stod(Text(&form, "lbLat1")), 40.2667, 0.002);  // the first line moved 30 miles north
  EXPECT_EQ(Text(&form, "edtMeasDeg"), "");
  Type(&form, "edtTime", "16:53:24");
  AimAtAssumedPosition(form, "Sun");
  EXPECT_TRUE(IsVisible(&form, "lbCaptionLat2"));
  EXPECT_NE(Text(&form, "lbLat2"), "");
  Click(&form, "btnCalculate");
  EXPECT_TRUE(IsVisible(&form, "pnlPosition"));
  // Where the run took her, within the tenth of a minute the sextant is read to.
  EXPECT_NEAR(PositionValue(Text(&form, "edtLatitude")), 40.0 + 16.0 / 60.0, 0.15 / 60.0);
  EXPECT_NEAR(PositionValue(Text(&form, "edtLongitude")), 52.4, 0.25 / 60.0);
  EXPECT_TRUE(t.platform.messages.empty()) << t.platform.LastMessage();
  // CountPosition computes the fix again and stays.
  Click(&form, "CountPosit");
  Click(&form, "btnCalculate");
  EXPECT_EQ(Text(&form, "lblMode"), "Count position");
  EXPECT_NEAR(PositionValue(Text(&form, "edtLatitude")), 40.0 + 16.0 / 60.0, 0.15 / 60.0);
}

TEST_F(BrellinTest, ParallelLinesAndSightTwoWithoutARun) {
  Click(&form, "Mustang1");
  Click(&form, "Sun");
  Click(&form, "Fix2");
  EXPECT_EQ(t.platform.LastMessage(), "No course between sights");
  EXPECT_EQ(Text(&form, "lblSight"), "II");
  const std::string lat1 = Text(&form, "lbLat1");
  Type(&form, "edtMeasDeg", "47");
  Type(&form, "edtMeasMin", "30");
  Click(&form, "Sun");  // the same Sun a moment later: a parallel line
  EXPECT_EQ(Text(&form, "lbLat1"), lat1);
  Click(&form, "btnCalculate");
  EXPECT_EQ(t.platform.LastMessage(), "Parallel LOP");
  EXPECT_FALSE(IsVisible(&form, "pnlPosition"));
}

TEST_F(BrellinTest, EntryChecksWhileTyping) {
  // The one position component checks longitudes too.
  ExpectEntryLimits(&form, t.platform,
                    {{"Edit1", "90", "91", "0 .. 90"},
                     {"Edit3", "180", "200", "0 .. 180"},
                     {"edtMeasDeg", "90", "x", "0 .. 90"},
                     {"Edit2", "59.9", "60", "0 .. 59.9"},
                     {"edtSextant", "-10", "10.5", "-10.0 .. 10.0"},
                     {"edtHeight", "8900", "8900.1", "0.0 .. 8900.0"},
                     {"edtObstr", "0.1", "0", "0.0 .. 9999.0"},
                     {"edtObstr", "9999", "10000", "0.0 .. 9999.0"}});
  Type(&form, "edtSextant", "-");
  Type(&form, "edtPressure", "2000");
  EXPECT_TRUE(t.platform.messages.empty());
  Type(&form, "Edit1", "90");
  Type(&form, "Edit2", "0.1");
  EXPECT_EQ(t.platform.LastMessage(), "Not greater than 90 degrees");
}

TEST_F(BrellinTest, BadFieldsStopTheSightWithTheirMessage) {
  struct Case {
    const char *field, *text, *message;
  };
  const Case cases[] = {
      {"edtMeasMin", "4x", "Give the measured height in degrees and minutes."},
      {"Edit2", "x", "Give the pressure and temperature in integers"},
      {"edtTemperature", "61", "Give the pressure and temperature in integers"},
      {"edtObstr", "0", "0.0 .. 9999.0"},
      {"edtTime", "25:00:00", "Give the time as hh:mm:ss"},
  };
  for (const Case& c : cases) {
    Click(&form, "Mustang1");
    Click(&form, "Sun");
    Type(&form, c.field, c.text);
    t.platform.Clear();
    Click(&form, "Sun");
    EXPECT_EQ(t.platform.LastMessage(), c.message) << c.field;
    EXPECT_EQ(Text(&form, "edtDifference"), "") << c.field;
    EXPECT_EQ(Text(&form, "Edit1").find("-999"), std::string::npos);
    Type(&form, c.field, "");
    Type(&form, "edtObstr", "");
    Type(&form, "edtPressure", "1010");
    Type(&form, "edtTemperature", "+10");
  }
  // An empty minutes field is a whole number of degrees.
  Click(&form, "Mustang1");
  Type(&form, "edtMeasMin", "");
  Click(&form, "Sun");
  EXPECT_EQ(Text(&form, "edtMeasMin"), "00.0");
  EXPECT_NE(Text(&form, "edtDifference"), "");
}

TEST_F(BrellinTest, QuickTableGivesOnlyTheCorrectedHeight) {
  Click(&form, "Dastrow1");
  EXPECT_FALSE(Find<QLabel>(&form, "lbDastrow")->isHidden());
  Click(&form, "Mustang1");
  Type(&form, "edtMeasDeg", "46");
  Type(&form, "edtMeasMin", "59");
  Click(&form, "Sun");
  EXPECT_EQ(Text(&form, "edtAltCorr"), "12.5'");
  EXPECT_EQ(Text(&form, "edtObsHeight"), "47\u00b0 11.5'");
  EXPECT_EQ(Text(&form, "edtAppHeight"), "");
  EXPECT_EQ(Text(&form, "lbLat1"), "");
  Type(&form, "edtMeasDeg", "45");
  Type(&form, "edtMeasMin", "30");
  Click(&form, "Jupiter");
  EXPECT_EQ(Text(&form, "edtAltCorr"), "-4'");
  Click(&form, "Moon");  // always corrected in full
  EXPECT_NE(Text(&form, "edtAppHeight"), "");
  Click(&form, "Dastrow1");
  EXPECT_TRUE(Find<QLabel>(&form, "lbDastrow")->isHidden());
}

TEST_F(BrellinTest, NoonTimeAndLatitude) {
  Click(&form, "Mustang1");
  Click(&form, "Noon");
  EXPECT_EQ(Text(&form, "lblMode"), "Noon latitude");
  EXPECT_EQ(Text(&form, "lblNoon"), "Noon Utc");
  EXPECT_EQ(Text(&form, "edtNoon"), "15 h 33 m 46 s");
  EXPECT_FALSE(IsVisible(&form, "pnlPlanet"));
  Type(&form, "edtTime", "15:33:46");
  Type(&form, "edtMeasDeg", "54");
  Type(&form, "edtMeasMin", "15");
  Click(&form, "btnCalculate");
  EXPECT_TRUE(IsVisible(&form, "pnlPosition"));
  const std::string lat = Text(&form, "edtLatitude");
  EXPECT_EQ(lat.substr(lat.size() - 3), "  N");
  EXPECT_EQ(Text(&form, "Edit1") + "\u00b0 " + Text(&form, "Edit2") + "'  N", lat);
  EXPECT_EQ(Text(&form, "lbAngle1"), "90.0000");
  EXPECT_EQ(Text(&form, "edtLongitude"), "");
}

TEST_F(BrellinTest, LongitudeByEqualAltitudes) {
  Click(&form, "Circe1");
  Click(&form, "Equal");
  EXPECT_EQ(t.platform.LastMessage(), "Give the first time and the height of a body and press <Calculate>");
  Type(&form, "edtTime", "10:00:00");
  Click(&form, "btnCalculate");
  EXPECT_EQ(t.platform.LastMessage(), "Press Navigate or give the second time and press <Calculate>");
  EXPECT_EQ(Text(&form, "lblMode"), "Equal heights B");
  Click(&form, "Navi");  // the run between the sights keeps the method going
  EXPECT_EQ(Text(&form, "lblMode"), "Equal heights B");
  navigate.end = {{"41", "13.0", false}, {"22", "22.0", false}};  // 3' further north
  Type(&form, "edtTime", "14:00:00");
  t.platform.Clear();
  Click(&form, "btnCalculate");
  EXPECT_EQ(t.platform.LastMessage(), "Look at the Measured height for the second measurement");
  EXPECT_EQ(Text(&form, "edtMeasDeg"), "52");
  EXPECT_EQ(Text(&form, "edtMeasMin"), "33.0");
  EXPECT_EQ(Text(&form, "lblNoon"), "Middle time");
  EXPECT_EQ(Text(&form, "edtNoon"), "12 h 00 m 00 s");
  EXPECT_EQ(Text(&form, "Edit1"), "41");
  EXPECT_EQ(Text(&form, "Edit2"), "13.0");
  const std::string lon = Text(&form, "edtLongitude");  // the Sun at 12 UT stands near Greenwich
  EXPECT_EQ(lon.substr(0, 3), "0\u00b0");
}

TEST_F(BrellinTest, TimeSight) {
  Click(&form, "Mustang1");
  Click(&form, "Sun");
  const std::string hc = Text(&form, "edtHc");
  Click(&form, "LongTSF");
  EXPECT_EQ(Text(&form, "lblMode"), "Time Sight");
  Click(&form, "Sun");  // only chooses the body
  EXPECT_EQ(Text(&form, "edtGHA"), "");
  Type(&form, "Edit3", "50");  // a wrong longitude: the sight finds the right one
  Type(&form, "Edit4", "0");
  Click(&form, "btnCalculate");
  // The altitude at 52 24 W, but worked from 50 W: the longitude lands near the true one.
  Type(&form, "edtMeasDeg", hc.substr(0, 2));
  Type(&form, "edtMeasMin", hc.substr(hc.find(' ') + 1, 4));
  Click(&form, "btnCalculate");
  const std::string lon = Text(&form, "edtLongitude");
  EXPECT_EQ(lon, "52\u00b0 24.0'  W");
  EXPECT_EQ(Text(&form, "edtLHA").substr(Text(&form, "edtLHA").size() - 3), "  E");
  EXPECT_EQ(Text(&form, "Edit3"), "52");
  // A height the Sun never reaches there: a message, no field changed.
  Type(&form, "edtMeasDeg", "89");
  t.platform.Clear();
  Click(&form, "btnCalculate");
  EXPECT_EQ(t.platform.LastMessage(), "The height cannot be reached at this latitude and declination");
  EXPECT_EQ(Text(&form, "edtLongitude"), lon);
  EXPECT_EQ(Text(&form, "Edit3"), "52");
}

TEST_F(BrellinTest, StarFixThroughTheStarWindow) {
  Click(&form, "Stars");
  ASSERT_EQ(stars.picks.size(), 1u);
  EXPECT_EQ(stars.picks[0].first, StarUse::Fix);
  EXPECT_EQ(Text(&form, "lblPlanet"), "STAR");
  Click(&form, "Thalassa1");
  Type(&form, "edtMeasDeg", "4");
  Type(&form, "edtMeasMin", "20");
  stars.picks[0].second->TakeStar({"Vega", "18:36:56.3", "+38:47:01", "+0.0173", "+0.286", "67174", "0.03"});
  EXPECT_EQ(Text(&form, "lblPlanet"), "Vega");
  EXPECT_EQ(Text(&form, "edtDeclination"), "38\u00b0 45.8'  N");
  EXPECT_EQ(Text(&form, "edtAzimuth"), "320.2\u00b0");
  EXPECT_NE(Text(&form, "lbLat1"), "");
}

TEST_F(BrellinTest, ResetClockAndHelp) {
  Click(&form, "Mustang1");
  Click(&form, "Sun");
  Click(&form, "lbAssumed");
  EXPECT_EQ(Text(&form, "lbLat1"), "");
  EXPECT_EQ(Text(&form, "edtMeasDeg"), "");
  EXPECT_FALSE(IsVisible(&form, "pnlPlanet"));
  EXPECT_FALSE(IsVisible(&form, "pnlLocat"));
  form.ShowUtc("13:14:15");
  EXPECT_EQ(Text(&form, "btClock1"), "13:14:15 UT");
  Click(&form, "btClock1");
  EXPECT_EQ(Text(&form, "edtTime"), "13:14:15");
  EXPECT_EQ(Find<QDateEdit>(&form, "DateTimePicker1")->date(), QDate(2026, 12, 6));
  Click(&form, "Help1");
  ASSERT_EQ(t.platform.helpPages.size(), 1u);
  EXPECT_EQ(t.platform.helpPages[0], "celestial.html");
  Click(&form, "Print1");
  EXPECT_EQ(t.platform.printCount, 1);
}

}  // namespace
}  // namespace veltrane::test
