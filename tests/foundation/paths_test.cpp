#include "foundation/paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace veltrane {
namespace {

namespace fs = std::filesystem;

class ProgramFolder : public ::testing::Test {
 protected:
  ProgramFolder() : root(fs::temp_directory_path() / ("veltrane-paths-" + std::to_string(::getpid()))) {
    fs::create_directories(root / "usr" / "bin");
  }
  ~ProgramFolder() override { fs::remove_all(root); }
  std::string Bin() const { return (root / "usr" / "bin").string() + "/"; }
  fs::path root;
};

TEST_F(ProgramFolder, BesideTheExecutableInABuildElseTheInstalledShareFolder) {
  // Neither: the executable's own folder.
  EXPECT_EQ(ProgramFolderFor(Bin()), Bin());
  // Installed: the data lives in ../share/veltrane.
  fs::create_directories(root / "usr" / "share" / "veltrane");
  EXPECT_EQ(ProgramFolderFor(Bin()), (root / "usr" / "share" / "veltrane").string() + "/");
  // A build keeps the star file beside the executable, and that wins.
  std::ofstream(root / "usr" / "bin" / "Mstars.dat") << "x";
  EXPECT_EQ(ProgramFolderFor(Bin()), Bin());
}

}  // namespace
}  // namespace veltrane
