#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "foundation/ini_file.h"
#include "foundation/paths.h"
#include "foundation/text_file.h"

namespace veltrane {
namespace {

class Files : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("veltrane-files-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  void Put(const std::string& name, const std::string& bytes) const {
    std::ofstream(Path(name), std::ios::binary) << bytes;
  }
  std::filesystem::path dir_;
};

TEST_F(Files, IniReadsWhatWasWrittenCaseInsensitively) {
  {
    IniFile ini(Path("Settings.ini"));
    EXPECT_EQ(ini.Read("VeltraneForm", "fNavi", "-1"), "-1");
    ini.Write("VeltraneForm", "fNavi", "0,10,297");
    ini.Write("NaviForm", "Lat", "N");
    ASSERT_TRUE(ini.Commit());
  }
  IniFile again(Path("Settings.ini"));
  EXPECT_EQ(again.Read("veltraneform", "FNAVI", "-1"), "0,10,297");
  EXPECT_EQ(again.Read("NaviForm", "Lat", "-1"), "N");
  std::ifstream in(Path("Settings.ini"));
  std::string text((std::istreambuf_iterator<char>(in)), {});
  EXPECT_NE(text.find("fNavi=0,10,297"), std::string::npos) << text;
}

TEST_F(Files, DamagedIniFilesReadAsEmptyAndKeepOtherKeys) {
  const std::string cases[] = {"", "[Veltrane", std::string("\0\1\2\xff\xfe", 5), std::string(100000, 'x'),
                               "[VeltraneForm]\nfNavi=" + std::string(10000, '9') + "\nResFonts=1\n"};
  for (const auto& bytes : cases) {
    Put("Settings.ini", bytes);
    IniFile ini(Path("Settings.ini"));
    EXPECT_EQ(ini.Read("VeltraneForm", "fNavi", "-1"), "-1");
    ini.Write("VeltraneForm", "fGreat", "0,7,119");
    EXPECT_TRUE(ini.Commit());
    EXPECT_EQ(IniFile(Path("Settings.ini")).Read("VeltraneForm", "fGreat", "-1"), "0,7,119");
  }
  EXPECT_EQ(IniFile(Path("Settings.ini")).Read("VeltraneForm", "ResFonts", "-1"), "1");
}

TEST_F(Files, ValuesCannotBreakTheLine) {
  IniFile ini(Path("a.ini"));
  ini.Write("S", "K", "one\ntwo");
  ini.Write("S", "L", "x");
  ASSERT_TRUE(ini.Commit());
  IniFile again(Path("a.ini"));
  EXPECT_EQ(again.Read("S", "K", ""), "one two");
  EXPECT_EQ(again.Read("S", "L", ""), "x");
}

TEST_F(Files, CommitIntoMissingFolderFailsAndLeavesNothing) {
  IniFile ini(Path("no/such/folder/Settings.ini"));
  ini.Write("S", "K", "V");
  EXPECT_FALSE(ini.Commit());
}

TEST_F(Files, AtomicWriteReplacesWholeFileAndLeavesNoTemporary) {
  Put("Position.txt", "old");
  ASSERT_TRUE(WriteFileAtomically(Path("Position.txt"), "new contents"));
  EXPECT_EQ(*ReadFileBytes(Path("Position.txt")), "new contents");
  int files = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir_)) files += e.is_regular_file();
  EXPECT_EQ(files, 1);
}

TEST_F(Files, TextIsUtf8OrWindows1252) {
  Put("utf8.txt", "\xEF\xBB\xBFOulu=65,25\r\nÅland\r\n");
  Put("ansi.txt", "\xC5land\x80\nlast");
  EXPECT_EQ(*ReadTextLines(Path("utf8.txt")), (std::vector<std::string>{"Oulu=65,25", "Åland"}));
  EXPECT_EQ(*ReadTextLines(Path("ansi.txt")), (std::vector<std::string>{"Åland€", "last"}));
  EXPECT_FALSE(ReadTextLines(Path("missing.txt")).has_value());
  EXPECT_FALSE(IsValidUtf8("\xC3"));
  EXPECT_FALSE(IsValidUtf8("\xE2\x82"));
  EXPECT_TRUE(IsValidUtf8("\xE2\x82\xAC"));
}

// The command-line tool looks for its shipped star file beside itself.
TEST(ExecutableFolder, IsWhereThisProgramLies) {
  const std::string folder = ExecutableFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  EXPECT_TRUE(std::filesystem::exists(folder + "foundation_tests"));
}

}  // namespace
}  // namespace veltrane
