#include "celestial/ui/sight_log_window.h"

#include <gtest/gtest.h>

#include <QTableWidget>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "celestial/simulated_sights.h"
#include "celestial/ui/celestial_window.h"
#include "celestial/ui/fake_navigate.h"
#include "celestial/ui/sight_plot_view.h"
#include "foundation/ini_file.h"
#include "foundation/numbers.h"
#include "foundation/text_file.h"
#include "support/ui_driver.h"

namespace veltrane::test {
namespace {

std::string Cell(QObject* form, const char* table, int row, int column) {
  const QTableWidgetItem* item = Find<QTableWidget>(form, table)->item(row, column);
  return item ? item->text().toStdString() : std::string();
}
int Rows(QObject* form, const char* table) { return Find<QTableWidget>(form, table)->rowCount(); }

struct SightLogWindowTest : ::testing::Test {
  TestContext t;
  FakeNavigate navigate;
  const std::vector<StarRecord> stars = ShippedStars();
  const PositionRecord truth{0.0, 35.0, 40.0};
  const SightInstant when = At(2026, 3, 20, 20.5);

  SightLogWindowTest() { t.settings.Write("Mstars.dat", StarFileBytes(stars)); }
  std::vector<LoggedSight> Sights(const std::vector<double>& azimuths, const std::vector<double>& errors) const {
    std::vector<LoggedSight> sights;
    const auto names = StarsNear(stars, truth, when, azimuths);
    for (size_t i = 0; i < names.size(); ++i) sights.push_back(SimulatedStarSight(stars, names[i], truth, when, errors[i]));
    return sights;
  }
  void TypeDr(QObject* form) const {
    for (const auto& [name, text] : {std::pair{"edDrLatDeg", "35"}, {"edDrLatMin", "4"}, {"edDrLonDeg", "40"},
                                     {"edDrLonMin", "5"}})
      Type(form, name, text);
    Click(form, "rbDrNorth");
    Click(form, "rbDrWest");
  }
  // The sight typed into the entry fields as a navigator would and added.
  static void Log(QObject* form, const LoggedSight& s) {
    SelectCombo(form, "cbBody", "Star");
    Type(form, "edStar", s.star);
    const std::string utc = UtcText(s.utc);
    Type(form, "edDate", utc.substr(0, 10));
    Type(form, "edTime", utc.substr(11));
    Type(form, "edHsDeg", std::to_string(static_cast<int>(s.hs)));
    Type(form, "edHsMin", Str((s.hs - static_cast<int>(s.hs)) * 60.0, 4));
    Type(form, "edIndex", Str(s.indexError, 1));
    Type(form, "edEye", Str(s.eyeHeight, 1));
    Type(form, "edRemark", "clear, steady");
    Click(form, "btnAdd");
  }
};

TEST_F(SightLogWindowTest, LogThreeSightsReduceAndFix) {
  TSightLogForm form(t.ctx, &navigate);
  form.show();
  EXPECT_EQ(form.windowTitle().toStdString(), "Sight log");
  TypeDr(&form);
  for (const LoggedSight& s : Sights({10.0, 130.0, 250.0}, {0.0, 0.0, 0.0})) Log(&form, s);
  EXPECT_TRUE(t.platform.messages.empty()) << t.platform.LastMessage();
  ASSERT_EQ(Rows(&form, "grdSights"), 3);
  EXPECT_EQ(Cell(&form, "grdSights", 2, 9), "clear, steady");
  // Kept in the settings folder as it stands.
  EXPECT_EQ(LoadSightLog(t.ctx.settingsFolder + kSightLogFileName).sights.size(), 3u);

  Click(&form, "btnReduce");
  ASSERT_EQ(Rows(&form, "grdWork"), 3);
  for (int r = 0; r < 3; ++r) {
    EXPECT_NE(Cell(&form, "grdWork", r, 2), "");  // GHA
    const std::string way = Cell(&form, "grdWork", r, 9);
    EXPECT_TRUE(way == "Towards" || way == "Away") << way;
  }
  EXPECT_EQ(Text(&form, "edFixLat"), "");

  Click(&form, "btnFix");
  EXPECT_EQ(Text(&form, "edFixLat"), "35\u00b0 00.0'  N");
  EXPECT_EQ(Text(&form, "edFixLon"), "40\u00b0 00.0'  W");
  EXPECT_EQ(Text(&form, "edEllipse").find("2."), 0u);  // 1' a sight: over two miles each way
  EXPECT_NE(Text(&form, "edEllipse").find(" NM, major axis "), std::string::npos);
  EXPECT_EQ(Text(&form, "lblBlunder"), "");
  EXPECT_EQ(Cell(&form, "grdWork", 0, 10), "0.0");
  const auto* plot = Find<SightPlotView>(&form, "pbPlot");
  ASSERT_TRUE(plot->Data());
  EXPECT_EQ(plot->Data()->lines.size(), 3u);
  EXPECT_GT(std::hypot(plot->Data()->dr.east, plot->Data()->dr.north), 4.0);

  // A tighter standard error, a smaller ellipse.
  Type(&form, "edSigma", "0.3");
  Click(&form, "btnFix");
  EXPECT_EQ(Text(&form, "edEllipse").find("0."), 0u);
  Type(&form, "edSigma", "0");
  Click(&form, "btnFix");
  EXPECT_EQ(t.platform.LastMessage(), "The standard error must be a number of minutes from 0.01 to 60");
  // Reducing alone does not need the standard error; a course without a speed it does refuse.
  t.platform.Clear();
  Click(&form, "btnReduce");
  EXPECT_TRUE(t.platform.messages.empty()) << t.platform.LastMessage();
  EXPECT_EQ(Rows(&form, "grdWork"), 3);
  Type(&form, "edCourse", "45");
  Click(&form, "btnReduce");
  EXPECT_EQ(t.platform.LastMessage(), "Give both the course (0..360) and the speed (0..100 knots) over ground, or neither");
  EXPECT_EQ(Rows(&form, "grdWork"), 0);
  Type(&form, "edCourse", "");
  Type(&form, "edFixTime", "2026-03-20 20:30");
  Click(&form, "btnReduce");
  EXPECT_EQ(t.platform.LastMessage(), "Give the fix time as YYYY-MM-DDThh:mm:ss, or leave it empty for the last sight");

  t.platform.printFile = t.settings.File("work.pdf");
  Click(&form, "Print1");
  EXPECT_EQ(t.platform.printCount, 1);
  EXPECT_TRUE(FileExists(t.settings.File("work.pdf")));
  Click(&form, "Help1");
  ASSERT_FALSE(t.platform.helpPages.empty());
  EXPECT_EQ(t.platform.helpPages.back(), "sightlog.html");
}

TEST_F(SightLogWindowTest, ABlunderIsFlaggedWithTheFixWithoutIt) {
  ASSERT_TRUE(SaveSightLog(t.ctx.settingsFolder + kSightLogFileName,
                           Sights({0.0, 70.0, 150.0, 250.0}, {0.0, 10.0, 0.0, 0.0})));
  TSightLogForm form(t.ctx, &navigate);
  TypeDr(&form);
  Click(&form, "btnFix");
  const std::string star = form.Sights()[1].star;
  EXPECT_EQ(Text(&form, "lblBlunder").rfind("Sight 2 (" + star + ") is likely a blunder: residual ", 0), 0u)
      << Text(&form, "lblBlunder");
  EXPECT_EQ(Cell(&form, "grdWork", 1, 11), "Blunder");
  EXPECT_EQ(Cell(&form, "grdWork", 0, 11), "");
  EXPECT_EQ(Text(&form, "edFreeLat"), "35\u00b0 00.0'  N");
  EXPECT_EQ(Text(&form, "edFreeLon"), "40\u00b0 00.0'  W");
  EXPECT_NE(Text(&form, "edFixLat"), Text(&form, "edFreeLat"));
}

TEST_F(SightLogWindowTest, EditDeleteAndEntryMessages) {
  TSightLogForm form(t.ctx, &navigate);
  for (const LoggedSight& s : Sights({10.0, 130.0}, {0.0, 0.0})) Log(&form, s);
  // Choosing a row shows it in the fields; Replace puts the fields back in its place.
  Find<QTableWidget>(&form, "grdSights")->selectRow(0);
  EXPECT_EQ(Text(&form, "edStar"), form.Sights()[0].star);
  Type(&form, "edRemark", "horizon hazy");
  Click(&form, "btnEdit");
  EXPECT_EQ(form.Sights()[0].remark, "horizon hazy");
  struct Case {
    const char *field, *text, *message;
  };
  const Case cases[] = {
      {"edTime", "25:00:00", "The time must be UT as YYYY-MM-DDThh:mm:ss"},
      {"edStar", "", "A star sight needs the star's name"},
      {"edPressure", "900", "The pressure must be a number from 950 to 1080"},
      {"edHsMin", "60", "Give the measured height in degrees and minutes."},
  };
  for (const Case& c : cases) {
    Find<QTableWidget>(&form, "grdSights")->clearSelection();
    Find<QTableWidget>(&form, "grdSights")->selectRow(1);
    Type(&form, c.field, c.text);
    Click(&form, "btnAdd");
    EXPECT_EQ(t.platform.LastMessage(), c.message) << c.field;
    EXPECT_EQ(form.Sights().size(), 2u);
  }
  Find<QTableWidget>(&form, "grdSights")->clearSelection();
  Click(&form, "btnDelete");
  EXPECT_EQ(t.platform.LastMessage(), "Choose a sight in the list first");
  Find<QTableWidget>(&form, "grdSights")->selectRow(0);
  t.platform.answers = {Answer::No};
  Click(&form, "btnDelete");
  EXPECT_EQ(t.platform.confirmations, std::vector<std::string>{"Delete sight 1 (" + form.Sights()[0].star + ")?"});
  EXPECT_EQ(form.Sights().size(), 2u);
  t.platform.answers = {Answer::Yes};
  Find<QTableWidget>(&form, "grdSights")->selectRow(0);
  Click(&form, "btnDelete");
  ASSERT_EQ(form.Sights().size(), 1u);
  EXPECT_EQ(LoadSightLog(t.ctx.settingsFolder + kSightLogFileName).sights.size(), 1u);
  // One sight gives no fix.
  TypeDr(&form);
  Click(&form, "btnFix");
  EXPECT_EQ(t.platform.LastMessage(), kMsgTooFewSights);
}

TEST_F(SightLogWindowTest, ExportAndImportRoundTrip) {
  ASSERT_TRUE(SaveSightLog(t.ctx.settingsFolder + kSightLogFileName, Sights({10.0, 130.0, 250.0}, {0.0, 0.0, 0.0})));
  TSightLogForm form(t.ctx, &navigate);
  const std::string exported = t.settings.File("watch.csv");
  t.platform.fileAnswers = {exported};
  Click(&form, "Export1");
  EXPECT_EQ(*ReadTextFile(exported), *ReadTextFile(t.ctx.settingsFolder + kSightLogFileName));
  t.platform.fileAnswers = {exported};
  Click(&form, "Import1");
  EXPECT_EQ(t.platform.LastMessage(), "3 sights imported");
  ASSERT_EQ(form.Sights().size(), 6u);
  EXPECT_EQ(UtcText(form.Sights()[3].utc), UtcText(form.Sights()[0].utc));
  EXPECT_DOUBLE_EQ(form.Sights()[5].hs, form.Sights()[2].hs);
  // A file with a bad line imports nothing and says which line.
  std::ofstream(t.settings.File("bad.csv")) << kSightLogHeader << "\nsun,,2026-03-20T20:30:00,40,0,0,1010,10,side,\n";
  t.platform.fileAnswers = {t.settings.File("bad.csv")};
  Click(&form, "Import1");
  EXPECT_NE(t.platform.LastMessage().find("Line 2: the limb must be lower or upper"), std::string::npos);
  EXPECT_EQ(form.Sights().size(), 6u);
  t.platform.fileAnswers = {std::nullopt};
  Click(&form, "Import1");
  EXPECT_EQ(form.Sights().size(), 6u);
}

TEST_F(SightLogWindowTest, ADamagedLogIsKeptAndItsGoodSightsRead) {
  const std::string path = t.ctx.settingsFolder + kSightLogFileName;
  const std::string damaged = SightLogText(Sights({10.0}, {0.0})) + "star,Vega,2026-03-20T20:3";
  std::ofstream(path) << damaged;
  TSightLogForm form(t.ctx, &navigate);
  ASSERT_EQ(t.platform.messages.size(), 1u);
  EXPECT_EQ(t.platform.messages[0],
            "The sight log SightLog.csv has lines that could not be read:\n"
            "Line 3: 10 fields expected, 3 found\n"
            "The file as it was is kept as SightLog.damaged.csv.");
  EXPECT_EQ(form.Sights().size(), 1u);
  EXPECT_EQ(*ReadTextFile(t.ctx.settingsFolder + "SightLog.damaged.csv"), damaged);
  Log(&form, Sights({130.0}, {0.0})[0]);
  EXPECT_EQ(LoadSightLog(path).sights.size(), 2u);
  EXPECT_EQ(*ReadTextFile(t.ctx.settingsFolder + "SightLog.damaged.csv"), damaged);
}

TEST_F(SightLogWindowTest, PlanTheEveningStars) {
  TSightLogForm form(t.ctx, &navigate);
  TypeDr(&form);
  Type(&form, "edPlanDate", "2026-03-20");
  Click(&form, "btnPlan");
  EXPECT_EQ(Text(&form, "edMiddle").substr(0, 3), "21:");
  EXPECT_LT(Text(&form, "edCivil"), Text(&form, "edNautical"));
  const std::string best = Text(&form, "edBestThree");
  EXPECT_EQ(std::count(best.begin(), best.end(), ','), 2) << best;
  EXPECT_GE(Rows(&form, "grdPlan"), 20);
  Click(&form, "rbMorning");
  Click(&form, "btnPlan");
  EXPECT_EQ(Text(&form, "edMiddle").substr(0, 3), "08:");
  Type(&form, "edPlanDate", "2026-02-30");
  Click(&form, "btnPlan");
  EXPECT_EQ(t.platform.LastMessage(), "Give the date as yyyy-MM-dd");
  Type(&form, "edDrLatDeg", "70");
  Type(&form, "edPlanDate", "2026-06-21");
  Click(&form, "btnPlan");
  EXPECT_EQ(t.platform.LastMessage(), "The Sun does not pass through nautical twilight this morning at this latitude");
  EXPECT_EQ(Rows(&form, "grdPlan"), 0);
}

TEST_F(SightLogWindowTest, SettingsNavigateRunAndTheCelestialWindowsMenu) {
  ASSERT_TRUE(SaveSightLog(t.ctx.settingsFolder + kSightLogFileName,
                           {SimulatedStarSight(stars, "Sirius", truth, At(2026, 3, 20, 19.0), 0.0),
                            SimulatedStarSight(stars, "Sirius", truth, At(2026, 3, 20, 21.0), 0.0)}));
  {
    TSightLogForm form(t.ctx, &navigate);
    navigate.course = "45";
    navigate.distance = "12";
    Click(&form, "btnNavigateRun");
    EXPECT_EQ(Text(&form, "edCourse"), "45.0");
    EXPECT_EQ(Text(&form, "edSpeed"), "6.00");
    TypeDr(&form);
    Click(&form, "rbDrSouth");
    Type(&form, "edSigma", "0.4");
    form.close();
  }
  const IniFile ini(t.ctx.SettingsFile());
  EXPECT_EQ(ini.Read("SightLogForm", "Sigma", ""), "0.4");
  EXPECT_EQ(ini.Read("SightLogForm", "LatPos", ""), "S");
  TSightLogForm again(t.ctx, &navigate);
  for (const auto& [name, text] : {std::pair{"edSigma", "0.4"}, {"edCourse", "45.0"}, {"edSpeed", "6.00"},
                                   {"edDrLatDeg", "35"}, {"edDrLonMin", "5"}})
    EXPECT_EQ(Text(&again, name), text) << name;
  EXPECT_TRUE(IsChecked(&again, "rbDrSouth"));
  navigate.distance = "";
  Click(&again, "btnNavigateRun");
  EXPECT_EQ(t.platform.LastMessage(), "Navigate has no run between the sights");

  TBrellinForm brellin(t.ctx, &navigate, nullptr);
  brellin.SetSightLogWindow(&again);
  EXPECT_FALSE(again.isVisible());
  Click(&brellin, "SightLog1");
  EXPECT_TRUE(again.isVisible());
}

}  // namespace
}  // namespace veltrane::test
