#include "update/ui/about_box.h"

#include <gtest/gtest.h>

#include "support/ui_driver.h"
#include "update/version.h"

namespace veltrane {
namespace {

using namespace veltrane::test;

TEST(AboutBox, ShowsTheRunningVersionAndOpensTheMakersAddresses) {
  TestContext t;
  TAboutBox box(t.ctx);
  EXPECT_EQ(Text(&box, "Version"), "Version: " + VersionString(ThisVersion()));
  Click(&box, "lbMail");
  Click(&box, "lbWeb");
  ASSERT_EQ(t.platform.openedUrls.size(), 2u);
  EXPECT_EQ(t.platform.openedUrls[0], "mailto:" + Text(&box, "lbMail"));
  EXPECT_EQ(t.platform.openedUrls[1], Text(&box, "lbWeb"));
  EXPECT_EQ(t.platform.openedUrls[1].rfind("https://", 0), 0u);
}

}  // namespace
}  // namespace veltrane
