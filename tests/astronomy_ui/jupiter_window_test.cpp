// The Jupiter window: coordinates, picture places and the inverted view.
#include <gtest/gtest.h>

#include "astronomy_ui/fake_observer.h"
#include "astronomy_ui/jupiter_window.h"
#include "foundation/numbers.h"
#include "support/ui_driver.h"

namespace veltrane::test {
namespace {

TEST(JupiterWindow, InvertedViewMirrorsThePictureWithoutRecomputing) {
  TestContext t;
  FakeObserver observer;
  TJupiterForm form(t.ctx);
  form.SetObserverSource(&observer);
  const double jd0 = observer.reading.instant.jd0;
  form.ShowSatellites(jd0, 12.0);
  const JupiterMoons moons = JupiterSatellites(jd0, 12.0);
  const auto upright = JupiterLabelPlaces(moons, 400, false);
  const auto inverted = JupiterLabelPlaces(moons, 400, true);
  const char* px[] = {"edPx1", "edPx2", "edPx3", "edPx4"};
  const char* py[] = {"edPy1", "edPy2", "edPy3", "edPy4"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(Text(&form, px[i]), std::to_string(upright[i].x));
    EXPECT_EQ(Text(&form, py[i]), std::to_string(upright[i].y));
  }
  const std::string x1 = Text(&form, "edX1");
  Click(&form, "cbTelescope");
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(Text(&form, px[i]), std::to_string(inverted[i].x));
    EXPECT_EQ(Text(&form, py[i]), std::to_string(inverted[i].y));
  }
  EXPECT_EQ(Text(&form, "edX1"), x1);
  EXPECT_EQ(observer.reads, 1);
  const std::string memo = Text(&form, "Memo1");
  EXPECT_EQ(memo.substr(0, 33), "Jos X-koordinaatin itseisarvo >25");
  EXPECT_NE(memo.find("4 = Callisto"), std::string::npos);
  EXPECT_EQ(Text(&form, "Label14"), "Date 2026-06-01  UT 12:00:00");
  // The labels follow the main window when clicked.
  observer.reading.localText = "16:00:00";
  Click(&form, "lbLocal");
  EXPECT_EQ(Text(&form, "lbLocal"), "Local time 16:00:00");
  Click(&form, "Close1");
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace veltrane::test
