#include "app/program_start.h"

#include <gtest/gtest.h>

#include <QFile>

#include "app/launcher.h"
#include "foundation/ini_file.h"
#include "support/ui_driver.h"

namespace veltrane {
namespace {

using namespace veltrane::test;

class ProgramStart : public ::testing::Test {
 protected:
  std::string Settings() const { return home.Path() + "Veltrane/"; }
  std::string Entry(const std::string& key) const {
    return IniFile(Settings() + "Settings.ini").Read("VeltraneForm", key, "-1");
  }
  void Put(const std::string& key, const std::string& value) const {
    IniFile ini(Settings() + "Settings.ini");
    ini.Write("VeltraneForm", key, value);
    ASSERT_TRUE(ini.Commit());
  }
  FakePlatform platform;
  TempFolder home;
  TempFolder program;
};

TEST_F(ProgramStart, FirstStartCreatesFolderInstallsStarsAndWritesDefaults) {
  program.Write("Mstars.dat", std::string(73 * 3, 'x'));
  {
    Program p(platform, Settings(), program.Path());
    EXPECT_TRUE(platform.messages.empty());
    // The launcher read its entry before the defaults existed, so it keeps its designed place.
    EXPECT_NE(p.Launcher().y(), 24);
  }
  EXPECT_EQ(home.Read("Veltrane/Mstars.dat"), std::string(73 * 3, 'x'));
  const std::pair<const char*, const char*> expected[] = {
      {"ResFonts", "1"},           {"fVeltrane", "1,24,136"}, {"fGreat", "0,7,119"},   {"fMiravel", "1,-2,475"},
      {"fNavi", "0,10,297"},       {"fPlanet", "0,5,4"},      {"fJupiter", "0,16,351"}, {"fIdentify", "0,21,342"},
      {"fAlmanac", "0,20,2"},      {"NewSet", "1"},           {"fEdi", "-1"},          {"fStar", "-1"}};
  for (const auto& [key, value] : expected) EXPECT_EQ(Entry(key), value) << key;
}

TEST_F(ProgramStart, NoStarFileAnywhereIsSaidOnce) {
  Program p(platform, Settings(), program.Path());
  EXPECT_EQ(platform.messages, std::vector<std::string>{"Star file not in use"});
}

TEST_F(ProgramStart, DefaultsFollowTheDisplayClass) {
  struct Case {
    int width;
    double dpi;
    const char* resFonts;
    const char* great;
  };
  const Case cases[] = {{1280, 96, "1", "0,7,119"}, {800, 96, "1", "0,7,119"}, {1280, 120, "2", "0,2,140"}};
  for (const auto& c : cases) {
    TempFolder fresh;
    platform.screen = {c.width, c.dpi};
    { Program p(platform, fresh.Path(), program.Path()); }
    IniFile ini(fresh.Path() + "Settings.ini");
    EXPECT_EQ(ini.Read("VeltraneForm", "ResFonts", ""), c.resFonts) << c.width;
    EXPECT_EQ(ini.Read("VeltraneForm", "fGreat", ""), c.great) << c.width;
  }
}

TEST_F(ProgramStart, SavedPositionsSurviveLaterStartsUntilTheFontsChange) {
  { Program p(platform, Settings(), program.Path()); }
  Put("fGreat", "0,300,400");
  platform.screen = {900, 96};  // class 0 stores the same ResFonts as class 1
  { Program p(platform, Settings(), program.Path()); }
  EXPECT_EQ(Entry("fGreat"), "0,300,400");
  platform.screen = {1280, 144};
  { Program p(platform, Settings(), program.Path()); }
  EXPECT_EQ(Entry("fGreat"), "0,2,140");
  EXPECT_EQ(Entry("ResFonts"), "2");
}

TEST_F(ProgramStart, EarlierVersionWithoutNewSetGetsDefaultsOnce) {
  { Program p(platform, Settings(), program.Path()); }
  Put("fNavi", "0,500,500");
  std::string text = home.Read("Veltrane/Settings.ini");
  text.erase(text.find("NewSet=1\n"), std::string("NewSet=1\n").size());
  home.Write("Veltrane/Settings.ini", text);
  { Program p(platform, Settings(), program.Path()); }
  EXPECT_EQ(Entry("fNavi"), "0,10,297");
  EXPECT_EQ(Entry("NewSet"), "1");
  Put("fNavi", "0,500,500");
  { Program p(platform, Settings(), program.Path()); }
  EXPECT_EQ(Entry("fNavi"), "0,500,500");
}

TEST_F(ProgramStart, LauncherRestoresItsSavedPosition) {
  { Program p(platform, Settings(), program.Path()); }
  Put("fVeltrane", "1,123,234");
  Program p(platform, Settings(), program.Path());
  EXPECT_EQ(p.Launcher().y(), 123);
  EXPECT_EQ(p.Launcher().x(), 234);
}

TEST_F(ProgramStart, SettingsFolderThatCannotBeCreatedStillStarts) {
  home.Write("blocker", "a file where the folder should be");
  Program p(platform, home.Path() + "blocker/Veltrane/", program.Path());
  Click(&p.Launcher(), "Conversions1");
  ASSERT_FALSE(platform.messages.empty());
  int saveMessages = 0;
  for (const auto& m : platform.messages) saveMessages += m.rfind("Settings could not be saved", 0) == 0;
  EXPECT_EQ(saveMessages, 1);
}

}  // namespace
}  // namespace veltrane
