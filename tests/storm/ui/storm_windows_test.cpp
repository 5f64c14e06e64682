#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "storm/ui/avoidance_window.h"
#include "storm/ui/indications_window.h"
#include "storm/ui/storm_centre_window.h"
#include "storm/ui/storm_window.h"
#include "storm/ui/storm_position_window.h"
#include "storm/ui/pressure_window.h"
#include "support/ui_driver.h"

namespace veltrane {
namespace {

using namespace veltrane::test;
using ::testing::ElementsAre;

TEST(StormWindow, ButtonsShowTheirWindows) {
  TestContext t;
  TStormForm storm(t.ctx);
  // Buttons whose window was not given do nothing.
  Click(&storm, "PressureBitBtn");
  TIndicationsForm indications(t.ctx);
  TPressureForm pressure(t.ctx);
  TStorm_CenterForm centre(t.ctx);
  TAvoidanceForm avoid(t.ctx);
  storm.SetTools({&indications, &pressure, &centre, &avoid});
  const std::pair<const char*, QWidget*> cases[] = {{"IndicationBitBtn", &indications},
                                                    {"PressureBitBtn", &pressure},
                                                    {"StormcenterBitBtn", &centre},
                                                    {"AvoidanceBitBtn", &avoid}};
  for (const auto& [button, window] : cases) {
    EXPECT_FALSE(window->isVisible()) << button;
    Click(&storm, button);
    EXPECT_TRUE(window->isVisible()) << button;
  }
  EXPECT_EQ(storm.windowTitle().toStdString(), "Storm");
}

TEST(IndicationsWindow, KeepsTheIndentationOfItsLines) {
  TestContext t;
  TIndicationsForm form(t.ctx);
  const std::string text = Text(&form, "Memo1");
  EXPECT_EQ(text.substr(0, text.find('\n')), "     EARLY INDICATIONS OF TROPICAL CYCLONES");
  EXPECT_NE(text.find("\n     at the sunset. Becomes more dense until the dark mass of the\n"), std::string::npos);
  EXPECT_NE(text.find("\n     frequency, near the center of the cyclone it falls in torrents."), std::string::npos);
}

TEST(PositionWindow, EndOfARun) {
  TestContext t;
  TPositionForm form(t.ctx);
  EXPECT_TRUE(IsChecked(&form, "RadioButton9"));
  Type(&form, {{"Edit1", "20"}, {"Edit3", "60"}, {"Edit9", "14"}, {"Edit10", "300"}});
  Click(&form, "CountPosition");
  EXPECT_EQ(Text(&form, "Edit5") + " " + Text(&form, "Edit6"), "20 07.0");
  EXPECT_EQ(Text(&form, "Edit7") + " " + Text(&form, "Edit8"), "60 12.9");
  EXPECT_TRUE(IsChecked(&form, "RadioButton5"));
  EXPECT_TRUE(IsChecked(&form, "RadioButton7"));
  EXPECT_TRUE(t.platform.messages.empty());

  // Refused input keeps what was typed.
  Type(&form, {{"Edit1", "20.5"}, {"Edit2", "12.5"}});
  Click(&form, "CountPosition");
  EXPECT_THAT(t.platform.messages, ElementsAre("Use whole number degrees, minutes allowed with decimals"));
  EXPECT_EQ(Text(&form, "Edit2"), "12.5");
}

TEST(PressureWindow, AdviceForTheSituation) {
  struct Case {
    const char *north, *baro, *unit, *pressure, *wind, *course, *change, *memo;
  } cases[] = {
      {"RadioButton1", "RadioButton8", "RadioButton12", "1005", "90", "180", "RadioButton7",
       " You are heading to a center of a Low\n The wind will probably turn to the SW.\n"},
      {"RadioButton1", "RadioButton9", "RadioButton12", "1005", "90", "180", "RadioButton7",
       " You are leaving a center of a Low\n The wind will probably turn to the SW.\n"},
      {"RadioButton1", "RadioButton9", "RadioButton14", "30", "0", "90", "RadioButton7",
       " You are heading to a center of a High\n The wind will probably turn to the SW.\n"},
      {"RadioButton1", "RadioButton8", "RadioButton13", "750", "90", "180", "RadioButton6",
       " You are heading to a center of a Low\n The wind will probably turn to the SW.\n\n You are facing a "
       "front.\n If there are squalls and towering cumulus clouds,\n it is a cold front."},
  };
  for (const Case& c : cases) {
    TestContext t;
    TPressureForm form(t.ctx);
    EXPECT_FALSE(IsVisible(&form, "Memo1"));
    // North, Backing, Falling and mb at the start.
    for (const char* first : {"RadioButton1", "RadioButton5", "RadioButton8", "RadioButton12"})
      EXPECT_TRUE(IsChecked(&form, first)) << first;
    form.show();
    for (const char* choice : {c.north, c.baro, c.unit, c.change}) Click(&form, choice);
    Type(&form, {{"Edit8", c.pressure}, {"Edit6", c.wind}, {"Edit5", c.course}});
    Click(&form, "Ok");
    EXPECT_TRUE(IsVisible(&form, "Memo1"));
    EXPECT_EQ(Text(&form, "Memo1"), c.memo) << c.pressure;
    EXPECT_TRUE(t.platform.messages.empty());
  }
}

TEST(PressureWindow, ErroneousValues) {
  for (const auto& [pressure, wind] : {std::pair{"949", "90"}, {"1081", "90"}, {"", "90"}, {"1005", "x"},
                                       {"1005", "400"}}) {
    TestContext t;
    TPressureForm form(t.ctx);
    Type(&form, {{"Edit5", "180"}, {"Edit6", wind}, {"Edit8", pressure}});
    t.platform.Clear();
    Click(&form, "Ok");
    EXPECT_THAT(t.platform.messages, ElementsAre("Erroneous values")) << pressure << " " << wind;
  }
}

}  // namespace
}  // namespace veltrane
