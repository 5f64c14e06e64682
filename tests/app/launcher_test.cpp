#include "app/launcher.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/program_start.h"
#include "update/ui/about_box.h"
#include "update/ui/update_window.h"
#include "foundation/ini_file.h"
#include "support/http_test_server.h"
#include "support/ui_driver.h"

namespace veltrane {
namespace {

using namespace veltrane::test;

// A window of the running program, found as the user sees it: by its name.
QWidget* Window(const char* name) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == name) return w;
  ADD_FAILURE() << "no window " << name;
  return nullptr;
}

class Launcher : public ::testing::Test {
 protected:
  Launcher() : program(platform, home.Path(), programFolder.Path()) { platform.Clear(); }
  TVeltraneForm& form() { return program.Launcher(); }
  FakePlatform platform;
  TempFolder home;
  TempFolder programFolder;
  Program program;
};

TEST_F(Launcher, ControlsAndMenu) {
  EXPECT_EQ(form().windowTitle().toStdString(), "Veltrane");
  const std::pair<const char*, const char*> buttons[] = {
      {"btnGreat", "Great Circle"}, {"btnMiravel", "Miravel"}, {"btnNavigate", "Navigate"},
      {"btnStorm", "Storm"},        {"Brellin", "Brellin"}};
  for (const auto& [name, caption] : buttons) {
    EXPECT_EQ(Text(&form(), name), caption);
    auto* b = Find<QPushButton>(&form(), name);
    ASSERT_TRUE(b);
    EXPECT_TRUE(b->font().bold()) << name;
  }
  const std::pair<const char*, const char*> items[] = {{"Exit1", "E&xit"},     {"Conversions1", "&Conversions"},
                                                       {"Help2", "&Help"},     {"Readme1", "&Readme"},
                                                       {"Update1", "&Update"}, {"Program1", "&About"}};
  for (const auto& [name, caption] : items) EXPECT_EQ(Text(&form(), name), caption);
  EXPECT_EQ(form().minimumSize(), form().maximumSize());
}

TEST_F(Launcher, UpdateCreatesTheUpdateWindowAnewForEachCheck) {
  HttpTestServer server;
  server.Answer(200, "[Veltrane]\nVersion=0.0.0.1\n");
  IniFile ini(home.File("Settings.ini"));
  ini.Write("VerForm", "Base1", server.Base());
  ASSERT_TRUE(ini.Commit());
  ASSERT_TRUE(IsEnabled(&form(), "Update1"));
  Click(&form(), "Update1");
  QPointer<TVerForm> first;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* v = qobject_cast<TVerForm*>(w)) first = v;
  ASSERT_TRUE(first);
  EXPECT_TRUE(first->isVisible());
  ASSERT_TRUE(QTest::qWaitFor([&] { return Text(first, "StatusBar1") == "New version not available"; }, 5000));
  first->close();
  QTest::qWait(10);
  EXPECT_TRUE(first.isNull());
  Click(&form(), "Update1");
  ASSERT_TRUE(QTest::qWaitFor([&] { return server.paths.size() == 2; }, 5000));
}

TEST_F(Launcher, AboutShowsTheAboutBoxModally) {
  bool shown = false;
  QTimer::singleShot(0, [&] {
    if (auto* box = qobject_cast<TAboutBox*>(QApplication::activeModalWidget())) {
      shown = true;
      box->accept();
    }
  });
  Click(&form(), "Program1");
  EXPECT_TRUE(shown);
}

TEST_F(Launcher, EverySubProgramBuiltSoFarOpensAndNavigateFindsItsCalculators) {
  const std::pair<const char*, const char*> opens[] = {
      {"btnGreat", "GreatForm"}, {"btnNavigate", "NaviForm"}, {"btnStorm", "StormForm"}, {"Brellin", "BrellinForm"},
      {"btnMiravel", "MiravelForm"}};
  for (const auto& [button, window] : opens) {
    EXPECT_TRUE(IsEnabled(&form(), button)) << button;
    Click(&form(), button);
    QWidget* shown = Window(window);
    ASSERT_TRUE(shown) << window;
    EXPECT_TRUE(shown->isVisible()) << window;
  }
  QWidget* navigate = Window("NaviForm");
  auto* options = Find<QMenu>(navigate, "Options1");
  ASSERT_TRUE(options);
  emit options->aboutToShow();
  for (const char* item : {"Bearings1", "Courses1", "CrossBearing1", "Distances1", "Sailing1", "Tides1", "Winds1"}) {
    EXPECT_TRUE(IsEnabled(navigate, item)) << item;
    Click(navigate, item);
  }
  int visible = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) visible += w->isVisible();
  EXPECT_GE(visible, 10);
  // The orderly exit keeps the launcher's place and what Navigate holds, and closes the rest.
  form().show();
  form().move(140, 60);
  QApplication::processEvents();
  Click(&form(), "Exit1");
  const IniFile settings(home.File("Settings.ini"));
  EXPECT_EQ(settings.Read("VeltraneForm", "fVeltrane", ""),
            "1," + std::to_string(form().y()) + "," + std::to_string(form().x()));
  EXPECT_NE(settings.Read("NaviForm", "CompasFile", "-1"), "-1");
  EXPECT_NE(settings.Read("NaviForm", "Lat", "-1"), "-1");
  EXPECT_EQ(settings.Read("MiravelForm", "LatDeg", "-1"), "60");
  EXPECT_FALSE(Window("NavTideForm")->isVisible());
}

TEST_F(Launcher, ReadmeShowsTheChosenFile) {
  programFolder.Write("Readme.txt", "Veltrane\nfirst line\n");
  platform.fileAnswers.push_back(programFolder.File("Readme.txt"));
  Click(&form(), "Readme1");
  EXPECT_EQ(platform.fileDialogPresets, std::vector<std::string>{"Readme.txt"});
  QWidget* readme = Window("ReadmeForm");
  ASSERT_TRUE(readme);
  EXPECT_TRUE(readme->isVisible());
  EXPECT_EQ(Text(readme, "Memo1"), "Veltrane\nfirst line");
  EXPECT_EQ(readme->width(), 320);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Launcher, ReadmeThatCannotBeReadSaysSoAndNothingElse) {
  platform.fileAnswers.push_back(programFolder.File("missing.txt"));
  Click(&form(), "Readme1");
  EXPECT_EQ(platform.messages, std::vector<std::string>{"Can not be opened now"});
  EXPECT_FALSE(Window("ReadmeForm")->isVisible());
  platform.Clear();
  Click(&form(), "Readme1");  // cancelled dialog
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Launcher, HelpAndCloseBoxThatSavesOnlyTheLauncher) {
  Click(&form(), "Help2");
  EXPECT_EQ(platform.helpPages, std::vector<std::string>{"index.html"});
  form().show();
  Click(&form(), "Conversions1");
  EXPECT_TRUE(Window("ConvForm")->isVisible());
  form().close();
  EXPECT_TRUE(Window("ConvForm")->isVisible());
  EXPECT_EQ(IniFile(home.File("Settings.ini")).Read("VeltraneForm", "fVeltrane", "").substr(0, 2), "1,");
}

TEST(DisplayClass, FromScreen) {
  EXPECT_EQ(DisplayClass({1280, 120}), 2);
  EXPECT_EQ(DisplayClass({1280, 96}), 1);
  EXPECT_EQ(DisplayClass({1000, 96}), 0);
}

}  // namespace
}  // namespace veltrane
