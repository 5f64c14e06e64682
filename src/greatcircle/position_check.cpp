#include "greatcircle/position_check.h"

#include <cctype>
#include <optional>

#include "foundation/calendar.h"
#include "foundation/numbers.h"

namespace veltrane {
namespace {

bool InRange(const std::string& part, int maxDeg) {
  std::string deg = TrimBlanks(GetField(part, '_', 0));
  if (!deg.empty() && deg.front() == '-') deg.erase(0, 1);
  const auto d = ParseInt(deg);
  const std::string min = TrimBlanks(GetField(part, '_', 1));
  const auto m = min.empty() ? std::optional<double>(0.0) : ParseReal(min);
  return d && m && *d >= 0 && *d <= maxDeg && *m >= 0.0 && *m < 60.0;
}

// The part with the sign its letter asks for, or nothing when its sign already agrees.
std::optional<std::string> FixSign(const std::string& part, char plainLetter, char minusLetter) {
  const std::string letter = TrimBlanks(GetField(part, '_', 2));
  const char upper = letter.size() == 1 ? static_cast<char>(std::toupper(static_cast<unsigned char>(letter[0]))) : 0;
  const bool minus = !part.empty() && part.front() == '-';
  if (upper == plainLetter && minus) {
    // Every sign goes, so that "--2_0_N" is not left needing another repair.
    const size_t digits = part.find_first_not_of('-');
    return digits == std::string::npos ? std::string() : part.substr(digits);
  }
  if (upper == minusLetter && !minus) return "-" + part;
  return std::nullopt;
}

}  // namespace

LineCheck CheckPositionLine(const std::string& line) {
  LineCheck r;
  const size_t eq = line.find('=');
  r.name = line.substr(0, eq);
  const std::string value = eq == std::string::npos ? std::string() : line.substr(eq + 1);
  const std::string lat = GetField(value, ',', 0);
  const std::string lon = GetField(value, ',', 1);
  const std::string rest = GetFields(value, ',', 2, 1 << 20);

  std::string wrong;
  if (!InRange(lat, 90)) wrong += " latitude";
  if (!InRange(lon, 180)) wrong += " longitud";
  if (!wrong.empty()) r.rangeMessage = wrong + "Erroneos Name";

  const auto fixedLat = FixSign(lat, 'N', 'S');
  const auto fixedLon = FixSign(lon, 'W', 'E');
  if (fixedLat) r.signNotes += "Latitude Name ";
  if (fixedLon) r.signNotes += "Longitud Name ";
  if (!r.signNotes.empty()) r.repaired = r.name + "=" + fixedLat.value_or(lat) + "," + fixedLon.value_or(lon) + "," + rest;
  return r;
}

}  // namespace veltrane
