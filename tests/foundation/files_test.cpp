#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "foundation/ini_file.h"
#include "foundation/paths.h"
#include "foundation/text_file.h"
#include "foundation/user_files.h"
#include "support/temp_folder.h"

namespace veltrane {
namespace {

class Files : public ::testing::Test, protected test::TempFolder {};

TEST_F(Files, IniReadsWhatWasWrittenCaseInsensitively) {
  {
    IniFile ini(File("Settings.ini"));
    EXPECT_EQ(ini.Read("VeltraneForm", "fNavi", "-1"), "-1");
    ini.Write("VeltraneForm", "fNavi", "0,10,297");
    ini.Write("NaviForm", "Lat", "N");
    ASSERT_TRUE(ini.Commit());
  }
  IniFile again(File("Settings.ini"));
  EXPECT_EQ(again.Read("veltraneform", "FNAVI", "-1"), "0,10,297");
  EXPECT_EQ(again.Read("NaviForm", "Lat", "-1"), "N");
  std::ifstream in(File("Settings.ini"));
  std::string text((std::istreambuf_iterator<char>(in)), {});
  EXPECT_NE(text.find("fNavi=0,10,297"), std::string::npos) << text;
}

TEST_F(Files, DamagedIniFilesReadAsEmptyAndKeepOtherKeys) {
  const std::string cases[] = {"", "[Veltrane", std::string("\0\1\2\xff\xfe", 5), std::string(100000, 'x'),
                               "[VeltraneForm]\nfNavi=" + std::string(10000, '9') + "\nResFonts=1\n"};
  for (const auto& bytes : cases) {
    Write("Settings.ini", bytes);
    IniFile ini(File("Settings.ini"));
    EXPECT_EQ(ini.Read("VeltraneForm", "fNavi", "-1"), "-1");
    ini.Write("VeltraneForm", "fGreat", "0,7,119");
    EXPECT_TRUE(ini.Commit());
    EXPECT_EQ(IniFile(File("Settings.ini")).Read("VeltraneForm", "fGreat", "-1"), "0,7,119");
  }
  EXPECT_EQ(IniFile(File("Settings.ini")).Read("VeltraneForm", "ResFonts", "-1"), "1");
}

TEST_F(Files, ValuesCannotBreakTheLine) {
  IniFile ini(File("a.ini"));
  ini.Write("S", "K", "one\ntwo");
  ini.Write("S", "L", "x");
  ASSERT_TRUE(ini.Commit());
  IniFile again(File("a.ini"));
  EXPECT_EQ(again.Read("S", "K", ""), "one two");
  EXPECT_EQ(again.Read("S", "L", ""), "x");
}

TEST_F(Files, TextIsUtf8OrWindows1252) {
  Write("utf8.txt", "\xEF\xBB\xBFOulu=65,25\r\nÅland\r\n");
  Write("ansi.txt", "\xC5land\x80\nlast");
  EXPECT_EQ(*ReadTextLines(File("utf8.txt")), (std::vector<std::string>{"Oulu=65,25", "Åland"}));
  EXPECT_EQ(*ReadTextLines(File("ansi.txt")), (std::vector<std::string>{"Åland€", "last"}));
  EXPECT_FALSE(ReadTextLines(File("missing.txt")).has_value());
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

TEST(ProgramFolder, BesideTheExecutableInABuildElseTheInstalledShareFolder) {
  const test::TempFolder root;
  const std::string bin = root.File("usr/bin/");
  std::filesystem::create_directories(bin);
  // Neither: the executable's own folder.
  EXPECT_EQ(ProgramFolderFor(bin), bin);
  // Installed: the data lives in ../share/veltrane.
  std::filesystem::create_directories(root.File("usr/share/veltrane"));
  EXPECT_EQ(ProgramFolderFor(bin), root.File("usr/share/veltrane/"));
  // A build keeps the star file beside the executable, and that wins.
  root.Write("usr/bin/Mstars.dat", "x");
  EXPECT_EQ(ProgramFolderFor(bin), bin);
}

ino_t Inode(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

mode_t Mode(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

TEST_F(Files, AtomicWriteNeverTouchesTheOldFile) {
  Write("Position.txt", "old");
  // A second name for the old file shows whether its bytes were written in place.
  ASSERT_EQ(::link(File("Position.txt").c_str(), File("old-name").c_str()), 0);
  const ino_t before = Inode(File("Position.txt"));
  ASSERT_TRUE(WriteFileAtomically(File("Position.txt"), "new contents"));
  EXPECT_EQ(*ReadFileBytes(File("old-name")), "old");
  EXPECT_EQ(Inode(File("old-name")), before);
  EXPECT_NE(Inode(File("Position.txt")), before);
  EXPECT_EQ(*ReadFileBytes(File("Position.txt")), "new contents");
  int files = 0;  // the two names, no temporary left behind
  for (const auto& e : std::filesystem::directory_iterator(Path())) files += e.is_regular_file();
  EXPECT_EQ(files, 2);
}

TEST_F(Files, AtomicWriteThatFailsLeavesTheOldAndNoTemporary) {
  std::filesystem::create_directories(File("Settings.ini/inside"));
  EXPECT_FALSE(WriteFileAtomically(File("Settings.ini"), "x"));
  EXPECT_TRUE(std::filesystem::is_directory(File("Settings.ini/inside")));
  int entries = 0;
  for (const auto& e : std::filesystem::directory_iterator(Path())) entries += e.exists();
  EXPECT_EQ(entries, 1);
}

TEST_F(Files, AtomicWriteKeepsPermissions) {
  for (mode_t mode : {0600, 0640, 0604, 0755}) {
    Write("Settings.ini", "old");
    ASSERT_EQ(::chmod(File("Settings.ini").c_str(), mode), 0);
    ASSERT_TRUE(WriteFileAtomically(File("Settings.ini"), "new"));
    EXPECT_EQ(Mode(File("Settings.ini")), mode) << std::oct << mode;
  }
  const mode_t old = ::umask(027);
  EXPECT_TRUE(WriteFileAtomically(File("fresh.txt"), "new"));
  ::umask(old);
  EXPECT_EQ(Mode(File("fresh.txt")), 0640u);
}

TEST_F(Files, AtomicWriteGoesThroughSymbolicLinks) {
  std::filesystem::create_directories(File("real"));
  Write("real/Settings.ini", "old");
  std::filesystem::create_symlink("real/Settings.ini", File("link1"));
  std::filesystem::create_symlink(File("link1"), File("link2"));     // a link to a link
  std::filesystem::create_symlink("real/later.ini", File("dangling"));  // target not there yet
  ASSERT_TRUE(WriteFileAtomically(File("link2"), "through two"));
  ASSERT_TRUE(WriteFileAtomically(File("dangling"), "made"));
  EXPECT_TRUE(std::filesystem::is_symlink(File("link1")));
  EXPECT_TRUE(std::filesystem::is_symlink(File("link2")));
  EXPECT_TRUE(std::filesystem::is_symlink(File("dangling")));
  EXPECT_EQ(*ReadFileBytes(File("real/Settings.ini")), "through two");
  EXPECT_EQ(*ReadFileBytes(File("real/later.ini")), "made");
}

TEST_F(Files, InstallCopiesOnlyWhatIsMissing) {
  Write("shipped.cmp", "0 2 90 4");
  ASSERT_EQ(::chmod(File("shipped.cmp").c_str(), 0444), 0);
  Write("mine.cmp", "0 1");
  const mode_t old = ::umask(022);
  EXPECT_EQ(InstallMissingFile(File("shipped.cmp"), File("copy.cmp")), InstallResult::Installed);
  ::umask(old);
  EXPECT_EQ(*ReadFileBytes(File("copy.cmp")), "0 2 90 4");
  EXPECT_EQ(Mode(File("copy.cmp")), 0644u) << "the user's copy is the user's to change";
  EXPECT_EQ(InstallMissingFile(File("shipped.cmp"), File("mine.cmp")), InstallResult::Present);
  EXPECT_EQ(*ReadFileBytes(File("mine.cmp")), "0 1");
  std::filesystem::create_symlink("elsewhere.cmp", File("link.cmp"));
  EXPECT_EQ(InstallMissingFile(File("shipped.cmp"), File("link.cmp")), InstallResult::Present);
  EXPECT_EQ(InstallMissingFile(File("no-such.cmp"), File("other.cmp")), InstallResult::Failed);
  EXPECT_FALSE(FileExists(File("other.cmp")));
  int temporaries = 0;
  for (const auto& e : std::filesystem::directory_iterator(Path()))
    temporaries += e.path().filename().string().find(".tmp") != std::string::npos;
  EXPECT_EQ(temporaries, 0);
}

TEST_F(Files, StarFileFromTheCurrentFolderFirstAndUserFilesOnlyWhenMissing) {
  for (const char* folder : {"current", "program", "settings"}) std::filesystem::create_directories(File(folder));
  const auto install = [this](const std::string& settings) {
    return InstallProgramFiles(File("current/"), File("program/"), File(settings));
  };
  Write("current/Mstars.dat", "current stars");
  Write("program/Mstars.dat", "shipped stars");
  Write("program/Position.txt", "Oulu=65_1_N,25_28_E\n");
  Write("program/Kurssi.cmp", "0 3");
  Write("program/notes.txt", "not for the user");
  Write("settings/Kurssi.cmp", "mine");
  InstalledFiles done = install("settings/");
  EXPECT_TRUE(done.starFile);
  EXPECT_TRUE(done.failed.empty());
  EXPECT_EQ(*ReadFileBytes(File("settings/Mstars.dat")), "current stars");
  EXPECT_EQ(*ReadFileBytes(File("settings/Position.txt")), "Oulu=65_1_N,25_28_E\n");
  EXPECT_EQ(*ReadFileBytes(File("settings/Kurssi.cmp")), "mine");
  EXPECT_FALSE(FileExists(File("settings/notes.txt")));

  std::filesystem::remove(File("current/Mstars.dat"));
  std::filesystem::remove(File("settings/Mstars.dat"));
  EXPECT_TRUE(install("settings/").starFile);
  EXPECT_EQ(*ReadFileBytes(File("settings/Mstars.dat")), "shipped stars");
  std::filesystem::remove(File("program/Mstars.dat"));
  EXPECT_TRUE(install("settings/").starFile) << "the one installed before";
  std::filesystem::remove(File("settings/Mstars.dat"));
  EXPECT_FALSE(install("settings/").starFile);

  done = install("missing/");
  std::sort(done.failed.begin(), done.failed.end());
  EXPECT_EQ(done.failed, (std::vector<std::string>{"Kurssi.cmp", "Position.txt"}));
}

TEST_F(Files, UnreadableIniIsKeptAsBadBeforeItIsReplaced) {
  struct Case {
    const char* what;
    std::string bytes;
    bool kept;
  };
  const Case cases[] = {
      {"sound", "[S]\nK=1\n", false},
      {"empty", "", false},
      {"blank", " \r\n\n", false},
      {"one damaged line", "[S]\nK=1\nL=" + std::string(5000, 'x') + "\n", true},
      {"a NUL byte", std::string("[S]\nK=1\nL=a\0b\n", 14), true},
      {"no settings at all", "lorem ipsum\n", true},
  };
  for (const auto& c : cases) {
    std::filesystem::remove(File("Settings.ini.bad"));
    Write("Settings.ini", c.bytes);
    IniFile ini(File("Settings.ini"));
    ini.Write("S", "New", "2");
    ASSERT_TRUE(ini.Commit()) << c.what;
    EXPECT_EQ(ini.KeptCopy().empty(), !c.kept) << c.what;
    EXPECT_EQ(FileExists(File("Settings.ini.bad")), c.kept) << c.what;
    if (c.kept) {
      EXPECT_EQ(*ReadFileBytes(File("Settings.ini.bad")), c.bytes) << c.what;
    }
    const IniFile again(File("Settings.ini"));
    EXPECT_EQ(again.Read("S", "New", ""), "2") << c.what;
    if (c.bytes.find("K=1") != std::string::npos) {
      EXPECT_EQ(again.Read("S", "K", ""), "1") << c.what << ": the lines that read are kept";
    }
  }
}

TEST_F(Files, SettingsTooLargeToReadAreKeptOnceNotLost) {
  Write("Settings.ini", "[S]\nK=1\n");
  std::filesystem::resize_file(File("Settings.ini"), (64u << 20) + 1);  // sparse: no 64 MB written
  IniFile first(File("Settings.ini"));
  IniFile second(File("Settings.ini"));  // open at the same time, saved after the first
  first.Write("S", "New", "1");
  ASSERT_TRUE(first.Commit());
  EXPECT_EQ(first.KeptCopy(), File("Settings.ini.bad"));
  EXPECT_EQ(std::filesystem::file_size(File("Settings.ini.bad")), (64u << 20) + 1);
  second.Write("S", "Other", "2");
  ASSERT_TRUE(second.Commit());
  EXPECT_TRUE(second.KeptCopy().empty()) << "the first save's file was readable";
  EXPECT_EQ(std::filesystem::file_size(File("Settings.ini.bad")), (64u << 20) + 1);
  EXPECT_FALSE(first.Commit() && !first.KeptCopy().empty()) << "said once";
}

TEST_F(Files, SharedIniIsReadAgainOnlyWhenTheFileChanged) {
  Write("Settings.ini", "[S]\nK=1\n");
  const auto first = SharedIniFile(File("Settings.ini"));
  const auto second = SharedIniFile(File("Settings.ini"));
  EXPECT_EQ(first.get(), second.get());
  first->Write("S", "K", "2");
  EXPECT_EQ(second->Read("S", "K", ""), "2");
  ASSERT_TRUE(first->Commit());
  EXPECT_EQ(SharedIniFile(File("Settings.ini")).get(), first.get()) << "its own save is not read again";
  Write("Settings.ini", "[S]\nK=333\n");  // another program, or the user's editor
  EXPECT_EQ(SharedIniFile(File("Settings.ini"))->Read("S", "K", ""), "333");
  std::filesystem::remove(File("Settings.ini"));
  EXPECT_EQ(SharedIniFile(File("Settings.ini"))->Read("S", "K", "gone"), "gone");
}

}  // namespace
}  // namespace veltrane
