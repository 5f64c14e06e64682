#include "astronomy_ui/star_window.h"

#include <gtest/gtest.h>

#include <QTableWidget>

#include "support/star_file.h"
#include "support/ui_driver.h"

namespace veltrane::test {
namespace {

struct Taker : StarTaker {
  std::vector<ChosenStar> taken;
  void TakeStar(const ChosenStar& star) override { taken.push_back(star); }
};

struct StarWindowTest : ::testing::Test {
  TestContext t;
  TStarForm form{t.ctx};
  Taker taker;

  void WriteFile(const std::vector<StarRecord>& stars, const std::string& tail = {}) {
    t.settings.Write("Mstars.dat", StarFileBytes(stars) + tail);
  }
  QTableWidget* Grid() { return Find<QTableWidget>(&form, "StringGrid1"); }
  void ClickRow(int row) { Grid()->setCurrentCell(row, 0); }
};

const StarRecord kTitle{"Name", "", "", "", "", "", ""};
const StarRecord kSirius = kSiriusRecord;
const StarRecord kLong{"Alpha Centaurii", "14:39:36.50", "-60:50:02.3", "-0.49386", "+0.6996", "252838", "-0.01"};

TEST_F(StarWindowTest, ListsTheFileEachTimeItIsShown) {
  WriteFile({kTitle, kSirius, kLong});
  form.PickStar(StarUse::Values, &taker);
  EXPECT_EQ(Grid()->rowCount(), 3);
  EXPECT_EQ(Text(&form, "lblNumberStars"), "The number of stars in the file: 2");
  EXPECT_EQ(Grid()->item(1, 0)->text().toStdString(), "Sirius");
  EXPECT_EQ(Grid()->item(2, 6)->text().toStdString(), "-0.01");
  EXPECT_TRUE(IsVisible(&form, "btnValues"));
  EXPECT_FALSE(IsVisible(&form, "StarFix"));
  EXPECT_TRUE(t.platform.messages.empty());
  form.hide();
  WriteFile({kTitle, kSirius});
  form.PickStar(StarUse::Fix, &taker);
  EXPECT_EQ(Grid()->rowCount(), 2);
  EXPECT_FALSE(IsVisible(&form, "btnValues"));
  EXPECT_TRUE(IsVisible(&form, "StarFix"));
}

TEST_F(StarWindowTest, ARowFillsTheBoxesCutToTheirLength) {
  WriteFile({kTitle, kSirius, kLong});
  form.PickStar(StarUse::Values, &taker);
  ClickRow(2);
  const char* boxes[] = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7"};
  const char* expected[] = {"Alpha Centaurii", "14:39:36.50", "-60:50:02.3", "-0.49386", "+0.6996", "252838",
                            "-0.0"};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(Text(&form, boxes[i]), expected[i]) << boxes[i];
}

TEST_F(StarWindowTest, TheStarGoesToTheWindowThatAskedForIt) {
  WriteFile({kTitle, kSirius});
  form.PickStar(StarUse::Fix, &taker);
  Click(&form, "StarFix");
  EXPECT_EQ(t.platform.LastMessage(), "A star must be chosen");
  EXPECT_TRUE(taker.taken.empty());
  ClickRow(1);
  Click(&form, "StarFix");
  ASSERT_EQ(taker.taken.size(), 1u);
  EXPECT_EQ(taker.taken[0].name, "Sirius");
  EXPECT_EQ(taker.taken[0].dec, "-16:42:58");
  EXPECT_EQ(taker.taken[0].prpD, "-1.205");
  EXPECT_FALSE(form.isVisible());  // the fix is taken in the other window

  Taker values;
  form.PickStar(StarUse::Values, &values);
  Click(&form, "btnValues");
  EXPECT_EQ(t.platform.LastMessage(), "A star must be chosen");  // the boxes were emptied
  ClickRow(0);
  Click(&form, "btnValues");
  ASSERT_EQ(values.taken.size(), 1u);
  EXPECT_EQ(values.taken[0].name, "Name");
  EXPECT_TRUE(form.isVisible());
}

TEST_F(StarWindowTest, AMissingOrDamagedFileIsReported) {
  form.PickStar(StarUse::Values, &taker);
  EXPECT_EQ(t.platform.LastMessage(), " File " + t.ctx.settingsFolder + "Mstars.dat is missing.");
  EXPECT_EQ(Grid()->rowCount(), 0);
  Click(&form, "btnValues");
  EXPECT_EQ(t.platform.LastMessage(), "A star must be chosen");
  form.hide();
  WriteFile({kTitle, kSirius}, "partial record");
  form.PickStar(StarUse::Values, &taker);
  EXPECT_EQ(t.platform.LastMessage(), " File " + t.ctx.settingsFolder + "Mstars.dat is damaged: 2 stars read.");
  EXPECT_EQ(Grid()->rowCount(), 2);
  ClickRow(1);
  EXPECT_EQ(Text(&form, "Edit1"), "Sirius");
  form.hide();
  WriteFile({});
  form.PickStar(StarUse::Values, &taker);
  EXPECT_EQ(Grid()->rowCount(), 0);
  EXPECT_EQ(Text(&form, "lblNumberStars"), "The number of stars in the file: 0");
}

TEST(StarListLayout, PagesOfTheStarList) {
  const std::vector<StarListLine> lines = StarListLayout(std::vector<bool>(120, true), 100);
  int perPage[3] = {0, 0, 0};
  for (const StarListLine& l : lines) ++perPage[l.page];
  EXPECT_EQ(perPage[0], 47);
  EXPECT_EQ(perPage[1], 48);
  EXPECT_EQ(perPage[2], 25);
  EXPECT_EQ(lines[0].y, 310);
  EXPECT_EQ(lines[46].y, 200 + 47 * 110);
  EXPECT_EQ(lines[47].y, 230);  // a new page starts at 120
  const std::vector<StarListLine> title = StarListLayout({false, true}, 100);
  EXPECT_EQ(title[0].y, 200);  // a row without a right ascension keeps its line
  EXPECT_EQ(title[1].y, 310);
}

TEST_F(StarWindowTest, PrintsTheList) {
  WriteFile({kTitle, kSirius, kLong});
  form.PickStar(StarUse::Values, &taker);
  Click(&form, "PrintStarlist1");
  EXPECT_EQ(t.platform.printCount, 1);
  Click(&form, "PrintForm1");
  EXPECT_EQ(t.platform.printCount, 2);
  t.platform.cancelPrint = true;
  Click(&form, "PrintStarlist1");
  EXPECT_EQ(t.platform.printCount, 2);
}

}  // namespace
}  // namespace veltrane::test
