#include "coastal/deviation.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "foundation/text_file.h"
#include "support/temp_folder.h"
#include "support/test_data.h"

namespace veltrane {
namespace {

TEST(DeviationTable, InterpolatesAcrossNorth) {
  const struct { const char* text; int heading, deviation; } cases[] = {
      {"0 2 90 4", 45, 3},
      {"0 2 90 4", 180, 3},  // 90 below and 180 above through north
      {"0 2 90 4", 90, 4},
      {"350 -2 10 2", 0, 0},
      {"350 -2 10 2", 355, -1},
      {"350 -2 10 2", 360, 0},
      {"", 123, 0},
      {"200 5", 17, 5},         // a single entry holds everywhere
      {"0 1\n0 3", 0, 3},       // a heading given twice keeps its last value
      {"360 7 0 1", 360, 7},    // slot 360 serves exactly 360
      {"0 5 90 -5 270 -5", 360, 5},   // but north is north: 360 reads 0 when it has no value
      {"360 5 90 -5 270 -5", 0, 5},
      {"360 5 90 -5 270 -5", 10, 4},  // and interpolation through north finds it
      {"360 5 90 -5 270 -5", 350, 4},
      {"400 9 10 2", 10, 2},    // headings outside the circle are ignored
      {"10 2 20 99999999999 30 -4", 20, -1},  // so are absurd deviations
      {"0 0 90 -2147483648", 90, 0},           // the most negative int has no magnitude
      {"0 0 90 -181 180 180", 90, 90},         // the limits are 180 either way
      {"0 0 90 181 180 -180", 90, -90},
      {"10 2 20 1.5 30 -4", 20, -1},
      {"10 2 20 4 x 30 -4", 30, 4},  // reading stops at text
      {"10 2 20", 20, 2},            // an unpaired last number is dropped
  };
  for (const auto& c : cases)
    EXPECT_EQ(LookupDeviation(ParseDeviationTable(c.text), c.heading), c.deviation) << c.text << " @" << c.heading;
}

TEST(DeviationTable, ManyPairsAndOutOfRangeHeadingsAreSafe) {
  std::string text;
  for (int i = 0; i < 1000; ++i) text += std::to_string(i - 300) + " " + std::to_string(i % 7 - 3) + "\n";
  const DeviationTable table = ParseDeviationTable(text);
  for (int h : {-725, -1, 0, 359, 360, 361, 100000}) EXPECT_LE(std::abs(LookupDeviation(table, h)), 3) << h;
}

TEST(DeviationTable, CompassToMagneticAndBackReturnsTheHeading) {
  const std::string kurssi = ReadTextFile(test::ShippedDataFile("Kurssi.cmp")).value_or("");
  ASSERT_FALSE(kurssi.empty()) << "the example table ships with the program";
  const std::string steep = "0 10 60 -10 120 10 180 -10 240 10 300 -10";
  for (const std::string& text : {kurssi, steep}) {
    const DeviationTable table = ParseDeviationTable(text);
    for (int compass = 0; compass < 360; ++compass) {
      const int magnetic = compass + LookupDeviation(table, compass);
      const int back = magnetic - ReverseLookupDeviation(table, ((magnetic % 360) + 360) % 360);
      EXPECT_LE(std::abs(back - compass), 1) << text.substr(0, 10) << " compass " << compass;
    }
  }
}

TEST(CompassFolder, ListsNonEmptyTablesAndLooksThemUp) {
  const test::TempFolder folder;
  folder.Write("Kurssi.cmp", "0 3 90 -1");
  folder.Write("Empty.cmp", "");
  folder.Write("Notes.txt", "0 5");
  folder.Write("A name that is far too long for the list.cmp", "0 1");
  folder.Write("Ideal.cmp", "0 9");
  const std::vector<std::string> folders = {folder.Path()};
  EXPECT_EQ(CompassNames(folders), std::vector<std::string>{"Kurssi"});
  EXPECT_TRUE(CompassNames({"/no/such/folder/"}).empty());

  const struct { const char* compass; double heading; HeadingKind kind; int deviation; std::string message; } cases[] = {
      {"Kurssi", 45.9, HeadingKind::Compass, 1, ""},   // truncated to 45
      {"Kurssi", 89.5, HeadingKind::Magnetic, -1, ""},  // rounded to 90, which comes from compass 91
      {"Ideal", 45, HeadingKind::Compass, 0, ""},
      {"IDEAL", 45, HeadingKind::Compass, 0, ""},
      {"Empty", 45, HeadingKind::Compass, 0, ""},
      {"Lost", 45, HeadingKind::Compass, 0, "File Lost.cmp not found."},
      {"", 45, HeadingKind::Compass, 0, ""},  // no name: the ideal compass
      {"../Kurssi", 45, HeadingKind::Compass, 0, "File ../Kurssi.cmp not found."},
      {"Kurssi", -10, HeadingKind::Compass, 3, ""},  // same as 350
  };
  for (const auto& c : cases) {
    const CompassTable r = FindCompassTable(folders, c.compass);
    EXPECT_EQ(r.table ? DeviationAtHeading(*r.table, c.heading, c.kind) : 0, c.deviation) << c.compass << " " << c.heading;
    EXPECT_EQ(r.message, c.message) << c.compass;
  }
}

}  // namespace
}  // namespace veltrane
