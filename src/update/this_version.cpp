#include "update/version.h"

#ifndef VELTRANE_VERSION
#error "VELTRANE_VERSION comes from the top CMakeLists.txt"
#endif

namespace veltrane {

VersionNumber ThisVersion() {
  static const VersionNumber version = ParseVersion(VELTRANE_VERSION).value_or(VersionNumber{});
  return version;
}

}  // namespace veltrane
