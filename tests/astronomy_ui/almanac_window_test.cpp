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

TEST_F(AlmanacWindow, DailyPagesSavedAndShown) {
  EXPECT_EQ(Text(&form, "edFirstDay"), "2026-12-06");  // the clock's day
  struct Case {
    const char *first, *days, *message;
  };
  const Case refused[] = {
      {"6.12.2026", "3", "Give the first day as yyyy-mm-dd and the number of days as a whole number"},
      {"2026-12-06", "", "Give the first day as yyyy-mm-dd and the number of days as a whole number"},
      {"2026-12-06", "367", "The number of days must be 1 to 366"},
      {"2026-02-30", "1", "The calendar has no such day"},
  };
  for (const Case& c : refused) {
    Type(&form, "edFirstDay", c.first);
    Type(&form, "edDays", c.days);
    t.platform.Clear();
    Click(&form, "btnDailyPages");
    EXPECT_EQ(t.platform.LastMessage(), c.message) << c.first << " " << c.days;
    EXPECT_TRUE(t.platform.fileDialogPresets.empty());
  }
  Type(&form, "edFirstDay", "2026-12-06");
  Type(&form, "edDays", "4");
  const std::string path = t.ctx.settingsFolder + "pages.pdf";
  t.platform.fileAnswers.push_back(path);
  t.platform.Clear();
  Click(&form, "btnDailyPages");
  EXPECT_TRUE(t.platform.messages.empty()) << t.platform.LastMessage();
  ASSERT_FALSE(t.platform.fileDialogPresets.empty());
  EXPECT_EQ(t.platform.fileDialogPresets.back(), "Daily pages 2026-12-06.pdf");
  const std::optional<std::string> pdf = ReadFileBytes(path);
  ASSERT_TRUE(pdf);
  EXPECT_EQ(pdf->substr(0, 5), "%PDF-");
  ASSERT_EQ(t.platform.openedUrls.size(), 1u);
  EXPECT_EQ(t.platform.openedUrls[0], "file://" + path);
}

}  // namespace
}  // namespace veltrane::test
