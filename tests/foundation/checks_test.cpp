#include "foundation/checks.h"

#include <gtest/gtest.h>

#include <vector>

namespace veltrane {
namespace {

struct RecordingSink : MessageSink {
  std::vector<std::string> messages;
  void Message(const std::string& text) override { messages.push_back(text); }
};

// The limits themselves are checked where the windows' fields use them (position fields, the
// form's entry check); here the texts that are no number in range.
TEST(Checks, MessagesAndFlag) {
  struct Case {
    const char* name;
    bool (*run)(MessageSink&);
    bool ok;
    const char* message;
  };
  const Case cases[] = {
      {"int negative", [](MessageSink& s) { return CheckIntRange("-1", 359, s); }, false, "0 .. 359"},
      {"int decimal", [](MessageSink& s) { return CheckIntRange("1.5", 359, s); }, false, "0 .. 359"},
      {"real no lower end", [](MessageSink& s) { return CheckRealRange("-5", 10, s); }, true, ""},
      {"real too big", [](MessageSink& s) { return CheckRealRange("100", 99.9, s); }, false, "0.0 .. 99.9"},
      {"real text", [](MessageSink& s) { return CheckRealRange("abc", 99.9, s); }, false, "0.0 .. 99.9"},
      {"real limit of two decimals", [](MessageSink& s) { return CheckRealRange("0.2", 0.19, s); }, false, "0.0 .. 0.19"},
      {"signed dash", [](MessageSink& s) { return CheckSignedRange("-", 90, s); }, true, ""},
      {"signed too far", [](MessageSink& s) { return CheckSignedRange("-91", 90, s); }, false, "-90.0 .. 90.0"},
      {"minutes text", [](MessageSink& s) { return CheckMinutes("10", "x", 90, s); }, false, "0 .. 59.9"},
  };
  for (const auto& c : cases) {
    RecordingSink sink;
    EXPECT_EQ(c.run(sink), c.ok) << c.name;
    if (c.ok)
      EXPECT_TRUE(sink.messages.empty()) << c.name;
    else
      EXPECT_EQ(sink.messages, std::vector<std::string>{c.message}) << c.name;
  }
}

}  // namespace
}  // namespace veltrane
