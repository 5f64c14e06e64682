// Window tests run on Qt's offscreen platform with one application object.
#include <gtest/gtest.h>

#include "foundation/ui/veltrane_application.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  veltrane::VeltraneApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
