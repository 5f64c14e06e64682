#include "astro/star_record.h"

#include "foundation/angles.h"
#include "foundation/calendar.h"
#include "foundation/numbers.h"
#include "foundation/text_file.h"

namespace veltrane {
namespace {

std::string* FieldOf(StarRecord& s, size_t i) {
  std::string* fields[] = {&s.name, &s.ra, &s.dec, &s.prpA, &s.prpD, &s.sao, &s.vmagn};
  return fields[i];
}

// UTF-8 to single-byte Windows-1252 for the characters the star names use (Latin-1 range);
// anything else becomes "?".
std::string ToSingleByte(const std::string& utf8) {
  std::string out;
  for (size_t i = 0; i < utf8.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if ((c & 0xE0) == 0xC0 && i + 1 < utf8.size()) {
      const unsigned cp = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
      out += cp >= 0xA0 && cp <= 0xFF ? static_cast<char>(cp) : '?';
      ++i;
    } else {
      while (i + 1 < utf8.size() && (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80) ++i;
      out += '?';
    }
  }
  return out;
}

}  // namespace

std::string EncodeStarRecord(const StarRecord& star) {
  std::string record;
  StarRecord copy = star;
  for (size_t i = 0; i < kStarFieldSizes.size(); ++i) {
    std::string text = ToSingleByte(*FieldOf(copy, i)).substr(0, kStarFieldSizes[i] - 1);
    std::string field(kStarFieldSizes[i], ' ');
    field[0] = static_cast<char>(text.size());
    field.replace(1, text.size(), text);
    record += field;
  }
  return record;
}

std::vector<StarRecord> DecodeStarFile(const std::string& bytes) {
  std::vector<StarRecord> stars;
  const size_t count = bytes.size() / kStarRecordSize;
  stars.reserve(count);
  for (size_t r = 0; r < count; ++r) {
    StarRecord star;
    size_t offset = r * kStarRecordSize;
    for (size_t i = 0; i < kStarFieldSizes.size(); ++i) {
      const size_t maxLen = kStarFieldSizes[i] - 1;
      size_t len = static_cast<unsigned char>(bytes[offset]);
      if (len > maxLen) len = maxLen;
      *FieldOf(star, i) = Windows1252ToUtf8(bytes.substr(offset + 1, len));
      offset += kStarFieldSizes[i];
    }
    stars.push_back(std::move(star));
  }
  return stars;
}

std::optional<std::vector<StarRecord>> LoadStarFile(const std::string& path) {
  const std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return DecodeStarFile(*bytes);
}

const StarRecord* FindStar(const std::vector<StarRecord>& stars, const std::string& name) {
  const std::string wanted = LowerFold(TrimBlanks(name));
  for (const StarRecord& star : stars)
    if (LowerFold(TrimBlanks(star.name)) == wanted) return &star;
  return nullptr;
}

StarCatalogueData ReadStarCatalogueData(const std::string& ra, const std::string& dec,
                                        const std::string& prpA, const std::string& prpD) {
  StarCatalogueData data;
  data.raHours = TimeTextToHours(ra);
  const std::string degText = TrimBlanks(GetField(dec, ':', 0));
  const bool south = degText.find('-') != std::string::npos;
  const int deg = ParseInt(degText).value_or(0);
  int min = ParseInt(GetField(dec, ':', 1)).value_or(0);
  double sec = ParseReal(GetField(dec, ':', 2)).value_or(0.0);
  if (min < 0) min = 0;
  if (!(sec > 0.0)) sec = 0.0;
  // The sign is taken from the text: a degree count of 0 cannot carry it.
  const double magnitude = DmsToDeg(deg < 0 ? -static_cast<double>(deg) : deg, min, sec);
  data.decDeg = south ? -magnitude : magnitude;
  data.pmRa = ParseReal(prpA).value_or(0.0);
  data.pmDec = ParseReal(prpD).value_or(0.0);
  return data;
}

StarCatalogueData StarCatalogueDataOf(const StarRecord& star) {
  return ReadStarCatalogueData(star.ra, star.dec, star.prpA, star.prpD);
}

}  // namespace veltrane
