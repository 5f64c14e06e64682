// The body window as a user sees it after a body button or "Star Values".
#include <QApplication>
#include <gtest/gtest.h>

#include "astro/body_summary.h"
#include "astronomy_ui/body_window.h"
#include "astronomy_ui/fake_observer.h"
#include "astronomy_ui/jupiter_window.h"
#include "astronomy_ui/sky_texts.h"
#include "foundation/formats.h"
#include "foundation/numbers.h"
#include "support/ui_driver.h"

namespace veltrane::test {
namespace {

struct BodyWindow : ::testing::Test {
  TestContext t;
  FakeObserver observer;
  TPlanetForm form{t.ctx};
  TJupiterForm jupiter{t.ctx};
  void SetUp() override {
    form.SetObserverSource(&observer);
    form.SetJupiterWindow(&jupiter);
    jupiter.SetObserverSource(&observer);
  }
};

TEST_F(BodyWindow, EveryBodyShowsItsFiguresInLocalTime) {
  for (const char* label : {"SUN", "MOON", "MERCURY", "VENUS", "MARS", "JUPITER", "SATURN", "URANUS", "NEPTUNE"}) {
    SCOPED_TRACE(label);
    ASSERT_TRUE(form.ShowBody(label));
    EXPECT_TRUE(form.isVisible());
    for (const char* field : {"edJulianDay", "edDeltaT", "edRA", "edDec", "edGHA", "edLHA", "edAltitude",
                              "edAltRefraction", "edAzimuth", "edDistance", "edTransit"})
      EXPECT_FALSE(Text(&form, field).empty()) << field;
    EXPECT_EQ(Text(&form, "edJulianDay"), "2461193.00000");
    EXPECT_FALSE(Text(&form, "Memo1").empty());
    EXPECT_EQ(IsVisible(&form, "btnSatellit"), std::string(label) == "JUPITER");
    EXPECT_EQ(IsVisible(&form, "PaintBox1"), std::string(label) == "MOON");
  }
  EXPECT_FALSE(form.ShowBody("PLUTO"));
}

TEST_F(BodyWindow, SunFiguresAreTheEnginesInLocalTime) {
  ASSERT_TRUE(form.ShowBody("SUN"));
  const BodySummary s = SummarizeBody(SkyBody{}, observer.reading.observer, observer.reading.instant, -3.0);
  EXPECT_EQ(Text(&form, "lbBody"), "Sun");
  EXPECT_EQ(Text(&form, "edAltitude"), SignedDegMin(s.altitude));
  EXPECT_EQ(Text(&form, "edAzimuth"), FmtDegMinAbs(s.azimuth));
  EXPECT_EQ(Text(&form, "edDeltaT"), Str(observer.reading.instant.deltaT, 1));
  EXPECT_EQ(Text(&form, "edMagnitude"), "-26.7");
  // Sunrise 01:08 UT is 04:08 local; transit 10:18 UT is 13:18 local.
  EXPECT_EQ(Text(&form, "Edit4"), LocalClock(24.0 * s.riseTransitSet.rise, -3.0));
  EXPECT_EQ(Text(&form, "Edit4").substr(0, 2), "04");
  EXPECT_EQ(Text(&form, "edTransit"), "13:18");
  // June at 60 N: civil twilight happens, the darker ones never.
  EXPECT_FALSE(Text(&form, "edCivilBegin").empty());
  EXPECT_NE(Text(&form, "edCivilBegin"), "none");
  EXPECT_EQ(Text(&form, "edNauticalBegin"), "none");
  EXPECT_EQ(Text(&form, "edAstroEnd"), "none");
  EXPECT_EQ(Text(&form, "lblPhase"), "");
}

TEST_F(BodyWindow, MoonPhaseInOneClick) {
  ASSERT_TRUE(form.ShowBody("MOON"));
  EXPECT_EQ(Text(&form, "lblPhase"), "98.9%");
  EXPECT_FALSE(Text(&form, "lbFas").empty());
  EXPECT_NE(Text(&form, "edDistance").find(" km"), std::string::npos);
  EXPECT_EQ(observer.reads, 1);
}

TEST_F(BodyWindow, AlwaysAndNeverAndStarValues) {
  observer.reading.observer.latitude = 75.0;
  // Sirius from 75 N never rises.
  ASSERT_TRUE(form.ShowStar("Sirius", "06:45:08.9", "-16:42:58", "-0.0385", "-1.205", "-1.46"));
  EXPECT_EQ(Text(&form, "lbBody"), "Sirius");
  EXPECT_EQ(Text(&form, "Edit4"), "Never");
  EXPECT_EQ(Text(&form, "edSetting"), "");
  EXPECT_EQ(Text(&form, "edMagnitude"), "-1.5");
  // Capella never sets.
  ASSERT_TRUE(form.ShowStar("Capella", "05:16:41.4", "+45:59:53", "+0.0073", "-0.425", "0.08"));
  EXPECT_EQ(Text(&form, "Edit4"), "Always");
}

TEST_F(BodyWindow, AFieldTheMainWindowRefusesLeavesTheResultsAlone) {
  ASSERT_TRUE(form.ShowBody("SUN"));
  const std::string before = Text(&form, "edAltitude");
  observer.ok = false;
  EXPECT_FALSE(form.ShowBody("MARS"));
  EXPECT_EQ(Text(&form, "edAltitude"), before);
  EXPECT_EQ(Text(&form, "lbBody"), "Sun");
}

TEST_F(BodyWindow, SatellitesOfJupiterAtTheSameInstant) {
  ASSERT_TRUE(form.ShowBody("JUPITER"));
  Click(&form, "btnSatellit");
  EXPECT_TRUE(jupiter.isVisible());
  const JupiterMoons moons = JupiterSatellites(observer.reading.instant.jd0, 12.0);
  EXPECT_EQ(Text(&jupiter, "edX4"), Str(RoundToScale(moons[3].x, 100.0), 2));
  EXPECT_EQ(Text(&jupiter, "edY1"), Str(RoundToScale(moons[0].y, 100.0), 2));
  EXPECT_EQ(Text(&jupiter, "lbWeekday"), "Monday");
  EXPECT_EQ(Text(&jupiter, "lbLocal"), "Local time 15:00:00");
}

}  // namespace
}  // namespace veltrane::test
