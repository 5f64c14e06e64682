#include "astro/star_record.h"

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

}  // namespace veltrane
