#pragma once
// The 73-byte records of the star file "Mstars.dat": seven length-prefixed text fields.
#include <array>
#include <string>
#include <vector>

namespace veltrane {

struct StarRecord {
  std::string name;   // at most 15 characters
  std::string ra;     // "hh:mm:ss.s", epoch 2000
  std::string dec;    // "+dd:mm:ss", epoch 2000
  std::string prpA;   // proper motion in right ascension
  std::string prpD;   // proper motion in declination
  std::string sao;    // SAO catalogue number
  std::string vmagn;  // visual magnitude
};

inline constexpr size_t kStarRecordSize = 73;
// Field sizes including the length byte, in record order.
inline constexpr std::array<size_t, 7> kStarFieldSizes = {16, 13, 13, 9, 9, 7, 6};

// Text is single-byte Windows-1252 in the file and UTF-8 in memory.
std::string EncodeStarRecord(const StarRecord& star);
// Records in file order; a trailing partial record is ignored, each length byte is clamped to
// its field's size.
std::vector<StarRecord> DecodeStarFile(const std::string& bytes);

}  // namespace veltrane
