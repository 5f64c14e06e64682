#include "celestial/sight_log.h"

#include <gtest/gtest.h>

#include "foundation/text_file.h"
#include "support/temp_folder.h"

namespace veltrane {
namespace {

const std::string kHeader = std::string(kSightLogHeader) + "\n";

TEST(SightLog, RoundTripKeepsEveryFieldAndAwkwardRemarks) {
  LoggedSight star;
  star.body = NavBody::Star;
  star.star = "Kaus Australis";
  star.utc = ParseUtcText("2026-12-06T05:42:07").value();
  star.hs = 33.123456;
  star.indexError = -1.25;
  star.eyeHeight = 2.4;
  star.pressure = 1013.2;
  star.temperature = -3.5;
  star.remark = "hazy, \"good\" horizon\nsecond line";
  LoggedSight sun;
  sun.body = NavBody::Sun;
  sun.utc = ParseUtcText("2026-12-31T23:59:59").value();
  sun.hs = 5.0;
  sun.limb = Limb::Upper;
  sun.remark = " leading blank";
  const std::string text = SightLogText({star, sun});
  EXPECT_EQ(text.substr(0, kHeader.size()), kHeader);
  const SightLogReading back = ReadSightLog(text);
  ASSERT_TRUE(back.problems.empty()) << back.problems[0];
  ASSERT_EQ(back.sights.size(), 2u);
  const LoggedSight& a = back.sights[0];
  EXPECT_EQ(a.body, NavBody::Star);
  EXPECT_EQ(a.star, "Kaus Australis");
  EXPECT_EQ(UtcText(a.utc), "2026-12-06T05:42:07");
  EXPECT_DOUBLE_EQ(a.hs, 33.123456);
  EXPECT_DOUBLE_EQ(a.indexError, -1.25);
  EXPECT_DOUBLE_EQ(a.eyeHeight, 2.4);
  EXPECT_DOUBLE_EQ(a.pressure, 1013.2);
  EXPECT_DOUBLE_EQ(a.temperature, -3.5);
  EXPECT_EQ(a.limb, Limb::Lower);
  EXPECT_EQ(a.remark, star.remark);
  EXPECT_EQ(back.sights[1].limb, Limb::Upper);
  EXPECT_EQ(back.sights[1].remark, " leading blank");
  EXPECT_EQ(UtcText(back.sights[1].utc), "2026-12-31T23:59:59");
  EXPECT_EQ(SightLogText(back.sights), text);
}

TEST(SightLog, EmptyFieldsTakeTheStandardValues) {
  const SightLogReading r = ReadSightLog(kHeader + "MOON,,2026-01-02T03:04:05,40.5,,,,,,\n");
  ASSERT_EQ(r.sights.size(), 1u) << r.problems[0];
  const LoggedSight& s = r.sights[0];
  EXPECT_EQ(s.body, NavBody::Moon);
  EXPECT_EQ(s.indexError, 0.0);
  EXPECT_EQ(s.eyeHeight, 0.0);
  EXPECT_EQ(s.pressure, 1010.0);
  EXPECT_EQ(s.temperature, 10.0);
  EXPECT_EQ(s.limb, Limb::Lower);
}

TEST(SightLog, EachBadLineIsNamedAndTheRestKept) {
  struct Case {
    std::string row, message;
  };
  const Case cases[] = {
      {"comet,,2026-01-02T03:04:05,40,0,0,1010,10,lower,", "the body must be sun, moon, venus, mars, jupiter, saturn or star"},
      {"star,,2026-01-02T03:04:05,40,0,0,1010,10,lower,", "a star sight needs the star's name"},
      {"sun,Vega,2026-01-02T03:04:05,40,0,0,1010,10,lower,", "only a star sight names a star"},
      {"sun,,2026-02-30T03:04:05,40,0,0,1010,10,lower,", "the time must be UT as YYYY-MM-DDThh:mm:ss"},
      {"sun,,2026-01-02 03:04:05,40,0,0,1010,10,lower,", "the time must be UT as YYYY-MM-DDThh:mm:ss"},
      {"sun,,2026-01-02T24:00:00,40,0,0,1010,10,lower,", "the time must be UT as YYYY-MM-DDThh:mm:ss"},
      {"sun,,2026-01-02T03:04:05,,0,0,1010,10,lower,", "the sextant altitude must be a number from -5 to 90"},
      {"sun,,2026-01-02T03:04:05,90.01,0,0,1010,10,lower,", "the sextant altitude must be a number from -5 to 90"},
      {"sun,,2026-01-02T03:04:05,-5.01,0,0,1010,10,lower,", "the sextant altitude must be a number from -5 to 90"},
      {"sun,,2026-01-02T03:04:05,nan,0,0,1010,10,lower,", "the sextant altitude must be a number from -5 to 90"},
      {"sun,,2026-01-02T03:04:05,40,10.1,0,1010,10,lower,", "the index error must be a number from -10 to 10"},
      {"sun,,2026-01-02T03:04:05,40,0,-0.1,1010,10,lower,", "the height of eye must be a number from 0 to 8900"},
      {"sun,,2026-01-02T03:04:05,40,0,0,949.9,10,lower,", "the pressure must be a number from 950 to 1080"},
      {"sun,,2026-01-02T03:04:05,40,0,0,1080.1,10,lower,", "the pressure must be a number from 950 to 1080"},
      {"sun,,2026-01-02T03:04:05,40,0,0,1010,-70.1,lower,", "the temperature must be a number from -70 to 60"},
      {"sun,,2026-01-02T03:04:05,40,0,0,1010,60.1,lower,", "the temperature must be a number from -70 to 60"},
      {"sun,,2026-01-02T03:04:05,40,0,0,1010,10,middle,", "the limb must be lower or upper"},
      {"sun,,2026-01-02T03:04:05,40,0,0,1010,10,lower", "10 fields expected, 9 found"},
      {"sun,,2026-01-02T03:04:05,40,0,0,1010,10,lower,a,b", "10 fields expected, 11 found"},
  };
  const std::string good = "sun,,2026-01-02T03:04:05,-5,-10,8900,950,-70,upper,limits\n";
  for (const Case& c : cases) {
    const SightLogReading r = ReadSightLog(kHeader + good + c.row + "\n" + good);
    EXPECT_EQ(r.sights.size(), 2u) << c.row;
    ASSERT_EQ(r.problems.size(), 1u) << c.row;
    EXPECT_EQ(r.problems[0], "Line 3: " + c.message) << c.row;
  }
}

TEST(SightLog, DamagedFilesNeverLoseTheGoodLines) {
  // A file cut off inside a quoted remark: the sights before it are kept.
  const SightLogReading cut = ReadSightLog(kHeader + "sun,,2026-01-02T03:04:05,40,0,0,1010,10,lower,ok\n"
                                                     "moon,,2026-01-02T03:05:00,30,0,0,1010,10,upper,\"cut");
  EXPECT_EQ(cut.sights.size(), 1u);
  ASSERT_EQ(cut.problems.size(), 1u);
  EXPECT_EQ(cut.problems[0], "Line 3: a quoted field is not closed");
  // A quoted remark over two lines counts its line from where the sight starts.
  const SightLogReading two = ReadSightLog(kHeader + "sun,,2026-01-02T03:04:05,40,0,0,1010,10,lower,\"a\nb\"\n"
                                                     "sun,,bad,40,0,0,1010,10,lower,\n");
  ASSERT_EQ(two.problems.size(), 1u);
  EXPECT_EQ(two.problems[0], "Line 4: the time must be UT as YYYY-MM-DDThh:mm:ss");
  // Another file's columns are not read as sights.
  const SightLogReading other = ReadSightLog("body,utc,hs\nsun,2026-01-02T03:04:05,40\n");
  EXPECT_TRUE(other.sights.empty());
  ASSERT_EQ(other.problems.size(), 1u);
  EXPECT_EQ(other.problems[0], std::string("Line 1: the columns must be ") + kSightLogHeader);
  // Blank lines, Windows line ends and a file without its header.
  const SightLogReading loose = ReadSightLog("\r\nsun,,2026-01-02T03:04:05,40,0,0,1010,10,lower,\r\n\r\n");
  EXPECT_EQ(loose.sights.size(), 1u);
  EXPECT_TRUE(loose.problems.empty());
  EXPECT_TRUE(ReadSightLog("").sights.empty());
  EXPECT_TRUE(ReadSightLog("").problems.empty());
  EXPECT_EQ(ReadSightLog(std::string("\0\xff,\"", 4)).sights.size(), 0u);
}

TEST(SightLog, FilesMissingAndSaved) {
  const test::TempFolder folder;
  const std::string path = folder.File(kSightLogFileName);
  const SightLogReading none = LoadSightLog(path);
  EXPECT_TRUE(none.sights.empty());
  EXPECT_TRUE(none.problems.empty());
  LoggedSight s;
  s.utc = ParseUtcText("2026-06-01T12:00:00").value();
  s.hs = 60.0;
  ASSERT_TRUE(SaveSightLog(path, {s, s}));
  EXPECT_EQ(LoadSightLog(path).sights.size(), 2u);
  EXPECT_EQ(*ReadTextFile(path), SightLogText({s, s}));
  EXPECT_EQ(LoadSightLog(folder.Path()).problems.size(), 1u);  // a folder is no log
}

TEST(SightLog, UtcTexts) {
  struct Case {
    const char* text;
    bool ok;
    double ut;
  };
  const Case cases[] = {{"2024-02-29T00:00:00", true, 0.0},    {"2023-02-29T00:00:00", false, 0},
                        {"2026-12-06T23:59:59", true, 23.99972222222222}, {"2026-12-06T12:60:00", false, 0},
                        {"2026-12-06T12:00:60", false, 0},     {"2026-12-06T12:00", false, 0},
                        {"2026-12-06t12:00:00", false, 0},     {"+026-12-06T12:00:00", false, 0},
                        {"2026-12-06T12:00:00Z", false, 0}};
  for (const Case& c : cases) {
    const std::optional<SightInstant> t = ParseUtcText(c.text);
    ASSERT_EQ(t.has_value(), c.ok) << c.text;
    if (!t) continue;
    EXPECT_NEAR(t->ut, c.ut, 1e-12) << c.text;
    EXPECT_EQ(UtcText(*t), c.text);
  }
}

}  // namespace
}  // namespace veltrane
