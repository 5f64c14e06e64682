#include "celestial/sight_log.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "foundation/calendar.h"
#include "foundation/numbers.h"
#include "foundation/text_file.h"

namespace veltrane {
namespace {

constexpr size_t kColumns = 10;
constexpr const char* kBodies[] = {"sun", "moon", "venus", "mars", "jupiter", "saturn", "star"};

struct Record {
  int line = 0;  // where it starts, from 1
  std::vector<std::string> fields;
  bool unclosedQuote = false;
};

// Rows of comma-separated fields; a field in double quotes may hold commas, line ends and
// doubled quotes.
std::vector<Record> SplitRecords(const std::string& text) {
  std::vector<Record> records;
  Record current{1, {std::string()}, false};
  int line = 1;
  bool quoted = false;
  bool rowHasText = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        current.fields.back() += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        if (c == '\n') ++line;
        current.fields.back() += c;
      }
      continue;
    }
    if (c == '"') {
      quoted = true;
      rowHasText = true;
    } else if (c == ',') {
      current.fields.emplace_back();
      rowHasText = true;
    } else if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      if (rowHasText) records.push_back(current);
      ++line;
      current = {line, {std::string()}, false};
      rowHasText = false;
    } else {
      current.fields.back() += c;
      if (c != ' ' && c != '\t') rowHasText = true;
    }
  }
  current.unclosedQuote = quoted;
  if (rowHasText) records.push_back(current);
  return records;
}

// Up to six decimals, no trailing zeros: what was typed comes back as it was.
std::string NumberText(double v) {
  std::string t = Str(v, 6);
  while (t.back() == '0') t.pop_back();
  if (t.back() == '.') t.pop_back();
  return t;
}

std::string Quoted(const std::string& field) {
  if (field.find_first_of(",\"\r\n") == std::string::npos && TrimBlanks(field) == field) return field;
  std::string q = "\"";
  for (char c : field) q += c == '"' ? std::string("\"\"") : std::string(1, c);
  return q + '"';
}

// A number of the row within its limits; an empty field takes the default when there is one.
std::optional<double> Number(const std::string& text, std::optional<double> empty, double low, double high) {
  const std::string t = TrimBlanks(text);
  if (t.empty()) return empty;
  const std::optional<double> v = ParseReal(t);
  if (!v || *v < low || *v > high) return std::nullopt;
  return v;
}

std::string Limits(const char* what, double low, double high) {
  return std::string(what) + " must be a number from " + Str(low, 0) + " to " + Str(high, 0);
}

std::optional<LoggedSight> SightOf(const std::vector<std::string>& f, std::string& message);

}  // namespace

LoggedSightReading ReadSightFields(const std::vector<std::string>& f) {
  if (f.size() != kColumns)
    return {std::nullopt, std::to_string(kColumns) + " fields expected, " + std::to_string(f.size()) + " found"};
  std::string message;
  std::optional<LoggedSight> sight = SightOf(f, message);
  return {std::move(sight), message};
}

namespace {

// The row's sight, or the message of its first fault.
std::optional<LoggedSight> SightOf(const std::vector<std::string>& f, std::string& message) {
  LoggedSight s;
  const std::string body = LowerFold(TrimBlanks(f[0]));
  bool known = false;
  for (size_t i = 0; i < std::size(kBodies); ++i)
    if (body == kBodies[i]) s.body = static_cast<NavBody>(i), known = true;
  if (!known) {
    message = "the body must be sun, moon, venus, mars, jupiter, saturn or star";
    return std::nullopt;
  }
  s.star = TrimBlanks(f[1]);
  const std::optional<SightInstant> when = ParseUtcText(TrimBlanks(f[2]));
  if (!when) {
    message = "the time must be UT as YYYY-MM-DDThh:mm:ss";
    return std::nullopt;
  }
  s.utc = *when;
  struct Column {
    double* into;
    std::optional<double> empty;
    double low, high;
    const char* what;
  };
  const Column columns[] = {{&s.hs, std::nullopt, kMinSextantAltitude, 90.0, "the sextant altitude"},
                            {&s.indexError, 0.0, -10.0, 10.0, "the index error"},
                            {&s.eyeHeight, 0.0, 0.0, 8900.0, "the height of eye"},
                            {&s.pressure, 1010.0, 950.0, 1080.0, "the pressure"},
                            {&s.temperature, 10.0, -70.0, 60.0, "the temperature"}};
  for (size_t i = 0; i < std::size(columns); ++i) {
    const Column& c = columns[i];
    const std::optional<double> v = Number(f[3 + i], c.empty, c.low, c.high);
    if (!v) {
      message = Limits(c.what, c.low, c.high);
      return std::nullopt;
    }
    *c.into = *v;
  }
  const std::string limb = LowerFold(TrimBlanks(f[8]));
  if (limb == "upper") {
    s.limb = Limb::Upper;
  } else if (limb.empty() || limb == "lower") {
    s.limb = Limb::Lower;
  } else {
    message = "the limb must be lower or upper";
    return std::nullopt;
  }
  s.remark = f[9];
  message = CheckLoggedSight(s);
  if (!message.empty()) return std::nullopt;
  return s;
}

}  // namespace

std::optional<SightInstant> ParseUtcText(const std::string& text) {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, used = 0;
  if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
      text[16] != ':')
    return std::nullopt;
  for (size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u, 11u, 12u, 14u, 15u, 17u, 18u})
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%n", &year, &month, &day, &hour, &minute, &second, &used) !=
          6 ||
      used != 19)
    return std::nullopt;
  if (year > kLastLogYear || !IsCalendarDay(year, month, day) || hour > 23 || minute > 59 || second > 59) return std::nullopt;
  SightInstant when;
  when.date.Year = year, when.date.Month = month, when.date.Day = day;
  when.ut = hour + minute / 60.0 + second / 3600.0;
  return when;
}

std::string UtcText(const SightInstant& when) {
  const int seconds = static_cast<int>(std::clamp(std::lround(when.ut * 3600.0), 0L, 86399L));
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", when.date.Year, when.date.Month,
                when.date.Day, seconds / 3600, seconds / 60 % 60, seconds % 60);
  return text;
}

std::string LogBodyName(NavBody body) { return kBodies[static_cast<size_t>(body)]; }
std::string LogLimbName(Limb limb) { return limb == Limb::Upper ? "upper" : "lower"; }

std::string CheckLoggedSight(const LoggedSight& s) {
  if (s.body == NavBody::Star && s.star.empty()) return "a star sight needs the star's name";
  if (s.body != NavBody::Star && !s.star.empty()) return "only a star sight names a star";
  return {};
}

SightLogReading ReadSightLog(const std::string& text) {
  SightLogReading r;
  std::vector<Record> records = SplitRecords(text);
  size_t first = 0;
  if (!records.empty() && LowerFold(TrimBlanks(records[0].fields[0])) == "body") {
    std::string header;
    for (const std::string& f : records[0].fields) header += (header.empty() ? "" : ",") + LowerFold(TrimBlanks(f));
    if (header != kSightLogHeader) {
      r.problems.push_back("Line 1: the columns must be " + std::string(kSightLogHeader));
      return r;
    }
    first = 1;
  }
  for (size_t i = first; i < records.size(); ++i) {
    const Record& rec = records[i];
    const std::string where = "Line " + std::to_string(rec.line) + ": ";
    if (rec.unclosedQuote) {
      r.problems.push_back(where + "a quoted field is not closed");
      continue;
    }
    LoggedSightReading row = ReadSightFields(rec.fields);
    if (row.sight)
      r.sights.push_back(std::move(*row.sight));
    else
      r.problems.push_back(where + row.message);
  }
  return r;
}

std::string SightLogText(const std::vector<LoggedSight>& sights) {
  std::string text = std::string(kSightLogHeader) + "\n";
  for (const LoggedSight& s : sights) {
    const std::string fields[] = {LogBodyName(s.body), Quoted(s.star), UtcText(s.utc),
                                  NumberText(s.hs), NumberText(s.indexError), NumberText(s.eyeHeight),
                                  NumberText(s.pressure), NumberText(s.temperature), LogLimbName(s.limb),
                                  Quoted(s.remark)};
    for (size_t i = 0; i < std::size(fields); ++i) text += (i ? "," : "") + fields[i];
    text += "\n";
  }
  return text;
}

SightLogReading LoadSightLog(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::exists(path, error) && !error) return {};
  const std::optional<std::string> text = ReadTextFile(path);
  if (!text) return {{}, {"The sight log " + path + " cannot be read"}};
  return ReadSightLog(*text);
}

bool SaveSightLog(const std::string& path, const std::vector<LoggedSight>& sights) {
  return WriteFileAtomically(path, SightLogText(sights));
}

}  // namespace veltrane
