#include "greatcircle/ui/great_circle_window.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <gtest/gtest.h>

#include "support/ui_driver.h"

namespace veltrane {
namespace {

using namespace veltrane::test;

constexpr const char* kWholeDegrees = "Use whole number degrees, minutes allowed with decimals";

std::string Cell(QObject* form, int row, int column) {
  const QTableWidgetItem* item = Find<QTableWidget>(form, "StringGrid1")->item(row, column);
  return item ? item->text().toStdString() : std::string();
}

int FilledRows(QObject* form) {
  auto* grid = Find<QTableWidget>(form, "StringGrid1");
  int n = 0;
  while (n < grid->rowCount() && grid->item(n, 0)) ++n;
  return n;
}

void TypePoint(QObject* form, int firstEdit, const char* latDeg, const char* latMin, const char* lonDeg,
               const char* lonMin) {
  const char* values[] = {latDeg, latMin, lonDeg, lonMin};
  for (int i = 0; i < 4; ++i) Type(form, ("Edit" + std::to_string(firstEdit + i)).c_str(), values[i]);
}

// No field of the window may ever show a number that is not one.
void ExpectNoNan(QObject* form) {
  for (auto* e : form->findChildren<QLineEdit*>()) {
    const std::string text = e->text().toStdString();
    EXPECT_EQ(text.find("nan"), std::string::npos) << e->objectName().toStdString();
    EXPECT_EQ(text.find("inf"), std::string::npos) << e->objectName().toStdString();
  }
}

struct GreatWindow : ::testing::Test {
  TestContext t;
  std::unique_ptr<TGreatForm> form;
  void Open() {
    form = std::make_unique<TGreatForm>(t.ctx);
    form->show();
  }
};

TEST_F(GreatWindow, DemoGivesTheKnownRoute) {
  Open();
  t.platform.Clear();
  EXPECT_EQ(form->windowTitle().toStdString(), "Great Circle Count ");
  EXPECT_FALSE(IsVisible(form.get(), "Panel2"));
  EXPECT_FALSE(IsVisible(form.get(), "CountRoute"));
  Click(form.get(), "Demo1");
  EXPECT_EQ(Text(form.get(), "cbxEnd"), "Sydney");
  EXPECT_TRUE(IsChecked(form.get(), "RadioButton6"));
  EXPECT_TRUE(IsChecked(form.get(), "RadioButton8"));
  EXPECT_FALSE(IsVisible(form.get(), "Panel2"));
  EXPECT_FALSE(IsVisible(form.get(), "Edit21"));

  Click(form.get(), "Ok");
  EXPECT_TRUE(IsVisible(form.get(), "Panel2"));
  EXPECT_EQ(Text(form.get(), "Edit20"), "6");
  EXPECT_EQ(Text(form.get(), "Edit21"), "West");
  EXPECT_EQ(Text(form.get(), "Edit9"), "71.7°");
  EXPECT_EQ(Text(form.get(), "Edit12"), "240.3°");
  EXPECT_EQ(Text(form.get(), "Edit13"), "6445.2  NM");
  EXPECT_EQ(Text(form.get(), "Edit14"), "11936.555  km");
  EXPECT_EQ(Text(form.get(), "Edit18"), "46° 39.5'  N");
  EXPECT_EQ(Text(form.get(), "Edit19"), "79° 30.0'  W");
  EXPECT_EQ(Text(form.get(), "edAngle"), "119.7");
  EXPECT_FALSE(Text(form.get(), "Edit15").empty());
  EXPECT_FALSE(IsVisible(form.get(), "StringGrid1"));

  Click(form.get(), "CountRoute");
  EXPECT_TRUE(IsVisible(form.get(), "StringGrid1"));
  EXPECT_EQ(FilledRows(form.get()), 16);
  EXPECT_EQ(Cell(form.get(), 0, 0), "37° 47.5'  N");
  EXPECT_EQ(Cell(form.get(), 0, 1), "122° 27.8'  W");
  EXPECT_EQ(Cell(form.get(), 0, 2), "240.3°");
  EXPECT_EQ(Cell(form.get(), 15, 0), "33° 51.7'  S");
  EXPECT_EQ(Cell(form.get(), 15, 1), "151° 12.7'  E");
  EXPECT_EQ(Cell(form.get(), 15, 3), "");
  EXPECT_EQ(Cell(form.get(), 14, 4), "6447.0  NM");
  EXPECT_EQ(Cell(form.get(), 10, 1), "177° 32.2'  E");  // past the date line the longitudes read east
  EXPECT_EQ(Text(form.get(), "Edit23"), "6447.0  NM");
  EXPECT_EQ(Text(form.get(), "Edit26"), "11931.333 km");
  EXPECT_EQ(Text(form.get(), "edWgs84"), "11931.395 km");
  EXPECT_TRUE(t.platform.messages.empty()) << t.platform.LastMessage();
  ExpectNoNan(form.get());
}

TEST_F(GreatWindow, EastwardRouteTable) {
  Open();
  TypePoint(form.get(), 1, "40", "42", "74", "0");
  TypePoint(form.get(), 5, "38", "42", "9", "6");
  Type(form.get(), "Edit20", "10");
  Click(form.get(), "Ok");
  EXPECT_EQ(Text(form.get(), "Edit21"), "East");
  // The vertex of the route itself, in mid-Atlantic, not its mirror in the Pacific.
  EXPECT_EQ(Text(form.get(), "Edit18"), "44° 35.5'  N");
  EXPECT_EQ(Text(form.get(), "Edit19"), "44° 44.8'  W");
  Click(form.get(), "CountRoute");
  const char* lats[] = {"40° 42.0'  N", "42° 56.7'  N", "44° 13.0'  N", "44° 35.4'  N",
                        "44° 05.1'  N", "42° 40.5'  N", "40° 16.5'  N", "38° 42.0'  N"};
  ASSERT_EQ(FilledRows(form.get()), 8);
  for (int r = 0; r < 8; ++r) EXPECT_EQ(Cell(form.get(), r, 0), lats[r]) << "row " << r;
  EXPECT_EQ(Cell(form.get(), 6, 1), "14° 0.00'  W");
  EXPECT_EQ(Cell(form.get(), 7, 1), "9° 06.0'  W");

  // The route point at 34° W lies on the table's row for 34° W.
  Type(form.get(), "Edit22", "34");
  Click(form.get(), "CountLatitude1");
  EXPECT_EQ(Text(form.get(), "Edit24"), "0.0");
  EXPECT_EQ(Text(form.get(), "Edit25"), lats[4]);
  Type(form.get(), {{"Edit22", ""}, {"Edit24", ""}});
  Click(form.get(), "CountLatitude1");
  EXPECT_EQ(t.platform.LastMessage(), "Use integer degrees, minutes allowed with decimals");
}

TEST_F(GreatWindow, SailingDirectionOnOneMeridian) {
  Open();
  struct Case {
    const char *fromLat, *toLat, *direction;
  };
  for (const Case& c : {Case{"10", "30", "North"}, Case{"30", "10", "South"}}) {
    TypePoint(form.get(), 1, c.fromLat, "", "20", "");
    TypePoint(form.get(), 5, c.toLat, "", "20", "");
    Click(form.get(), "Ok");
    EXPECT_EQ(Text(form.get(), "Edit21"), c.direction);
    Click(form.get(), "CountRoute");
    EXPECT_EQ(FilledRows(form.get()), 2);
    EXPECT_EQ(Text(form.get(), "Edit23"), "1200.0  NM");
  }
  Type(form.get(), "Edit22", "40");
  Click(form.get(), "CountLatitude1");
  EXPECT_EQ(t.platform.LastMessage(), "The route follows a meridian");
  EXPECT_EQ(Text(form.get(), "Edit25"), "");
}

TEST_F(GreatWindow, MissingPositionFileAndMissingOrBadDegrees) {
  Open();
  EXPECT_EQ(t.platform.messages, std::vector<std::string>{"File Not Found " + t.settings.File("Position.txt")});
  auto* start = Find<QComboBox>(form.get(), "cbxStart");
  start->setEditText("Sydney");
  emit start->lineEdit()->returnPressed();
  EXPECT_EQ(t.platform.LastMessage(), " File missing or cannot be opened ");

  t.platform.Clear();
  TypePoint(form.get(), 1, "37", "47.5", "122", "27.8");
  TypePoint(form.get(), 5, "", "51.7", "151", "12.7");
  Click(form.get(), "Ok");
  EXPECT_EQ(t.platform.messages, std::vector<std::string>{kWholeDegrees});
  EXPECT_FALSE(IsVisible(form.get(), "Panel2"));
  EXPECT_EQ(Text(form.get(), "Edit6"), "51.7");  // what was typed stays

  t.platform.Clear();
  Type(form.get(), "Edit5", "x");
  EXPECT_EQ(t.platform.messages, std::vector<std::string>{"0 .. 90"});
  EXPECT_EQ(SelectedText(form.get(), "Edit5"), "x");
  Click(form.get(), "Ok");
  EXPECT_EQ(t.platform.LastMessage(), kWholeDegrees);
  EXPECT_FALSE(IsVisible(form.get(), "Panel2"));
}

TEST_F(GreatWindow, UnsolvableRoutesSayJakajanaNolla) {
  Open();
  struct Case {
    const char *lat1, *lon1, *lat2, *lon2;
    bool south2, east2;
    const char* distance;
  };
  const Case cases[] = {
      {"12", "30", "12", "150", true, true, "10800.0  NM"},  // antipodes
      {"90", "0", "10", "45", false, false, "4800.0  NM"},   // from the pole
      {"12", "30", "12", "30", false, false, "0.0  NM"},     // same point
  };
  for (const auto& c : cases) {
    t.platform.Clear();
    TypePoint(form.get(), 1, c.lat1, "", c.lon1, "");
    TypePoint(form.get(), 5, c.lat2, "", c.lon2, "");
    Click(form.get(), c.south2 ? "RadioButton6" : "RadioButton5");
    Click(form.get(), c.east2 ? "RadioButton8" : "RadioButton7");
    Click(form.get(), "Ok");
    EXPECT_EQ(t.platform.messages, std::vector<std::string>{"Jakajana nolla."}) << c.lat1;
    EXPECT_EQ(Text(form.get(), "Edit13"), c.distance);
    EXPECT_EQ(Text(form.get(), "Edit12"), "");
    EXPECT_EQ(Text(form.get(), "Edit18"), "");
    EXPECT_FALSE(IsVisible(form.get(), "CountRoute"));
    ExpectNoNan(form.get());
  }
  // The same point has no rhumb line course either.
  EXPECT_EQ(Text(form.get(), "Edit15"), "");
  EXPECT_EQ(Text(form.get(), "Edit16"), "0.0  NM");
}

TEST_F(GreatWindow, EquatorRouteHasNoVertex) {
  Open();
  t.platform.Clear();
  TypePoint(form.get(), 1, "0", "", "10", "");
  TypePoint(form.get(), 5, "0", "", "30", "");
  Click(form.get(), "Ok");
  EXPECT_EQ(Text(form.get(), "Edit18"), "None");
  EXPECT_EQ(Text(form.get(), "Edit19"), "Route along the equator");
  EXPECT_EQ(Text(form.get(), "Edit12"), "270.0°");
  Click(form.get(), "CountRoute");
  EXPECT_EQ(Text(form.get(), "Edit23"), "1200.0  NM");
  EXPECT_TRUE(t.platform.messages.empty()) << t.platform.LastMessage();
  ExpectNoNan(form.get());
}

TEST_F(GreatWindow, StepRules) {
  Open();
  Click(form.get(), "Demo1");
  Type(form.get(), "Edit20", "-5");
  Click(form.get(), "Ok");
  EXPECT_EQ(Text(form.get(), "Edit20"), "6");

  for (const char* bad : {"0", "-1", "2.5"}) {
    t.platform.Clear();
    Type(form.get(), "Edit20", bad);
    Click(form.get(), "CountRoute");
    EXPECT_EQ(t.platform.LastMessage(), "Integer degrees between 3 and 12") << bad;
  }
  // A small step across a wide ocean grows the table instead of dropping rows.
  Type(form.get(), "Edit20", "1");
  Click(form.get(), "CountRoute");
  EXPECT_EQ(FilledRows(form.get()), 88);
  EXPECT_EQ(Cell(form.get(), 87, 0), "33° 51.7'  S");

  // "Arc" across the equator falls back to longitude steps.
  t.platform.Clear();
  Type(form.get(), "Edit20", "6");
  Click(form.get(), "rbArc");
  Click(form.get(), "CountRoute");
  EXPECT_EQ(t.platform.messages, std::vector<std::string>{" Arc count not possible, if the equator is crossed"});
  EXPECT_TRUE(IsChecked(form.get(), "rbLongitude"));
  EXPECT_EQ(FilledRows(form.get()), 16);
}

TEST_F(GreatWindow, InitClearsEverythingAndShrinksBack) {
  Open();
  QApplication::processEvents();
  const int heightAtStart = form->height();
  Click(form.get(), "Demo1");
  Click(form.get(), "Ok");
  Click(form.get(), "CountRoute");
  Click(form.get(), "btnInit1");
  for (const char* name : {"Edit1", "Edit4", "Edit8", "Edit12", "Edit18", "Edit20", "Edit23", "cbxStart"})
    EXPECT_EQ(Text(form.get(), name), "") << name;
  EXPECT_EQ(FilledRows(form.get()), 0);
  EXPECT_FALSE(IsVisible(form.get(), "Panel2"));
  QApplication::processEvents();
  EXPECT_EQ(form->height(), heightAtStart);
}

TEST_F(GreatWindow, EnterCountsAndTypedPointsComeBack) {
  Open();
  TypePoint(form.get(), 1, "60", "9.7", "24", "57.3");
  TypePoint(form.get(), 5, "59", "20", "18", "3");
  PressKey(form.get(), "Edit8", Qt::Key_Return);
  EXPECT_FALSE(Text(form.get(), "Edit18").empty());
  form->close();
  TGreatForm next(t.ctx);
  EXPECT_EQ(Text(&next, "Edit2"), "9.7");
  EXPECT_EQ(Text(&next, "Edit7"), "18");
}

TEST_F(GreatWindow, PlaceNamesFromTheFile) {
  t.settings.Write("Position.txt",
                  "Sydney=-33_51.7_S,-151_12.7_E\n"
                  "no equals sign here\n"
                  "   =1_0_N,1_0_W\n"
                  "Bad=xx_0_N,1_0_W\n"
                  "Lisbon=38_42_N,9_8_W\n"
                  "Portland, Maine=43_39_N,70_15_W\n");
  Open();
  EXPECT_TRUE(t.platform.messages.empty()) << t.platform.LastMessage();
  auto* start = Find<QComboBox>(form.get(), "cbxStart");
  ASSERT_EQ(start->count(), 3);
  EXPECT_EQ(Find<QComboBox>(form.get(), "cbxEnd")->itemText(1).toStdString(), "Lisbon");

  SelectCombo(form.get(), "cbxStart", "Lisbon");
  EXPECT_EQ(Text(form.get(), "Edit1"), "38");
  EXPECT_EQ(Text(form.get(), "Edit3"), "9");
  EXPECT_EQ(Text(form.get(), "Edit4"), "8");
  EXPECT_TRUE(IsChecked(form.get(), "RadioButton1"));
  EXPECT_TRUE(IsChecked(form.get(), "RadioButton3"));

  // A name chosen from the list is found whole, even with a comma in it.
  SelectCombo(form.get(), "cbxStart", "Portland, Maine");
  EXPECT_EQ(Text(form.get(), "Edit1"), "43");
  EXPECT_EQ(Text(form.get(), "Edit3"), "70");

  // A typed name is looked up by what comes before its first comma.
  auto* end = Find<QComboBox>(form.get(), "cbxEnd");
  end->setEditText("sydney, NSW");
  emit end->lineEdit()->returnPressed();
  EXPECT_EQ(Text(form.get(), "Edit5"), "33");
  EXPECT_EQ(Text(form.get(), "Edit6"), "51.7");
  EXPECT_TRUE(IsChecked(form.get(), "RadioButton6"));
  EXPECT_TRUE(IsChecked(form.get(), "RadioButton8"));
  EXPECT_TRUE(t.platform.messages.empty()) << t.platform.LastMessage();
}

TEST_F(GreatWindow, SavingPlaces) {
  t.settings.Write("Position.txt", "Lisbon=38_42_N,9_8_W");
  Open();
  Click(form.get(), "Demo1");
  Click(form.get(), "BitBtn1");
  EXPECT_EQ(t.platform.LastMessage(), "Position Saved to File");
  Click(form.get(), "BitBtn2");
  EXPECT_EQ(t.settings.Read("Position.txt"),
            "Lisbon=38_42_N,9_8_W\nSan Francisco=37_47.5_N,122_27.8_W\nSydney=-33_51.7_S,-151_12.7_E\n");
  EXPECT_EQ(Find<QComboBox>(form.get(), "cbxStart")->count(), 3);

  // A name already in the file changes nothing and says nothing.
  const std::string saved = t.settings.Read("Position.txt");
  t.platform.Clear();
  Click(form.get(), "BitBtn2");
  EXPECT_TRUE(t.platform.messages.empty());
  EXPECT_EQ(t.settings.Read("Position.txt"), saved);

  Type(form.get(), "Edit5", "");
  Click(form.get(), "BitBtn2");
  EXPECT_EQ(t.platform.LastMessage(), "Position Missing");
  Type(form.get(), "Edit5", "33");
  Find<QComboBox>(form.get(), "cbxEnd")->setEditText("  ");
  Click(form.get(), "BitBtn2");
  EXPECT_EQ(t.platform.LastMessage(), "Name Missing");
}

TEST_F(GreatWindow, PrintsTheReport) {
  Open();
  t.platform.printFile = t.program.File("great.pdf");
  Click(form.get(), "Demo1");
  Click(form.get(), "Ok");
  Click(form.get(), "CountRoute");
  Click(form.get(), "Print");
  EXPECT_EQ(t.platform.printCount, 1);
  EXPECT_GT(t.program.Read("great.pdf").size(), 1000u);
  t.platform.cancelPrint = true;
  Click(form.get(), "Print");
  EXPECT_EQ(t.platform.printCount, 1);
}

}  // namespace
}  // namespace veltrane
