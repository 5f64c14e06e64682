#pragma once
// Field checks with their fixed messages. A failed check beeps and shows its message through
// the sink (the platform's message box).
#include <optional>
#include <string>

namespace veltrane {

struct MessageSink {
  virtual ~MessageSink() = default;
  // Beep, then a message box with one OK button.
  virtual void Message(const std::string& text) = 0;
};

// The fastest a boat this program is made for sails, knots (a planing motor boat; a yacht
// rarely passes 10): the limit of every boat-speed field and command-line option.
constexpr double kMaxBoatSpeed = 30.0;

// The message a check would show for the text, nothing when it passes; the checks below show it.
std::optional<std::string> IntRangeProblem(const std::string& text, int max);
std::optional<std::string> MinutesProblem(const std::string& degText, const std::string& minText, int maxDeg);

bool CheckIntRange(const std::string& text, int max, MessageSink& sink);
bool CheckRealRange(const std::string& text, double max, MessageSink& sink);
bool CheckSignedRange(const std::string& text, double max, MessageSink& sink);
bool CheckMinutes(const std::string& degText, const std::string& minText, int maxDeg,
                  MessageSink& sink);

}  // namespace veltrane
