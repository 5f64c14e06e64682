#include "greatcircle/position_file.h"

#include <gtest/gtest.h>

#include "foundation/text_file.h"
#include "greatcircle/file_backup.h"
#include "greatcircle/position_check.h"
#include "support/temp_folder.h"
#include "support/test_data.h"

namespace veltrane {
namespace {

class Folder : public ::testing::Test, protected test::TempFolder {};

TEST(ParsePositionLine, SoundAndUnsoundLines) {
  struct Case {
    const char* line;
    bool sound;
  };
  const Case cases[] = {
      {"Sydney=-33_51.7_S,-151_12.7_E", true},
      {"Sydney=33_51.7_S,151_12.7_E", true},  // signs are the checker's business
      {"North Pole=90_0_N,0__W", true},        // empty minutes read as 0
      {"Sydney", false},
      {"   =33_51.7_S,151_12.7_E", false},
      {"Sydney=33_51.7_S", false},
      {"Sydney=xx_51.7_S,151_12.7_E", false},
      {"Sydney=33_5x_S,151_12.7_E", false},
      {"Sydney=91_0_S,151_12.7_E", false},
      {"Sydney=90_0.5_S,151_12.7_E", false},
      {"Sydney=33_60_S,151_12.7_E", false},
      {"Sydney=33_51.7_S,181_0_E", false},
      {"Sydney=33_51.7_,151_12.7_E", false},
      {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(ParsePositionLine(c.line).has_value(), c.sound) << c.line;
}

TEST(PlaceLookup, NamesKeysAndCase) {
  const std::vector<std::string> lines = {"Lisbon=38_42_N,9_8_W", "broken line", "Cape Town=-33_55_S,-18_25_E",
                                          std::string(5000, 'x') + "=1_0_N,1_0_W"};
  const auto names = PlaceNames(lines);
  ASSERT_EQ(names.size(), 3u);
  EXPECT_EQ(names[1], "Cape Town");
  EXPECT_EQ(PlaceKey("Cape Town, South Africa"), "Cape Town");
  EXPECT_EQ(PlaceKey("  Lisbon  "), "Lisbon");
  const auto p = FindPlace(lines, "CAPE TOWN");
  ASSERT_TRUE(p);
  EXPECT_EQ(p->latDeg, "33");
  EXPECT_FALSE(FindPlace(lines, "Cape").has_value());
  EXPECT_TRUE(HasPlaceName({"Odd=garbage"}, "odd"));
}

TEST(FormatPositionLine, WritesTheCheckersForm) {
  const std::pair<NamedPosition, const char*> cases[] = {
      {{"Sydney", "33", "51.7", false, "151", "", false}, "Sydney=-33_51.7_S,-151_0_E"},
      {{"Sydney", "33", "51.7", true, "151", "", true}, "Sydney=33_51.7_N,151_0_W"},
      {{"Helsinki", "60", "9.7", true, "24", "57.3", false, "-2"}, "Helsinki=60_9.7_N,-24_57.3_E,-2"},
  };
  for (const auto& [place, line] : cases) {
    EXPECT_EQ(FormatPositionLine(place), line);
    const LineCheck check = CheckPositionLine(line);
    EXPECT_TRUE(check.signNotes.empty() && check.rangeMessage.empty()) << line;
  }
}

// Parts written with blanks and the zone read like the underscore form; any letter but N is
// south and any but W is east, whatever its case.
TEST(ParsePositionLine, FieldsLettersBlankFormAndZone) {
  struct Case {
    const char *line, *name, *latDeg, *latMin;
    bool north;
    const char *lonDeg, *lonMin;
    bool west;
    const char* zone;
  };
  const Case cases[] = {
      {" Hobart =-42_53_S,-147_19.5_E,harbour", "Hobart", "42", "53", false, "147", "19.5", false, "harbour"},
      {"X=1_0_q,2_0_z", "X", "1", "0", false, "2", "0", false, ""},
      {"Oslo=59_55_n,-10_45_e", "Oslo", "59", "55", true, "10", "45", false, ""},
      {"Rio=-22_54_s,43_10_w", "Rio", "22", "54", false, "43", "10", true, ""},
      {"Helsinki=60 9.7 N,24 57.3 E,-2", "Helsinki", "60", "9.7", true, "24", "57.3", false, "-2"},
      {"Helsinki=60_9.7_N,-24_57.3_E,-2", "Helsinki", "60", "9.7", true, "24", "57.3", false, "-2"},
      {"Quito= 0  13.0  S , 78 31.0 W ,5 hours", "Quito", "0", "13.0", false, "78", "31.0", true, "5"},
      {"Lima=12_3_S,77_2_W", "Lima", "12", "3", false, "77", "2", true, ""},
      {"Apia=13 50 S,171 45 W,", "Apia", "13", "50", false, "171", "45", true, ""},
      {"Cape Town=-33__54.0_S,-    18_25_E", "Cape Town", "33", "", false, "18", "25", false, ""},
      {"Honolulu=\t21 \t_ 18.0\t _N,157_52  \t_W", "Honolulu", "21", "18.0", true, "157", "52", true, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const auto p = ParsePositionLine(c.line);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->name, c.name);
    EXPECT_EQ(p->latDeg, c.latDeg);
    EXPECT_EQ(p->latMin, c.latMin);
    EXPECT_EQ(p->north, c.north);
    EXPECT_EQ(p->lonDeg, c.lonDeg);
    EXPECT_EQ(p->lonMin, c.lonMin);
    EXPECT_EQ(p->west, c.west);
    EXPECT_EQ(p->zone, c.zone);
  }
  EXPECT_FALSE(ParsePositionLine("Odd=60 9.7,24 57.3 E"));  // no hemisphere letter
}

TEST(IsPlaceName, RefusesWhatWouldBreakTheLine) {
  EXPECT_TRUE(IsPlaceName("Port of Spain"));
  EXPECT_FALSE(IsPlaceName(""));
  EXPECT_FALSE(IsPlaceName("  "));
  EXPECT_FALSE(IsPlaceName("A=B"));
  EXPECT_FALSE(IsPlaceName("Two\nLines"));
  EXPECT_FALSE(IsPlaceName("Cr\r"));
}

TEST_F(Folder, AppendPlaceKeepsOldLinesAndRefusesKnownNames) {
  Write("Position.txt", "Lisbon=38_42_N,9_8_W");  // no line end at the end
  const NamedPosition p{"Hobart", "42", "53", false, "147", "19.5", false};
  EXPECT_EQ(AppendPlace(File("Position.txt"), p), AppendResult::Appended);
  EXPECT_EQ(Read("Position.txt"), "Lisbon=38_42_N,9_8_W\nHobart=-42_53_S,-147_19.5_E\n");
  EXPECT_EQ(AppendPlace(File("Position.txt"), {"LISBON", "1", "0", true, "1", "0", true}), AppendResult::Exists);
  EXPECT_EQ(Read("Position.txt"), "Lisbon=38_42_N,9_8_W\nHobart=-42_53_S,-147_19.5_E\n");
  EXPECT_EQ(AppendPlace(File("New.txt"), p), AppendResult::Appended);
  EXPECT_EQ(Read("New.txt"), "Hobart=-42_53_S,-147_19.5_E\n");
  EXPECT_EQ(AppendPlace(File("no/such/folder.txt"), p), AppendResult::Failed);
  EXPECT_EQ(AppendPlace(File("New.txt"), {"A=B", "1", "0", true, "1", "0", true}), AppendResult::Failed);
  EXPECT_EQ(Read("New.txt"), "Hobart=-42_53_S,-147_19.5_E\n");
}

TEST(CheckPositionLine, FindsAndRepairs) {
  struct Case {
    const char *line, *range, *notes, *repaired;
  };
  const Case cases[] = {
      {"Sydney=33_51.7_S,151_12.7_E", "", "Latitude Name Longitud Name ", "Sydney=-33_51.7_S,-151_12.7_E,"},
      {"Sydney=-33_51.7_S,-151_12.7_E", "", "", ""},
      {"Lisbon=-38_42_N,9_8_W,old", "", "Latitude Name ", "Lisbon=38_42_N,9_8_W,old"},
      {"Lisbon=38_42_N,-9_8_W,a,b", "", "Longitud Name ", "Lisbon=38_42_N,9_8_W,a,b"},
      // Every sign of a northern or western part goes at once.
      {"Lisbon=--38_42_N,9_8_W", " latitudeErroneos Name", "Latitude Name ", "Lisbon=38_42_N,9_8_W,"},
      {"Oslo=59_55_n,10_45_e", "", "Longitud Name ", "Oslo=59_55_n,-10_45_e,"},
      {"Bad=95_0_N,9_60_W", " latitude longitudErroneos Name", "", ""},
      {"Bad=45_0_N,190_0_W", " longitudErroneos Name", "", ""},
      {"No value at all", " latitude longitudErroneos Name", "", ""},
  };
  for (const auto& c : cases) {
    const auto r = CheckPositionLine(c.line);
    EXPECT_EQ(r.rangeMessage, c.range) << c.line;
    EXPECT_EQ(r.signNotes, c.notes) << c.line;
    EXPECT_EQ(r.repaired, c.repaired) << c.line;
  }
}

TEST(BackupName, OnlyTheFileNameCounts) {
  EXPECT_EQ(BackupName("Position.txt"), "Position.~txt");
  EXPECT_EQ(BackupName("/home/a/.config/Veltrane/Position.txt"), "/home/a/.config/Veltrane/Position.~txt");
  EXPECT_EQ(BackupName("/x/Notes.old.ini"), "/x/Notes.~old.ini");
  EXPECT_EQ(BackupName("/x/README"), "/x/README.~");
}

TEST(ShippedPositionFile, IsSoundAndPassesTheChecker) {
  const auto lines = ReadTextLines(test::ShippedDataFile("Position.txt"));
  ASSERT_TRUE(lines);
  EXPECT_EQ(PlaceNames(*lines).size(), lines->size());
  for (const auto& line : *lines) {
    const auto check = CheckPositionLine(line);
    EXPECT_TRUE(check.rangeMessage.empty() && check.signNotes.empty()) << line;
  }
}

}  // namespace
}  // namespace veltrane
