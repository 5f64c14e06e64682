#include "convert/ui/conversions_window.h"

#include <QApplication>
#include <gtest/gtest.h>

#include "support/ui_driver.h"

namespace veltrane {
namespace {

using namespace veltrane::test;

TEST(ConversionsWindow, ConvertsLiveOnTypingAndRadioClicks) {
  TestContext t;
  TConvForm form(t.ctx);
  EXPECT_EQ(form.windowTitle().toStdString(), "Conversions");
  for (const char* first : {"rbTemperatureCelsius", "rbSpeedms", "rbPressuremb", "rbMasspounds", "rbVolumeUSgallons",
                            "rbLengthfeet", "rbAreasqinch", "rbAngledegrees"})
    EXPECT_TRUE(IsChecked(&form, first)) << first;

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

// Each result stands below the unit choices, beside its own unit; what was typed comes back with
// its results in the next session.
TEST(ConversionsWindow, ResultsStandApartAndTypedValuesComeBack) {
  TestContext t;
  {
    TConvForm form(t.ctx);
    form.show();
    Type(&form, "edtSpeed", "25");
    Click(&form, "rbSpeedknots");
    QApplication::processEvents();
    const QWidget* lastUnit = Find<QWidget>(&form, "rbSpeedbeaufort");
    for (const char* result : {"edtSpeedResult1", "edtSpeedResult2", "edtSpeedResult3"}) {
      const QWidget* r = Find<QWidget>(&form, result);
      EXPECT_GT(r->y(), lastUnit->y() + lastUnit->height() - 1) << result;
    }
    const QRect value = Find<QWidget>(&form, "edtSpeedResult1")->geometry();
    EXPECT_NEAR(Find<QWidget>(&form, "edtSpeedUnit1")->geometry().center().y(), value.center().y(), 2);
    form.close();
  }
  TConvForm next(t.ctx);
  EXPECT_EQ(Text(&next, "edtSpeed"), "25");
  EXPECT_TRUE(IsChecked(&next, "rbSpeedknots"));
  EXPECT_EQ(Text(&next, "edtSpeedResult1"), "12.9");
  EXPECT_EQ(Text(&next, "edtSpeedUnit1"), "m/s");
  Click(&next, "Help1");
  EXPECT_EQ(t.platform.helpPages, std::vector<std::string>{"conversions.html"});
}

}  // namespace
}  // namespace veltrane
