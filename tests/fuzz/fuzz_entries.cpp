#include "fuzz/fuzz_entries.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "astro/star_record.h"
#include "cli/commands.h"
#include "coastal/deviation.h"
#include "foundation/ini_file.h"
#include "foundation/text_file.h"
#include "greatcircle/position_check.h"
#include "greatcircle/position_file.h"
#include "update/update_answer.h"

namespace veltrane::fuzz {

namespace {

void Require(bool property, const char* what) {
  if (property) return;
  std::fprintf(stderr, "property broken: %s\n", what);
  std::abort();
}

// A file of this process holding the input; in memory when /dev/shm is there, so that the
// disk syncs of a save cost nothing.
std::string InputFile(const char* name, const uint8_t* data, size_t size) {
  namespace fs = std::filesystem;
  static const fs::path folder = [] {
    std::error_code ec;
    const fs::path base = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path f = base / ("veltrane-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(f);
    return f;
  }();
  const std::string path = (folder / name).string();
  std::error_code ec;
  fs::remove(path + ".bad", ec);
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                   static_cast<std::streamsize>(size));
  return path;
}

std::vector<std::string> Lines(const char* name, const uint8_t* data, size_t size) {
  return ReadTextLines(InputFile(name, data, size)).value_or(std::vector<std::string>{});
}

}  // namespace

void SettingsFile(const uint8_t* data, size_t size) {
  const std::string path = InputFile("Settings.ini", data, size);
  const std::pair<const char*, const char*> keys[] = {
      {"VeltraneForm", "fNavi"}, {"VeltraneForm", "ResFonts"}, {"NaviForm", "LatDeg1"}, {"S", "K"}};
  std::vector<std::string> values;
  {
    IniFile ini(path);
    for (const auto& [section, key] : keys) values.push_back(ini.Read(section, key, "-1"));
    for (size_t i = 0; i < values.size(); ++i) ini.Write(keys[i].first, keys[i].second, values[i]);
    Require(ini.Commit(), "a settings file in a writable folder saves");
  }
  const IniFile again(path);
  for (size_t i = 0; i < values.size(); ++i)
    Require(again.Read(keys[i].first, keys[i].second, "-1") == values[i], "a value written back reads the same");
}

void StarFile(const uint8_t* data, size_t size) {
  const auto stars = LoadStarFile(InputFile("Mstars.dat", data, size));
  Require(stars.has_value(), "a star file that is there reads");
  Require(stars->size() == size / kStarRecordSize, "one star per whole record");
  for (const StarRecord& star : *stars) {
    const StarCatalogueData place = StarCatalogueDataOf(star);
    Require(std::isfinite(place.raHours) && std::isfinite(place.decDeg), "a catalogue place is a number");
    Require(FindStar(*stars, star.name) != nullptr, "every star is found by its name");
  }
}

void PositionFile(const uint8_t* data, size_t size) {
  const auto lines = Lines("Position.txt", data, size);
  const auto names = PlaceNames(lines);
  for (const auto& name : names) {
    Require(HasPlaceName(lines, name), "a listed name is in the file");
    const auto place = FindPlace(lines, name);
    Require(place.has_value(), "a listed name is found");
    const auto back = ParsePositionLine(FormatPositionLine(*place));
    Require(back.has_value(), "a place written back reads");
    // Empty minutes are written as "0": the same place.
    const auto minutes = [](const std::string& text) { return text.empty() ? std::string("0") : text; };
    Require(back->latDeg == place->latDeg && minutes(back->latMin) == minutes(place->latMin) &&
                back->north == place->north && back->lonDeg == place->lonDeg &&
                minutes(back->lonMin) == minutes(place->lonMin) && back->west == place->west,
            "a place written back reads the same");
  }
}

void PositionCheck(const uint8_t* data, size_t size) {
  for (const auto& line : Lines("Checked.txt", data, size)) {
    const LineCheck check = CheckPositionLine(line);
    if (!check.signNotes.empty()) {
      const LineCheck again = CheckPositionLine(check.repaired);
      Require(again.signNotes.empty(), "a repaired line needs no more repair");
    }
  }
}

void CompassTable(const uint8_t* data, size_t size) {
  const DeviationTable table = ParseDeviationTable(
      ReadTextFile(InputFile("Fuzz.cmp", data, size)).value_or(std::string()));
  for (double heading : {0.0, 0.5, 45.0, 179.9, 180.0, 359.9, 360.0, -1.0, 1e9}) {
    for (HeadingKind kind : {HeadingKind::Compass, HeadingKind::Magnetic}) {
      const int deviation = DeviationAtHeading(table, heading, kind);
      Require(deviation >= -180 && deviation <= 180, "a deviation is within half a circle");
    }
  }
}

void CommandLine(const uint8_t* data, size_t size) {
  std::vector<std::string> args(1);
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == 0)
      args.emplace_back();
    else
      args.back() += static_cast<char>(data[i]);
  }
  if (size == 0) args.clear();
  for (const std::string& arg : args)
    if (arg == "check-update" || arg == "almanac-pages") return;
  std::string out, err;
  const int code = cli::RunCli(args, out, err);
  Require(code >= 0 && code <= 2, "the tool ends with 0, 1 or 2");
  Require(code != 0 || !out.empty(), "a success answers");
  Require(code != 1 || out.find("\"error\"") != std::string::npos, "a failure answers with an error");
  Require(code != 2 || (!err.empty() && err.find('\n') == std::string::npos), "bad arguments say so on one line");
}

void UpdateAnswer(const uint8_t* data, size_t size) {
  const std::string answer(reinterpret_cast<const char*>(data), size);
  const std::optional<AnnouncedVersion> announced = ReadAnnouncedVersion(answer);
  if (announced) {
    Require(!announced->text.empty() && announced->text.size() <= 23, "a version is short");
    Require(announced->text.find_first_not_of("0123456789.") == std::string::npos, "a version is digits and dots");
    const std::optional<VersionNumber> again = ParseVersion(announced->text);
    Require(again && *again == announced->number, "the announced text reads as its number");
  }
  const UpdateVerdict verdict = JudgeUpdate(answer, VersionNumber{1, 0, 0, 0});
  Require(verdict.outcome != UpdateOutcome::NoContact, "an answer is contact");
  Require((verdict.outcome == UpdateOutcome::Available) == (announced && announced->number > VersionNumber{1, 0, 0, 0}),
          "only a newer version is available");
}

const std::vector<NamedEntry>& Entries() {
  static const std::vector<NamedEntry> entries = {{"settings", SettingsFile},
                                                  {"star_file", StarFile},
                                                  {"position_file", PositionFile},
                                                  {"position_check", PositionCheck},
                                                  {"compass_table", CompassTable},
                                                  {"command_line", CommandLine},
                                                  {"update_answer", UpdateAnswer}};
  return entries;
}

}  // namespace veltrane::fuzz
