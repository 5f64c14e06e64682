// The almanac window: a year's events in UT and local time, the partial and total lists,
// years B.C., and the CSV file.
#include <gtest/gtest.h>

#include <QTableWidget>

#include "astro/almanac_text.h"
#include "astronomy_ui/almanac_window.h"
#include "astronomy_ui/fake_observer.h"
#include "foundation/text_file.h"
#include "support/ui_driver.h"

namespace veltrane::test {
namespace {

struct AlmanacWindow : ::testing::Test {
  TestContext t;
  FakeObserver observer;
  TAlmanacForm form{t.ctx};
  void SetUp() override { form.SetObserverSource(&observer); }
  QTableWidget* Grid() { return Find<QTableWidget>(&form, "grdEvents"); }
  std::string Cell(int row, int column) { return Grid()->item(row, column)->text().toStdString(); }
};

TEST_F(AlmanacWindow, OneEventALineInUtAndLocalTime) {
  form.SetYear(2026, false);
  EXPECT_TRUE(Find<QWidget>(&form, "Panel3")->isHidden());
  Click(&form, "btnCount");
  const std::vector<AlmanacEvent> all = YearEvents(2026, 0);
  int faint = 0;
  for (const AlmanacEvent& e : all) faint += IsFaintPlanetEvent(e);
  ASSERT_GT(faint, 0);
  EXPECT_EQ(Grid()->rowCount(), static_cast<int>(all.size()) - faint);
  // The first event of 2026 is the Full Moon of January 3, 10:03 UT, 13:03 local.
  EXPECT_EQ(Cell(0, 0), "2026-01-03");
  EXPECT_EQ(Cell(0, 4), "Full Moon");
  EXPECT_EQ(Cell(0, 3).substr(0, 2), "13");
  EXPECT_EQ(Text(&form, "lbZone"), "Local time = UT + 3.0 h");
  Click(&form, "rbTotal");
  Click(&form, "btnCount");
  EXPECT_EQ(Grid()->rowCount(), static_cast<int>(all.size()));
  for (int row = 1; row < Grid()->rowCount(); ++row)
    EXPECT_LE(Cell(row - 1, 0) + Cell(row - 1, 1), Cell(row, 0) + Cell(row, 1)) << row;
}

TEST_F(AlmanacWindow, YearsBeforeChristAndOutOfRange) {
  form.SetYear(585, true);
  EXPECT_FALSE(Find<QWidget>(&form, "lbBChr")->isHidden());
  EXPECT_FALSE(Find<QWidget>(&form, "Panel3")->isHidden());
  Click(&form, "btnCount");
  EXPECT_TRUE(t.platform.messages.empty());
  // 585 B.C. is the astronomers' year -584.
  EXPECT_EQ(Cell(0, 0).substr(0, 5), "-0584");
  for (const char* year : {"2002", "0", "x"}) {
    Type(&form, "edYear", year);
    Click(&form, "btnCount");
    EXPECT_EQ(t.platform.LastMessage(), "Give the year as a whole number from 2001 B.C. to 4000") << year;
  }
  form.SetYear(4001, false);
  t.platform.Clear();
  Click(&form, "btnCount");
  EXPECT_EQ(t.platform.messages.size(), 1u);
  form.SetYear(4000, false);
  t.platform.Clear();
  Click(&form, "btnCount");
  EXPECT_TRUE(t.platform.messages.empty());
}

TEST_F(AlmanacWindow, SaveAsCsvWritesWhatTheListShows) {
  Click(&form, "btnSaveCsv");
  EXPECT_EQ(t.platform.LastMessage(), "Count the year first");
  form.SetYear(2026, false);
  Click(&form, "btnCount");
  const std::string path = t.ctx.settingsFolder + "year.csv";
  t.platform.fileAnswers.push_back(path);
  Click(&form, "btnSaveCsv");
  ASSERT_FALSE(t.platform.fileDialogPresets.empty());
  EXPECT_EQ(t.platform.fileDialogPresets.back(), "Almanac 2026.csv");
  const std::optional<std::string> csv = ReadTextFile(path);
  ASSERT_TRUE(csv);
  std::vector<AlmanacEvent> shown;
  for (const AlmanacEvent& e : YearEvents(2026, 0))
    if (!IsFaintPlanetEvent(e)) shown.push_back(e);
  EXPECT_EQ(*csv, AlmanacCsv(shown, -3.0));
  // A cancelled dialog writes nothing and says nothing.
  t.platform.Clear();
  Click(&form, "btnSaveCsv");
  EXPECT_TRUE(t.platform.messages.empty());
}

}  // namespace
}  // namespace veltrane::test
