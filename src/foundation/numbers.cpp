#include "foundation/numbers.h"

#include <cerrno>
#include <cmath>
#include <iomanip>
#include <locale>
#include <sstream>
#include <cstdlib>
#include <limits>

namespace veltrane {
namespace {

std::string_view TrimView(std::string_view t) {
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
  return t;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Accepts [+-]digits[.digits][(e|E)[+-]digits] with at least one mantissa digit.
bool IsDecimalText(std::string_view t) {
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  size_t digits = 0;
  while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    size_t exp = 0;
    while (i < t.size() && IsDigit(t[i])) ++i, ++exp;
    if (exp == 0) return false;
  }
  return i == t.size();
}

}  // namespace

std::optional<double> ParseReal(std::string_view text) {
  const std::string_view t = TrimView(text);
  if (!IsDecimalText(t)) return std::nullopt;
  const std::string s(t);
  const double v = std::strtod(s.c_str(), nullptr);
  if (!std::isfinite(v)) return std::nullopt;
  return v;
}

std::optional<int> ParseInt(std::string_view text) {
  const std::string_view t = TrimView(text);
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  if (i == t.size()) return std::nullopt;
  for (size_t k = i; k < t.size(); ++k)
    if (!IsDigit(t[k])) return std::nullopt;
  const std::string s(t);
  errno = 0;
  const long long v = std::strtoll(s.c_str(), nullptr, 10);
  if (errno != 0 || v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min())
    return std::nullopt;
  return static_cast<int>(v);
}

double RoundHalfEven(double x) { return std::nearbyint(x); }

double RoundToScale(double x, double scale) { return RoundHalfEven(x * scale) / scale; }

std::string Str(double v, int decimals) {
  if (!std::isfinite(v)) return "";
  std::ostringstream out;
  out.imbue(std::locale::classic());
  out << std::fixed << std::setprecision(decimals) << v;
  std::string s = out.str();
  if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  return s;
}

std::string IntStr(double v) { return Str(std::trunc(v), 0); }

}  // namespace veltrane
