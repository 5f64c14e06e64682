#pragma once
// Star files made in a test, in the form of the program's "Mstars.dat".
#include <string>
#include <vector>

#include "astro/star_record.h"

namespace veltrane::test {

// The title record that starts the shipped file, and a star every list has.
inline const StarRecord kTitleRecord{"Name", "RAscension", "Declination", "PrpA", "PrpD", "SAO", "Vmagn"};
inline const StarRecord kSiriusRecord{"Sirius", "06:45:08.9", "-16:42:58", "-0.0385", "-1.205", "151881", "-1.46"};

inline std::string StarFileBytes(const std::vector<StarRecord>& stars) {
  std::string bytes;
  for (const StarRecord& star : stars) bytes += EncodeStarRecord(star);
  return bytes;
}

}  // namespace veltrane::test
