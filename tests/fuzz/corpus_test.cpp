// Every saved input of every fuzz target, replayed in the ordinary build: an input that once
// broke a reader stays a test.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "fuzz/fuzz_entries.h"

namespace veltrane::fuzz {
namespace {

TEST(FuzzCorpus, EverySavedInputReadsSafely) {
  namespace fs = std::filesystem;
  const fs::path root = fs::path(VELTRANE_FUZZ_CORPUS);
  for (const auto& [name, entry] : Entries()) {
    int inputs = 0;
    for (const auto& file : fs::directory_iterator(root / name)) {
      std::ifstream in(file.path(), std::ios::binary);
      std::stringstream bytes;
      bytes << in.rdbuf();
      const std::string data = bytes.str();
      SCOPED_TRACE(file.path().string());
      entry(reinterpret_cast<const uint8_t*>(data.data()), data.size());
      ++inputs;
    }
    EXPECT_GT(inputs, 0) << name << " has no saved inputs";
  }
}

}  // namespace
}  // namespace veltrane::fuzz
