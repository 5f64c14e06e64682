#include "coastal/deviation.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <system_error>

#include "foundation/numbers.h"
#include "foundation/text_file.h"

namespace veltrane {

namespace {

constexpr int kMaxDeviation = 180;
constexpr size_t kMaxCompassName = 30;

int WholeCircle(int h) { return ((h % 360) + 360) % 360; }

// Whole degrees between two headings the short way round.
int ArcBetween(int a, int b) {
  const int d = WholeCircle(a - b);
  return d > 180 ? 360 - d : d;
}

// North is heading 0 and 360 alike: a table that gives only one of them gives it for both.
std::optional<int> SlotValue(const DeviationTable& table, int slot) {
  if (table.present[slot]) return table.value[slot];
  if (slot == 0 && table.present[360]) return table.value[360];
  return std::nullopt;
}

std::optional<std::string> TableFile(const std::vector<std::string>& folders, const std::string& compass) {
  // A compass name is a file name in the program's folders, never a path elsewhere.
  if (compass.empty() || compass.find_first_of("/\\") != std::string::npos || compass == "." || compass == "..")
    return std::nullopt;
  for (const auto& folder : folders) {
    const std::string path = folder + compass + ".cmp";
    if (FileExists(path)) return path;
  }
  return std::nullopt;
}

}  // namespace

DeviationTable ParseDeviationTable(std::string_view text) {
  DeviationTable table;
  std::istringstream words{std::string(text)};
  std::string headingWord, deviationWord;
  while (words >> headingWord >> deviationWord) {
    const bool numbers = ParseReal(headingWord) && ParseReal(deviationWord);
    if (!numbers) break;
    const auto heading = ParseInt(headingWord);
    const auto deviation = ParseInt(deviationWord);
    if (!heading || !deviation || *heading < 0 || *heading > 360 || *deviation < -kMaxDeviation ||
        *deviation > kMaxDeviation)
      continue;
    table.value[*heading] = *deviation;
    table.present[*heading] = true;
  }
  return table;
}

int LookupDeviation(const DeviationTable& table, int heading) {
  if (heading == 360 && table.present[360]) return table.value[360];
  const int h = WholeCircle(heading);
  if (const auto v = SlotValue(table, h)) return *v;
  int k = 1;
  std::optional<int> up;
  while (k < 360 && !(up = SlotValue(table, (h + k) % 360))) ++k;
  int j = 1;
  std::optional<int> down;
  while (j < 360 && !(down = SlotValue(table, (h - j + 360) % 360))) ++j;
  const double u = up.value_or(0), d = down.value_or(0);
  return static_cast<int>(d - RoundHalfEven(j / double(k + j) * (d - u)));
}

int ReverseLookupDeviation(const DeviationTable& table, int magnetic) {
  // The compass heading whose magnetic heading comes nearest; among equals the one nearest
  // the magnetic heading itself, as a real compass deviates only a few degrees.
  const int m = WholeCircle(magnetic);
  int best = m;
  int bestMiss = 361, bestOff = 361;
  for (int compass = 0; compass < 360; ++compass) {
    const int miss = ArcBetween(compass + LookupDeviation(table, compass), m);
    const int off = ArcBetween(compass, m);
    if (miss < bestMiss || (miss == bestMiss && off < bestOff)) {
      best = compass;
      bestMiss = miss;
      bestOff = off;
    }
  }
  return LookupDeviation(table, best);
}

int DeviationAtHeading(const DeviationTable& table, double heading, HeadingKind kind) {
  if (!std::isfinite(heading)) return 0;
  const double whole = kind == HeadingKind::Compass ? std::trunc(heading) : RoundHalfEven(heading);
  const int h = static_cast<int>(std::fmod(whole, 360.0)) + (whole == 360.0 ? 360 : 0);
  return kind == HeadingKind::Compass ? LookupDeviation(table, h) : ReverseLookupDeviation(table, h);
}

bool IsIdealCompass(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  return lower == "ideal";
}

std::vector<std::string> CompassNames(const std::vector<std::string>& folders) {
  namespace fs = std::filesystem;
  std::vector<std::string> names;
  for (const auto& folder : folders) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      const std::string file = it->path().filename().string();
      if (file.size() <= 4 || file.compare(file.size() - 4, 4, ".cmp") != 0) continue;
      std::error_code sizeError;
      if (!it->is_regular_file(sizeError) || it->file_size(sizeError) == 0 || sizeError) continue;
      const std::string name = file.substr(0, file.size() - 4);
      if (name.size() <= kMaxCompassName && !IsIdealCompass(name)) names.push_back(name);
    }
  }
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

CompassTable FindCompassTable(const std::vector<std::string>& folders, const std::string& compass) {
  CompassTable r;
  if (compass.empty() || IsIdealCompass(compass)) return r;
  if (const auto path = TableFile(folders, compass))
    r.table = ParseDeviationTable(ReadTextFile(*path).value_or(std::string()));
  else
    r.message = "File " + compass + ".cmp not found.";
  return r;
}

}  // namespace veltrane
