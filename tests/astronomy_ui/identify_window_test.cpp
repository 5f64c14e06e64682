// The identification window driven as a user would: a measured star is named first.
#include <gtest/gtest.h>

#include "astro/body_summary.h"
#include "astronomy_ui/fake_observer.h"
#include "astronomy_ui/identify_window.h"
#include "coastal/distance_off.h"
#include "foundation/numbers.h"
#include "foundation/position_text.h"
#include "support/star_file.h"
#include "support/ui_driver.h"

namespace veltrane::test {
namespace {

const std::vector<StarRecord> kStars = {
    {"Aldebaran", "04:35:55.2", "+16:30:33", "+0.0044", "-0.190", "94027", "0.85"},
    {"Rigel", "05:14:32.3", "-08:12:06", "+0.0000", "-0.001", "131907", "0.12"},
    {"Capella", "05:16:41.4", "+45:59:53", "+0.0073", "-0.425", "40186", "0.08"},
    {"Betelgeuse", "05:55:10.3", "+07:24:25", "+0.0017", "+0.009", "113271", "0.50"},
    kSiriusRecord,
};

struct IdentifyWindow : ::testing::Test {
  TestContext t;
  FakeObserver observer;
  TIdentifyForm form{t.ctx};
  void SetUp() override {
    form.SetObserverSource(&observer);
    observer.At(2026, 1, 15, 22.0);
    observer.reading.observer.height = 4.0;
    t.settings.Write("Mstars.dat", StarFileBytes(kStars));
  }
  // Types the height and bearing at which the star stands, as the sextant would read them.
  void Measure(const StarRecord& star) {
    SkyBody body;
    body.kind = BodyKind::Star;
    body.star = StarCatalogueDataOf(star);
    const BodySummary s = SummarizeBody(body, observer.reading.observer, observer.reading.instant, 0.0);
    const double hs = s.refractedAltitude + DipDeg(4.0 * kFeetPerMetre);
    const AngleText hm = AngleTextOf(hs);
    Type(&form, "edHmDeg", hm.deg);
    Type(&form, "edHmMin", hm.min);
    Type(&form, "edZn", std::to_string(static_cast<int>(s.azimuth + 0.5)));
  }
};

TEST_F(IdentifyWindow, TheMeasuredStarComesFirst) {
  for (const char* name : {"Sirius", "Capella", "Betelgeuse"}) {
    SCOPED_TRACE(name);
    const StarRecord* star = FindStar(kStars, name);
    Measure(*star);
    Click(&form, "btnIdentify");
    EXPECT_EQ(Text(&form, "edName1"), name);
    EXPECT_FALSE(Text(&form, "edName2").empty());
    EXPECT_NE(Text(&form, "edName2"), name);
    EXPECT_FALSE(Text(&form, "edObsHeight").empty());
    EXPECT_FALSE(Text(&form, "edLHA").empty());
    EXPECT_EQ(Text(&form, "edMag1"), Str(std::stod(star->vmagn), 2));
  }
  EXPECT_TRUE(t.platform.messages.empty());
}

TEST_F(IdentifyWindow, MissingStarFileStillSearchesThePlanets) {
  std::remove((t.ctx.settingsFolder + "Mstars.dat").c_str());
  Measure(kStars[4]);
  Click(&form, "btnIdentify");
  ASSERT_EQ(t.platform.messages.size(), 1u);
  EXPECT_EQ(t.platform.LastMessage(), " File " + t.ctx.settingsFolder + "Mstars.dat is missing.");
  EXPECT_NE(Text(&form, "edName1").find("(planet)"), std::string::npos);
  EXPECT_NE(Text(&form, "edName2").find("(planet)"), std::string::npos);
}

TEST_F(IdentifyWindow, EntryChecksAndMissingFields) {
  ExpectEntryLimits(&form, t.platform, {{"edHmDeg", "90", "95", "0 .. 90"}, {"edZn", "360", "360.1", "0.0 .. 360.0"}});
  Type(&form, "edHmDeg", "");
  Type(&form, "edZn", "");
  Click(&form, "btnIdentify");
  EXPECT_EQ(t.platform.LastMessage(), "Give the measured height in degrees and minutes and the azimuth in degrees");
  EXPECT_EQ(Text(&form, "edName1"), "");
  EXPECT_EQ(observer.reads, 0);
  // A bearing of 360 is north, as good as 0.
  Type(&form, "edHmDeg", "30");
  Type(&form, "edZn", "360");
  t.platform.Clear();
  Click(&form, "btnIdentify");
  EXPECT_TRUE(t.platform.messages.empty()) << t.platform.LastMessage();
  EXPECT_FALSE(Text(&form, "edName1").empty());
}

}  // namespace
}  // namespace veltrane::test
