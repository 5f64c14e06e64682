#include "foundation/checks.h"

#include <cmath>

#include "foundation/numbers.h"

namespace veltrane {
namespace {

bool g_checkFlag = true;

bool Report(bool ok, const std::string& message, MessageSink& sink) {
  g_checkFlag = ok;
  if (!ok) sink.Message(message);
  return ok;
}

}  // namespace

bool CheckFlag() { return g_checkFlag; }

bool CheckIntRange(const std::string& text, int max, MessageSink& sink) {
  const auto v = ParseInt(text);
  return Report(v && *v >= 0 && *v <= max, "0 .. " + std::to_string(max), sink);
}

bool CheckRealRange(const std::string& text, double max, MessageSink& sink) {
  const auto v = ParseReal(text);
  return Report(v && *v <= max, "0.0 .. " + Str(max, 1), sink);
}

bool CheckSignedRange(const std::string& text, double max, MessageSink& sink) {
  const auto v = ParseReal(text);
  const bool ok = text == "-" || (v && std::fabs(*v) <= max);
  return Report(ok, "-" + Str(max, 1) + " .. " + Str(max, 1), sink);
}

bool CheckMinutes(const std::string& degText, const std::string& minText, int maxDeg,
                  MessageSink& sink) {
  const auto min = ParseReal(minText);
  if (!min || *min < 0.0 || *min > 59.9) return Report(false, "0 .. 59.9", sink);
  const auto deg = ParseInt(degText);
  const bool atMax = deg && *deg == maxDeg && *min > 0.0;
  return Report(!atMax, "Not greater than " + std::to_string(maxDeg) + " degrees", sink);
}

}  // namespace veltrane
