#include "convert/ui/conversions_window.h"

#include <gtest/gtest.h>

#include "support/ui_driver.h"

namespace veltrane {
namespace {

using namespace veltrane::test;

TEST(ConversionsWindow, ConvertsLiveOnTypingAndRadioClicks) {
  TestContext t;
  TConvForm form(t.ctx);
  EXPECT_EQ(form.windowTitle().toStdString(), "Conversions");
  EXPECT_TRUE(IsChecked(&form, "rbSpeedms"));
  EXPECT_TRUE(IsChecked(&form, "rbTemperatureCelsius"));
  EXPECT_TRUE(IsChecked(&form, "rbAreasqinch"));

  Type(&form, "edtTemperature", "100");
  EXPECT_EQ(Text(&form, "edtTemperatureResult1"), "212");
  EXPECT_EQ(Text(&form, "edtTemperatureUnit1"), "Fahrenheit");
  Click(&form, "rbTemperatureFahrenheit");
  EXPECT_EQ(Text(&form, "edtTemperatureResult1"), "38");
  EXPECT_EQ(Text(&form, "edtTemperatureUnit1"), "Celsius");

  Type(&form, "edtLength", "3");
  EXPECT_EQ(Text(&form, "edtLengthResult2"), "91.44");
  EXPECT_EQ(Text(&form, "edtLengthUnit2"), "cm");
  Type(&form, "edtLength", "");
  EXPECT_EQ(Text(&form, "edtLengthResult1"), "");
  EXPECT_EQ(Text(&form, "edtLengthUnit2"), "");
  Type(&form, "edtLength", "x");
  EXPECT_EQ(Text(&form, "edtLengthResult1"), "");
  EXPECT_TRUE(t.platform.messages.empty());
}

TEST(ConversionsWindow, BeaufortForceIsTruncatedAndOutOfScaleIsRefused) {
  TestContext t;
  TConvForm form(t.ctx);
  Click(&form, "rbSpeedbeaufort");
  Type(&form, "edtSpeed", "3.7");
  EXPECT_EQ(Text(&form, "edtSpeed"), "3");
  EXPECT_EQ(Text(&form, "edtSpeedResult1"), "7 - 10");
  EXPECT_EQ(Text(&form, "edtSpeedUnit2"), "m/s");
  EXPECT_TRUE(t.platform.messages.empty());

  Type(&form, "edtSpeed", "13.5");
  EXPECT_EQ(t.platform.messages, std::vector<std::string>{"Scale is '0-12'"});
  EXPECT_EQ(Text(&form, "edtSpeedResult1"), "");
  EXPECT_EQ(Text(&form, "edtSpeedResult3"), "");
}

TEST(ConversionsWindow, PrintsItsImage) {
  TestContext t;
  t.platform.printFile = t.program.File("conversions.pdf");
  TConvForm form(t.ctx);
  Click(&form, "Print1");
  EXPECT_EQ(t.platform.printCount, 1);
  EXPECT_GT(t.program.Read("conversions.pdf").size(), 1000u);
}

}  // namespace
}  // namespace veltrane
