#pragma once
// The 73-byte records of the star file "Mstars.dat": seven length-prefixed text fields.
#include <array>
#include <optional>
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
// The star file read whole; nothing when it is missing or cannot be read.
std::optional<std::vector<StarRecord>> LoadStarFile(const std::string& path);
// The first star of that name, compared without regard to case or surrounding blanks.
const StarRecord* FindStar(const std::vector<StarRecord>& stars, const std::string& name);

// A star's catalogue place as the apparent-place computation takes it.
struct StarCatalogueData {
  double raHours = 0.0;  // epoch 2000
  double decDeg = 0.0;   // epoch 2000, north positive
  double pmRa = 0.0;     // seconds of time per year
  double pmDec = 0.0;    // seconds of arc per year
};

// ra "hh:mm:ss.s"; dec "+dd:mm:ss" whose sign holds also when the degrees are 0 ("-00:17:57"
// is south); numbers that do not read count as 0.
StarCatalogueData ReadStarCatalogueData(const std::string& ra, const std::string& dec,
                                        const std::string& prpA, const std::string& prpD);
StarCatalogueData StarCatalogueDataOf(const StarRecord& star);

}  // namespace veltrane
