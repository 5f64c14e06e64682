#include "cli/args.h"

#include <cmath>

#include "foundation/calendar.h"
#include "foundation/numbers.h"

namespace veltrane::cli {

Args::Args(const std::vector<std::string>& words, const std::set<std::string>& flags) {
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& w = words[i];
    if (w.rfind("--", 0) != 0) throw UsageError("unexpected argument '" + w + "'");
    if (flags.count(w)) {
      values_[w] = "";
      continue;
    }
    if (i + 1 >= words.size()) throw UsageError(w + " needs a value");
    values_[w] = words[++i];
  }
}

bool Args::Has(const std::string& key) const { return values_.count(key) > 0; }

std::string Args::Text(const std::string& key) const {
  auto it = values_.find(key);
  if (it == values_.end()) throw UsageError("missing " + key);
  return it->second;
}

std::optional<std::string> Args::OptionalText(const std::string& key) const {
  auto it = values_.find(key);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

double ParseNumberArg(const std::string& key, const std::string& text) {
  const auto v = ParseReal(text);
  if (!v) throw UsageError(key + ": '" + text + "' is not a number");
  return *v;
}

double Args::Number(const std::string& key) const { return ParseNumberArg(key, Text(key)); }

std::optional<double> Args::OptionalNumber(const std::string& key) const {
  if (!Has(key)) return std::nullopt;
  return Number(key);
}

int Args::Integer(const std::string& key) const {
  const std::string t = Text(key);
  const auto v = ParseInt(t);
  if (!v) throw UsageError(key + ": '" + t + "' is not a whole number");
  return *v;
}

std::vector<double> Args::Numbers(const std::string& key) const {
  const std::string t = Text(key);
  std::vector<double> out;
  size_t start = 0;
  while (true) {
    const size_t comma = t.find(',', start);
    out.push_back(ParseNumberArg(key, t.substr(start, comma - start)));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return out;
}

LatLon Args::Position(const std::string& key) const {
  const auto v = Numbers(key);
  if (v.size() != 2) throw UsageError(key + " must be LAT,LON");
  if (std::fabs(v[0]) > 90.0 || std::fabs(v[1]) > 180.0)
    throw UsageError(key + ": latitude must be within 90 and longitude within 180 degrees");
  return {v[0], v[1]};
}

UtcTime Args::Utc(const std::string& key) const {
  const std::string t = Text(key);
  const std::string date = GetField(t, 'T', 0), time = GetField(t, 'T', 1);
  // A leading minus is a year before year 1 in astronomical numbering.
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
    throw UsageError(key + ": '" + t + "' is not a time YYYY-MM-DDThh:mm:ss");
  if (!IsCalendarDay(negative ? -*y : *y, *mo, *da))
    throw UsageError(key + ": '" + t + "' is not a day of the calendar");
  UtcTime u;
  u.year = negative ? -*y : *y;
  u.month = *mo;
  u.day = *da;
  u.hours = (h ? *h : 0) + *mi / 60.0 + *s / 3600.0;
  return u;
}

void Args::Only(const std::set<std::string>& known) const {
  for (const auto& kv : values_)
    if (!known.count(kv.first)) throw UsageError("unknown option " + kv.first);
}

}  // namespace veltrane::cli
