#include "foundation/window_placement.h"

#include <gtest/gtest.h>

namespace veltrane {
namespace {

struct PlacementCase {
  const char* what;
  ScreenRect frame;
  int left, top;
};

// One 1920x1050 screen (a 30-pixel panel at the bottom) and a second one to its right.
const std::vector<ScreenRect> kScreens = {{0, 0, 1920, 1050}, {1920, 0, 1280, 1024}};

TEST(WindowPlacement, KeepsTheTitleBarOnAScreen) {
  const PlacementCase cases[] = {
      {"wholly on the first screen", {100, 50, 600, 400}, 100, 50},
      {"at the very corner", {0, 0, 600, 400}, 0, 0},
      {"title bar ends at the right edge", {1320, 10, 600, 400}, 1320, 10},
      {"body below the screen is fine", {100, 1020, 600, 400}, 100, 1020},
      {"on the second screen", {2000, 100, 600, 400}, 2000, 100},
      {"above the screen", {100, -20, 600, 400}, 100, 0},
      {"left of the screen", {-500, -500, 600, 400}, 0, 0},
      {"one pixel too far left", {-1, 5, 600, 400}, 0, 5},
      {"title bar one pixel below the panel", {100, 1021, 600, 400}, 100, 1020},
      {"straddling the two screens", {1700, 100, 600, 400}, 1920, 100},
      {"far right goes to the second screen", {5000, 100, 600, 400}, 2600, 100},
      {"below the second screen", {2500, 3000, 600, 400}, 2500, 994},
      {"wider than the screen", {-50, 10, 2500, 400}, 0, 10},
  };
  for (const auto& c : cases) {
    const ScreenRect placed = PlaceOnScreen(c.frame, 30, kScreens);
    EXPECT_EQ(placed.left, c.left) << c.what;
    EXPECT_EQ(placed.top, c.top) << c.what;
    EXPECT_EQ(placed.width, c.frame.width) << c.what;
    EXPECT_EQ(placed.height, c.frame.height) << c.what;
  }
}

TEST(WindowPlacement, NoScreensLeavesTheWindowAlone) {
  const ScreenRect placed = PlaceOnScreen({-500, -500, 100, 100}, 30, {});
  EXPECT_EQ(placed.left, -500);
  EXPECT_EQ(placed.top, -500);
}

}  // namespace
}  // namespace veltrane
