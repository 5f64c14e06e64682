#pragma once
// The periodic terms of the Moon's longitude, latitude and distance.
#include <array>

namespace veltrane {

// Multipliers of the arguments D, M, M', F and the coefficients of one row.
struct MoonTerm {
  signed char d, m, mp, f;
  double a;  // longitude or latitude, degrees
  double b;  // distance, thousands of km (longitude and distance table only)
};

extern const std::array<MoonTerm, 60> kMoonLongitudeDistanceTerms;
extern const std::array<MoonTerm, 60> kMoonLatitudeTerms;

}  // namespace veltrane
