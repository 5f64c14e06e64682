#include "cli/options.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "foundation/calendar.h"
#include "foundation/numbers.h"

namespace veltrane::cli {
namespace {

// Longer arguments are cut in messages, so one stays one readable line.
constexpr size_t kLongestMessage = 300;

std::string Shortest(double v) {
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general);
  return std::string(buf, r.ptr);
}

// An option of one value read by the given reader, which throws for a bad one.
template <typename Reader>
CLI::Option* AddReader(CLI::App* command, const std::string& name, const std::string& help,
                       const std::string& type, Reader read) {
  CLI::Option* option = command->add_option(
      name,
      [read](const CLI::results_t& values) {
        read(values.empty() ? std::string() : values.front());
        return true;
      },
      help);
  return option->type_name(type)->type_size(1)->expected(1);
}

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

std::vector<double> NumberList(const std::string& name, const std::string& text) {
  std::vector<double> out;
  size_t start = 0;
  while (true) {
    const size_t comma = text.find(',', start);
    const auto v = ParseReal(text.substr(start, comma == std::string::npos ? comma : comma - start));
    if (!v) throw CLI::ValidationError(name, Quoted(text) + " is not a list of numbers");
    out.push_back(*v);
    if (comma == std::string::npos) return out;
    start = comma + 1;
  }
}

LatLon PositionIn(const std::string& name, const std::vector<double>& v) {
  if (std::fabs(v[0]) > 90.0 || std::fabs(v[1]) > 180.0)
    throw CLI::ValidationError(name, "latitude must lie in -90..90 and longitude in -180..180 degrees");
  return {v[0], v[1]};
}

}  // namespace

double NumberIn(const std::string& name, const std::string& text, double low, double high) {
  const auto v = ParseReal(text);
  if (!v) throw CLI::ValidationError(name, Quoted(text) + " is not a number");
  if (*v < low || *v > high)
    throw CLI::ValidationError(name, "must lie in " + Shortest(low) + ".." + Shortest(high));
  return *v;
}

CLI::Option* AddNumber(CLI::App* command, const std::string& name, double& into,
                       const std::string& help, double low, double high) {
  return AddReader(command, name, help + ", " + Shortest(low) + ".." + Shortest(high), "NUMBER",
                   [&into, name, low, high](const std::string& text) { into = NumberIn(name, text, low, high); });
}

CLI::Option* AddNumber(CLI::App* command, const std::string& name, std::optional<double>& into,
                       const std::string& help, double low, double high) {
  return AddReader(command, name, help + ", " + Shortest(low) + ".." + Shortest(high), "NUMBER",
                   [&into, name, low, high](const std::string& text) { into = NumberIn(name, text, low, high); });
}

CLI::Option* AddInteger(CLI::App* command, const std::string& name, int& into,
                        const std::string& help, int low, int high) {
  return AddReader(command, name, help + ", " + std::to_string(low) + ".." + std::to_string(high), "INTEGER",
                   [&into, name, low, high](const std::string& text) {
                     const auto v = ParseInt(text);
                     if (!v) throw CLI::ValidationError(name, Quoted(text) + " is not a whole number");
                     if (*v < low || *v > high)
                       throw CLI::ValidationError(name, "must lie in " + std::to_string(low) + ".." +
                                                            std::to_string(high));
                     into = *v;
                   });
}

CLI::Option* AddText(CLI::App* command, const std::string& name, std::string& into,
                     const std::string& help) {
  return AddReader(command, name, help, "TEXT", [&into](const std::string& text) { into = text; });
}

CLI::Option* AddText(CLI::App* command, const std::string& name, std::optional<std::string>& into,
                     const std::string& help) {
  return AddReader(command, name, help, "TEXT", [&into](const std::string& text) { into = text; });
}

CLI::Option* AddChoice(CLI::App* command, const std::string& name, std::string& into,
                       const std::string& help, const std::vector<std::string>& words) {
  std::string list;
  for (const std::string& w : words) list += (list.empty() ? "" : ", ") + w;
  return AddReader(command, name, help + ": " + list, "WORD", [&into, name, words, list](const std::string& text) {
    if (std::find(words.begin(), words.end(), text) == words.end())
      throw CLI::ValidationError(name, "must be one of " + list);
    into = text;
  });
}

CLI::Option* AddPosition(CLI::App* command, const std::string& name, LatLon& into,
                         const std::string& help) {
  return AddReader(command, name, help + ", LAT,LON in degrees (north and east positive)", "LAT,LON",
                   [&into, name](const std::string& text) {
                     const std::vector<double> v = NumberList(name, text);
                     if (v.size() != 2) throw CLI::ValidationError(name, "must be LAT,LON");
                     into = PositionIn(name, v);
                   });
}

CLI::Option* AddBearingLine(CLI::App* command, const std::string& name, LatLon& at,
                            double& bearing, const std::string& help) {
  return AddReader(command, name, help + ", LAT,LON,BEARING in degrees (north and east positive, bearing true)",
                   "LAT,LON,BEARING", [&at, &bearing, name](const std::string& text) {
                     const std::vector<double> v = NumberList(name, text);
                     if (v.size() != 3) throw CLI::ValidationError(name, "must be LAT,LON,BEARING");
                     at = PositionIn(name, v);
                     if (v[2] < 0.0 || v[2] > 360.0)
                       throw CLI::ValidationError(name, "the bearing must lie in 0..360 degrees");
                     bearing = v[2];
                   });
}

UtcTime UtcIn(const std::string& name, const std::string& t) {
  const std::string date = GetField(t, 'T', 0), time = GetField(t, 'T', 1);
  const bool negative = !date.empty() && date[0] == '-';
  const std::string d = negative ? date.substr(1) : date;
  const auto y = ParseInt(GetField(d, '-', 0));
  const auto mo = ParseInt(GetField(d, '-', 1));
  const auto da = ParseInt(GetField(d, '-', 2));
  const auto h = ParseInt(GetField(time, ':', 0));
  const auto mi = ParseInt(time.empty() ? "0" : GetField(time, ':', 1));
  const std::string secText = GetField(time, ':', 2);
  const auto s = ParseReal(secText.empty() ? "0" : secText);
  if (!y || !mo || !da || (!time.empty() && !h) || !mi || !s || (h && (*h < 0 || *h > 23)) || *mi < 0 ||
      *mi > 59 || *s < 0 || *s >= 60.0)
    throw CLI::ValidationError(name, Quoted(t) + " is not a time YYYY-MM-DDThh:mm:ss");
  const int year = negative ? -*y : *y;
  if (year < kFirstYear || year > kLastYear)
    throw CLI::ValidationError(name, "the year must lie in " + std::to_string(kFirstYear) + ".." +
                                         std::to_string(kLastYear));
  if (!IsCalendarDay(year, *mo, *da)) throw CLI::ValidationError(name, Quoted(t) + " is not a day of the calendar");
  UtcTime u;
  u.year = year;
  u.month = *mo;
  u.day = *da;
  u.hours = (h ? *h : 0) + *mi / 60.0 + *s / 3600.0;
  return u;
}

CLI::Option* AddUtc(CLI::App* command, const std::string& name, UtcTime& into,
                    const std::string& help) {
  return AddReader(command, name,
                   help + ", YYYY-MM-DDThh:mm:ss in UT, years " + std::to_string(kFirstYear) + ".." +
                       std::to_string(kLastYear),
                   "UTC", [&into, name](const std::string& text) { into = UtcIn(name, text); });
}

std::string OneLine(const std::string& message) {
  static const char* const kHex = "0123456789abcdef";
  std::string out;
  for (size_t i = 0; i < message.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(message[i]);
    // Stop before a character that would pass the bound, never inside one.
    if (out.size() >= kLongestMessage && (c & 0xC0) != 0x80) {
      out += "...";
      break;
    }
    if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else if (c == '\t') out += "\\t";
    else if (c < 0x20 || c == 0x7F) out += std::string("\\x") + kHex[c >> 4] + kHex[c & 15];
    else out += static_cast<char>(c);
  }
  return out;
}

}  // namespace veltrane::cli
