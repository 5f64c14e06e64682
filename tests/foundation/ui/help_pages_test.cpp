#include "foundation/ui/help_pages.h"

#include "support/test_data.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace veltrane {
namespace {

std::string HelpFile(const std::string& name) {
  std::ifstream in(test::ShippedDataFile("help/" + name));
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Every window's page is there, has the section it names, and leads back to the contents.
TEST(HelpPages, EachWindowsPageExistsWithItsSectionAndTheWayBack) {
  const char* windows[] = {"NaviForm",       "CrossForm",    "NavDisForm",   "NavBearForm",   "NavTideForm",
                           "NavWindForm",    "NavSailForm",  "NavCourseForm", "GreatForm",    "EdiForm",
                           "StormForm",      "IndicationForm", "PressureForm", "Storm_CenterForm", "PositionForm",
                           "AvoidanceForm",  "AvoidgrafForm", "ConvForm",     "BrellinForm",   "MiravelForm",
                           "PlanetForm",     "IdentifyForm", "AlmanacForm",  "JupiterForm"};
  for (const char* window : windows) {
    const std::string page = HelpPageFor(window);
    ASSERT_NE(page, "index.html") << window;
    const auto hash = page.find('#');
    const std::string html = HelpFile(page.substr(0, hash));
    ASSERT_FALSE(html.empty()) << page;
    EXPECT_NE(html.find("href=\"index.html\""), std::string::npos) << page;
    if (hash != std::string::npos) {
      EXPECT_NE(html.find("name=\"" + page.substr(hash + 1) + "\""), std::string::npos) << page;
    }
  }
  EXPECT_EQ(HelpPageFor("VeltraneForm"), "index.html");
}

}  // namespace
}  // namespace veltrane
