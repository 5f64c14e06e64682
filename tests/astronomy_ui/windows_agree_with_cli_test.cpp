// The windows and the command-line tool give the same numbers for the same inputs.
#include <gtest/gtest.h>

#include "astronomy_ui/almanac_window.h"
#include "astronomy_ui/body_window.h"
#include "astronomy_ui/fake_observer.h"
#include "astronomy_ui/identify_window.h"
#include "cli/cli_run.h"
#include "foundation/text_file.h"
#include "support/ui_driver.h"

namespace veltrane::test {
namespace {

TEST(WindowsAgreeWithCli, TwilightIdentificationAndAlmanac) {
  TestContext t;
  FakeObserver observer;
  observer.reading.zoneHours = 0.0;  // local time is UT, as the tool writes it
  TPlanetForm body(t.ctx);
  body.SetObserverSource(&observer);
  ASSERT_TRUE(body.ShowBody("SUN"));
  const cli::CliRun tw = cli::Cli({"twilight", "--date", "2026-06-01", "--at", "60.15,24.95"});
  ASSERT_EQ(tw.code, 0) << tw.err;
  EXPECT_NE(tw.out.find("\"civil_begin_utc\": \"" + Text(&body, "edCivilBegin") + "\""), std::string::npos) << tw.out;
  EXPECT_NE(tw.out.find("\"civil_end_utc\": \"" + Text(&body, "edCivilEnd") + "\""), std::string::npos);
  EXPECT_NE(tw.out.find("\"nautical_begin_utc\": null"), std::string::npos);
  EXPECT_EQ(Text(&body, "edNauticalBegin"), "none");

  // The star file the tool finds beside it is the one the window reads.
  const std::optional<std::string> stars = ReadFileBytes(std::string(VELTRANE_TEST_PROGRAM_DIR) + "/Mstars.dat");
  ASSERT_TRUE(stars);
  ASSERT_TRUE(WriteFileAtomically(t.ctx.settingsFolder + "Mstars.dat", *stars));
  TIdentifyForm identify(t.ctx);
  identify.SetObserverSource(&observer);
  observer.At(2026, 1, 15, 22.0);
  Type(&identify, "edHmDeg", "12");
  Type(&identify, "edHmMin", "50.4");
  Type(&identify, "edZn", "188.6");
  SelectCombo(&identify, "cbMg", "6");
  Click(&identify, "btnIdentify");
  const cli::CliRun id = cli::Cli({"identify", "--utc", "2026-01-15T22:00:00", "--at", "60.15,24.95", "--hs", "12.84",
                                   "--azimuth", "188.6", "--catalogue", t.ctx.settingsFolder + "Mstars.dat"});
  ASSERT_EQ(id.code, 0) << id.err;
  EXPECT_NE(id.out.find("\"name\": \"" + Text(&identify, "edName1") + "\""), std::string::npos);
  EXPECT_NEAR(cli::JsonNumber(id.out, "ho_deg") * 60.0,
              std::stod(Text(&identify, "edObsHeight").substr(0, 2)) * 60.0 +
                  std::stod(Text(&identify, "edObsHeight").substr(Text(&identify, "edObsHeight").find(' ') + 1)),
              0.051);

  TAlmanacForm almanac(t.ctx);
  almanac.SetObserverSource(&observer);
  almanac.SetYear(2026, false);
  Click(&almanac, "rbTotal");
  Click(&almanac, "btnCount");
  const std::string path = t.ctx.settingsFolder + "a.csv";
  t.platform.fileAnswers.push_back(path);
  Click(&almanac, "btnSaveCsv");
  const cli::CliRun csv = cli::Cli({"almanac", "--year", "2026", "--format", "csv"});
  ASSERT_EQ(csv.code, 0) << csv.err;
  EXPECT_EQ(ReadTextFile(path).value_or(""), csv.out + "\n");
}

}  // namespace
}  // namespace veltrane::test
