#include "foundation/checks.h"

#include <cmath>

#include "foundation/numbers.h"

namespace veltrane {
namespace {

bool Report(bool ok, const std::string& message, MessageSink& sink) {
  if (!ok) sink.Message(message);
  return ok;
}

bool Report(const std::optional<std::string>& problem, MessageSink& sink) {
  return Report(!problem, problem.value_or(std::string()), sink);
}

// A limit as the message shows it: one decimal, or two where one decimal would round it. A fall
// of 0.19 inches must not read "0.2", which the check itself refuses.
std::string LimitText(double max) {
  const std::string oneDecimal = Str(max, 1);
  return ParseReal(oneDecimal) == max ? oneDecimal : Str(max, 2);
}

}  // namespace

std::optional<std::string> IntRangeProblem(const std::string& text, int max) {
  const auto v = ParseInt(text);
  if (v && *v >= 0 && *v <= max) return std::nullopt;
  return "0 .. " + std::to_string(max);
}

std::optional<std::string> MinutesProblem(const std::string& degText, const std::string& minText, int maxDeg) {
  const auto min = ParseReal(minText);
  if (!min || *min < 0.0 || *min > 59.9) return "0 .. 59.9";
  const auto deg = ParseInt(degText);
  if (deg && *deg == maxDeg && *min > 0.0) return "Not greater than " + std::to_string(maxDeg) + " degrees";
  return std::nullopt;
}

bool CheckIntRange(const std::string& text, int max, MessageSink& sink) {
  return Report(IntRangeProblem(text, max), sink);
}

bool CheckRealRange(const std::string& text, double max, MessageSink& sink) {
  const auto v = ParseReal(text);
  return Report(v && *v <= max, "0.0 .. " + LimitText(max), sink);
}

bool CheckSignedRange(const std::string& text, double max, MessageSink& sink) {
  const auto v = ParseReal(text);
  const bool ok = text == "-" || (v && std::fabs(*v) <= max);
  return Report(ok, "-" + LimitText(max) + " .. " + LimitText(max), sink);
}

bool CheckMinutes(const std::string& degText, const std::string& minText, int maxDeg,
                  MessageSink& sink) {
  return Report(MinutesProblem(degText, minText, maxDeg), sink);
}

}  // namespace veltrane
