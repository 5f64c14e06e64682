#include "app/program_start.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <filesystem>
#include <map>

#include "app/launcher.h"
#include "foundation/ui/form_base.h"
#include "foundation/ini_file.h"
#include "foundation/text_file.h"
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
    const char *resFonts, *great;
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

// A quick start: every window but the launcher is created and placed, and built when first
// shown; the launcher comes back where it was.
TEST_F(ProgramStart, WindowsArePlacedAtStartAndBuiltWhenFirstShown) {
  { Program p(platform, Settings(), program.Path()); }
  Put("fNavi", "0,210,320");
  Put("fVeltrane", "1,123,234");
  Program p(platform, Settings(), program.Path());
  EXPECT_TRUE(p.Launcher().ContentsBuilt());
  EXPECT_EQ(p.Launcher().y(), 123);
  EXPECT_EQ(p.Launcher().x(), 234);
  FormBase* navigate = nullptr;
  std::vector<std::string> built;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    auto* form = qobject_cast<FormBase*>(w);
    if (!form || &form->Context() != &p.Context() || form == &p.Launcher()) continue;
    if (form->objectName() == "NaviForm") navigate = form;
    if (form->ContentsBuilt()) built.push_back(form->objectName().toStdString());
  }
  EXPECT_EQ(built, std::vector<std::string>{});
  ASSERT_TRUE(navigate);
  EXPECT_EQ(navigate->y(), 210);
  EXPECT_EQ(navigate->x(), 320);
  EXPECT_EQ(navigate->findChild<QWidget*>("edLatDeg1"), nullptr);
  Click(&p.Launcher(), "btnNavigate");
  EXPECT_TRUE(navigate->isVisible());
  EXPECT_NE(navigate->findChild<QWidget*>("edLatDeg1"), nullptr);
  EXPECT_EQ(navigate->y(), 210);
  EXPECT_EQ(navigate->x(), 320);
}

TEST_F(ProgramStart, SettingsFolderThatCannotBeCreatedStillStarts) {
  home.Write("blocker", "a file where the folder should be");
  program.Write("Mstars.dat", std::string(73, 'x'));
  Program p(platform, home.Path() + "blocker/Veltrane/", program.Path());
  Click(&p.Launcher(), "Conversions1");
  ASSERT_FALSE(platform.messages.empty());
  EXPECT_EQ(platform.messages.front(), "The settings folder " + home.Path() + "blocker/Veltrane cannot be created");
  for (const auto& m : platform.messages) EXPECT_NE(m, "Star file not in use");
  int saveMessages = 0;
  for (const auto& m : platform.messages) saveMessages += m.rfind("Settings could not be saved", 0) == 0;
  EXPECT_EQ(saveMessages, 1);
}

// The names and contents of a folder's files, to show that a start left it as it was.
std::map<std::string, std::string> Contents(const TempFolder& folder) {
  std::map<std::string, std::string> files;
  for (const auto& e : std::filesystem::directory_iterator(folder.Path()))
    files[e.path().filename().string()] = folder.Read(e.path().filename().string());
  return files;
}

TEST_F(ProgramStart, UserFilesAreCopiedToTheSettingsFolderAndUsedThere) {
  const std::pair<const char*, const char*> shipped[] = {{"Mstars.dat", "stars"},        {"Kurssi.cmp", "0 3 90 -1"},
                                                         {"Position.txt", "Oulu=65_1_N,25_28_E\n"},
                                                         {"Readme.txt", "Veltrane\n"}, {"SETS.INI", "[NaviForm]\n"}};
  for (const auto& [name, text] : shipped) program.Write(name, text);
  std::filesystem::create_directories(Settings());  // a later start: the folder is there
  home.Write("Veltrane/Position.txt", "Mine=1_0_N,2_0_E\n");
  const auto before = Contents(program);
  std::filesystem::permissions(program.Path(), std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                                   std::filesystem::perms::others_write,
                               std::filesystem::perm_options::remove);
  {
    Program p(platform, Settings(), program.Path());
    EXPECT_EQ(p.Context().DataFolder(), Settings());
  }
  std::filesystem::permissions(program.Path(), std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
  EXPECT_EQ(Contents(program), before) << "the program folder is only read";
  EXPECT_EQ(home.Read("Veltrane/Position.txt"), "Mine=1_0_N,2_0_E\n") << "never over the user's file";
  for (const char* name : {"Kurssi.cmp", "Readme.txt", "SETS.INI"})
    EXPECT_EQ(home.Read(std::string("Veltrane/") + name), program.Read(name)) << name;
  EXPECT_EQ(home.Read("Veltrane/Mstars.dat"), "stars");

  std::filesystem::remove(Settings() + "Kurssi.cmp");
  home.Write("Veltrane/Readme.txt", "changed by the user\n");
  { Program p(platform, Settings(), program.Path()); }
  EXPECT_EQ(home.Read("Veltrane/Kurssi.cmp"), "0 3 90 -1") << "a missing table comes back";
  EXPECT_EQ(home.Read("Veltrane/Readme.txt"), "changed by the user\n");
}

TEST_F(ProgramStart, StarFileLostAfterTheFirstStartIsInstalledAgainSilently) {
  program.Write("Mstars.dat", std::string(73, 's'));
  { Program p(platform, Settings(), program.Path()); }
  std::filesystem::remove(Settings() + "Mstars.dat");
  platform.Clear();
  { Program p(platform, Settings(), program.Path()); }
  EXPECT_EQ(home.Read("Veltrane/Mstars.dat"), std::string(73, 's'));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ProgramStart, UnreadableSettingsAreKeptAsBadAndSaidOnce) {
  std::filesystem::create_directories(Settings());
  home.Write("Veltrane/Settings.ini", "[VeltraneForm]\nfNavi=0,500,500\n");
  std::filesystem::resize_file(Settings() + "Settings.ini", (64u << 20) + 10);
  { Program p(platform, Settings(), program.Path()); }
  EXPECT_EQ(std::filesystem::file_size(Settings() + "Settings.ini.bad"), (64u << 20) + 10);
  EXPECT_EQ(Entry("fNavi"), "0,10,297");
  int said = 0;
  for (const auto& m : platform.messages) said += m.find("Settings.ini.bad") != std::string::npos;
  EXPECT_EQ(said, 1);
}

// An unattended start with a settings folder it cannot use ends with a message on standard
// error and exit 1, never waiting on a message box.
TEST(UnattendedStart, SaysWhatIsWrongOnStandardErrorAndEnds) {
  const char* bin = VELTRANE_TEST_PROGRAM_DIR;
  TempFolder home;
  home.Write("blocker", "a file");
  std::filesystem::create_directories(home.Path() + "folder/Settings.ini");
  struct Case {
    std::string settings, says;
  };
  const Case cases[] = {
      {home.Path() + "blocker/Veltrane", "The settings folder " + home.Path() + "blocker/Veltrane cannot be created"},
      {home.Path() + "folder", "Settings could not be saved to " + home.Path() + "folder/Settings.ini"},
  };
  for (const auto& c : cases) {
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VELTRANE_HOME", QString::fromStdString(c.settings));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    run.setProcessEnvironment(env);
    run.start(QString(bin) + "/veltrane", {"--smoke"});
    const bool ended = run.waitForFinished(60000);
    if (!ended) run.kill();
    ASSERT_TRUE(ended) << c.settings;
    const std::string err = run.readAllStandardError().toStdString();
    EXPECT_EQ(run.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(run.exitCode(), 1) << err;
    EXPECT_NE(err.find("veltrane: " + c.says + "\n"), std::string::npos) << err;
    EXPECT_EQ(err.find("Star file not in use"), std::string::npos) << err;
  }
}

}  // namespace
}  // namespace veltrane
