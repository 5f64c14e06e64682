#pragma once
// The data files shipped with the program (data/ of the source tree), as the tests read them.
#include <string>

namespace veltrane::test {

inline std::string ShippedDataFile(const std::string& name) { return std::string(VELTRANE_TEST_DATA_DIR) + name; }

}  // namespace veltrane::test
