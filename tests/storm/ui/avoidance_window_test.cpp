#include "storm/ui/avoidance_window.h"

#include <QMenuBar>
#include <QPlainTextEdit>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "storm/ui/avoidance_plot_window.h"
#include "storm/ui/storm_centre_window.h"
#include "support/ui_driver.h"

namespace veltrane {
namespace {

using namespace veltrane::test;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

struct StormWindows {
  TestContext t;
  TStorm_CenterForm centre{t.ctx};
  TAvoidanceForm avoid{t.ctx};
  TAvoidgrafForm plot{t.ctx};
  StormWindows() {
    centre.SetAvoidance(&avoid);
    avoid.SetLinks(&centre, &plot);
  }
};

using Fields = std::initializer_list<std::pair<const char*, const char*>>;

// The demonstration's boat and cyclone typed by hand, then the given fields changed.
void TypeDemo(TAvoidanceForm& form, Fields changes = {}) {
  for (const Fields& fields : {Fields{{"Edit1", "20"}, {"Edit3", "60"}, {"Edit6", "7"}, {"Edit13", "192"},
                                      {"Edit14", "170"}, {"Edit11", "38"}, {"Edit12", "28"}},
                               changes})
    for (const auto& [name, text] : fields) Type(&form, name, text);
}

TEST(AvoidanceWindow, DemonstrationTakenOverFromTheStormCentre) {
  StormWindows w;
  Click(&w.centre, "Demo1");
  Click(&w.centre, "CountCyclon");
  Click(&w.centre, "btnAvoid");
  EXPECT_TRUE(w.avoid.isVisible());
  EXPECT_EQ(Text(&w.avoid, "Edit1") + " " + Text(&w.avoid, "Edit2"), "20 07.0");
  EXPECT_EQ(Text(&w.avoid, "Edit3") + " " + Text(&w.avoid, "Edit4"), "60 12.9");
  EXPECT_EQ(Text(&w.avoid, "Edit7") + " " + Text(&w.avoid, "Edit8"), "17 20.7");
  EXPECT_EQ(Text(&w.avoid, "Edit13"), "192");
  EXPECT_EQ(Text(&w.avoid, "Edit14"), "170");
  EXPECT_EQ(Text(&w.avoid, "Edit11"), "38");
  EXPECT_EQ(Text(&w.avoid, "Edit12"), "28");
  EXPECT_EQ(Text(&w.avoid, "Edit6"), "7");
  EXPECT_FALSE(IsEnabled(&w.avoid, "Situation"));

  Click(&w.avoid, "CyclonCount");
  EXPECT_EQ(Text(&w.avoid, "Edit15"), "322");
  EXPECT_EQ(Text(&w.avoid, "Edit16"), "27");
  EXPECT_EQ(Text(&w.avoid, "Edit17"), "129");
  EXPECT_EQ(Text(&w.avoid, "Edit18"), "4 h  50 min");
  EXPECT_EQ(Text(&w.avoid, "Edit19"), "110");
  EXPECT_EQ(Text(&w.avoid, "Label4"), "4.769");
  EXPECT_EQ(Text(&w.avoid, "Memo1"),
            "Following the course   322\u00b0\n"
            "our boat will in   4 h  50 min\n"
            "progress 33 M   to a new position:  \n"
            "20\u00b0 33.3'  N   60\u00b0 34.8'  W");
  EXPECT_TRUE(IsEnabled(&w.avoid, "Situation"));

  Click(&w.avoid, "Situation");
  EXPECT_TRUE(w.plot.isVisible());
  EXPECT_EQ(Text(&w.plot, "lbLegend"), "B: boat    C: cyclone    1: now    2: at the closest point");
  EXPECT_FALSE(IsEnabled(&w.avoid, "Situation"));
  const std::string listing = Text(&w.plot, "Memo1");
  EXPECT_THAT(listing, HasSubstr("CPA_Time: 4.8\n"));
  EXPECT_THAT(listing, HasSubstr("Boat1X: "));
  EXPECT_THAT(listing, HasSubstr("Cyclon2Y: "));
  EXPECT_TRUE(w.t.platform.messages.size() == 1u);  // only the demonstration's hint
}

TEST(AvoidanceWindow, TheDemonstrationAcrossTheDateLine) {
  // The demonstration moved 119 degrees west: the first centre lies in east longitude, and every
  // figure is the demonstration's.
  StormWindows w;
  Click(&w.centre, "Demo1");
  w.t.platform.Clear();
  Type(&w.centre, "Edit3", "179");
  Click(&w.centre, "Ok");
  EXPECT_EQ(Text(&w.centre, "Edit22") + " " + Text(&w.centre, "Edit23"), "179 33.2");
  EXPECT_TRUE(IsChecked(&w.centre, "RadioButton18"));
  EXPECT_EQ(Text(&w.centre, "Edit11") + " " + Text(&w.centre, "Edit12"), "179 12.9");
  Type(&w.centre, {{"Edit13", "80"}, {"Edit19", "1.5"}});
  Click(&w.centre, "CountCyclon");
  EXPECT_EQ(Text(&w.centre, "Edit15"), "38");
  EXPECT_EQ(Text(&w.centre, "Edit16"), "28");
  Click(&w.centre, "btnAvoid");
  Click(&w.avoid, "CyclonCount");
  EXPECT_EQ(Text(&w.avoid, "Edit13"), "192");
  EXPECT_EQ(Text(&w.avoid, "Edit15"), "322");
  EXPECT_EQ(Text(&w.avoid, "Edit17"), "129");
  EXPECT_TRUE(w.t.platform.messages.empty());
}

TEST(AvoidanceWindow, TheWholeMenuBarShows) {
  StormWindows w;
  w.avoid.show();
  EXPECT_GE(w.avoid.width(), w.avoid.menuBar()->sizeHint().width());
}

TEST(AvoidanceWindow, NoStaleResults) {
  StormWindows w;
  Type(&w.avoid, "Edit1", "10");
  Click(&w.avoid, "Transfer1");  // no centre known yet: nothing to take over
  EXPECT_EQ(Text(&w.avoid, "Edit1"), "10");
  TypeDemo(w.avoid);
  Click(&w.avoid, "CyclonCount");
  ASSERT_EQ(Text(&w.avoid, "Edit15"), "322");
  // Refused values leave no results of the earlier ones.
  Type(&w.avoid, "Edit6", "x");
  Click(&w.avoid, "CyclonCount");
  EXPECT_EQ(Text(&w.avoid, "Edit15"), "");
  EXPECT_EQ(Text(&w.avoid, "Label4"), "");
  // Emptied values leave nothing for "Situation" to draw.
  Type(&w.avoid, "Edit6", "7");
  Click(&w.avoid, "CyclonCount");
  ASSERT_TRUE(IsEnabled(&w.avoid, "Situation"));
  Click(&w.avoid, "InitValues1");
  EXPECT_EQ(Text(&w.avoid, "Edit18"), "");
  EXPECT_FALSE(IsEnabled(&w.avoid, "Situation"));
}

TEST(AvoidanceWindow, DirectionAndDistanceFillTheCyclonePosition) {
  StormWindows w;
  TypeDemo(w.avoid, {{"Edit2", "7"}, {"Edit4", "12.9"}});
  Click(&w.avoid, "CyclonCount");
  EXPECT_EQ(Text(&w.avoid, "Edit7") + " " + Text(&w.avoid, "Edit8"), "17 20.7");
  EXPECT_EQ(Text(&w.avoid, "Edit9") + " " + Text(&w.avoid, "Edit10"), "60 50.2");
  EXPECT_TRUE(IsChecked(&w.avoid, "RadioButton5"));
  EXPECT_EQ(Text(&w.avoid, "Edit15"), "322");
  EXPECT_TRUE(w.t.platform.messages.empty());
}

TEST(AvoidanceWindow, EqualSpeedsAreMadeUnequal) {
  StormWindows w;
  TypeDemo(w.avoid, {{"Edit6", "12"}, {"Edit12", "12"}});
  Click(&w.avoid, "CyclonCount");
  EXPECT_EQ(Text(&w.avoid, "Edit12"), "12.1");
  EXPECT_THAT(Text(&w.avoid, "Memo1"),
              HasSubstr("Cyclone speed increased with 0.1 knots,\nas it should differ from the boat speed.\n"));
  EXPECT_FALSE(Text(&w.avoid, "Edit15").empty());
  EXPECT_TRUE(w.t.platform.messages.empty());
}

TEST(AvoidanceWindow, AFasterBoatIsToldToRunAway) {
  StormWindows w;
  TypeDemo(w.avoid, {{"Edit6", "20"}, {"Edit12", "15"}});
  Click(&w.avoid, "CyclonCount");
  EXPECT_EQ(Text(&w.avoid, "Edit15"), "12");
  EXPECT_EQ(Text(&w.avoid, "Edit18"), "");
  EXPECT_EQ(Text(&w.avoid, "Memo1"),
            "The boat is faster than the cyclone and can outrun it:\n"
            "steer directly away from it, course   12\u00b0");
  EXPECT_FALSE(IsEnabled(&w.avoid, "Situation"));
}

TEST(AvoidanceWindow, MissingOrBadValuesGiveOneMessage) {
  struct Case {
    const char *field, *text;
  } cases[] = {{"Edit1", ""}, {"Edit6", "x"}, {"Edit12", "0"}, {"Edit12", "61"}, {"Edit11", "12.5"},
               {"Edit14", ""}, {"Edit13", "-5"}};
  for (const Case& c : cases) {
    StormWindows w;
    TypeDemo(w.avoid, {{c.field, c.text}});
    w.t.platform.Clear();
    Click(&w.avoid, "CyclonCount");
    EXPECT_THAT(w.t.platform.messages, ElementsAre("Missing or erroneous values")) << c.field << "=" << c.text;
    EXPECT_EQ(Text(&w.avoid, "Edit15"), "") << c.field;
    EXPECT_FALSE(IsEnabled(&w.avoid, "Situation"));
  }
}

TEST(AvoidanceWindow, NoNumberGoesWrongAtTheEdges) {
  struct Case {
    const char *speed, *distance, *course, *arrival;
  } cases[] = {
      {"0", "170", "128", "5 h  30 min"},  // a boat lying still
      {"7", "0", "114", "0 h  0.0 min"},   // the cyclone on the boat: a tie takes the second course
  };
  for (const Case& c : cases) {
    StormWindows w;
    TypeDemo(w.avoid, {{"Edit6", c.speed}, {"Edit14", c.distance}});
    Click(&w.avoid, "CyclonCount");
    EXPECT_EQ(Text(&w.avoid, "Edit15"), c.course);
    EXPECT_EQ(Text(&w.avoid, "Edit18"), c.arrival);
    EXPECT_THAT(Text(&w.avoid, "Memo1"), ::testing::Not(HasSubstr("nan")));
    Click(&w.avoid, "Situation");
    EXPECT_THAT(Text(&w.plot, "Memo1"), ::testing::Not(HasSubstr("nan")));
  }
}

TEST(AvoidanceWindow, ACycloneBeyondThePoleIsRefused) {
  StormWindows w;
  TypeDemo(w.avoid, {{"Edit1", "89"}, {"Edit13", "0"}});
  Click(&w.avoid, "CyclonCount");
  EXPECT_THAT(w.t.platform.messages, ElementsAre("The position would pass a pole"));
  EXPECT_EQ(Text(&w.avoid, "Edit15"), "");
}

}  // namespace
}  // namespace veltrane
