#include "update/version.h"

#include <gtest/gtest.h>

#include "update/update_answer.h"
#include "update/update_servers.h"

namespace veltrane {
namespace {

TEST(Version, ParsesOneToFourPartsAndRefusesEverythingElse) {
  struct Case {
    const char* text;
    std::optional<VersionNumber> expected;
  };
  const Case cases[] = {
      {"5.4.4.1", VersionNumber{5, 4, 4, 1}},
      {"5.4.5", VersionNumber{5, 4, 5, 0}},
      {"6", VersionNumber{6, 0, 0, 0}},
      {"0.0.0.0", VersionNumber{0, 0, 0, 0}},
      {"65535.65535.65535.65535", VersionNumber{65535, 65535, 65535, 65535}},
      {"007.10", VersionNumber{7, 10, 0, 0}},
      {"00007.00010", VersionNumber{7, 10, 0, 0}},
      {"000007", std::nullopt},
      {"65536", std::nullopt},
      {"1.65536", std::nullopt},
      {"99999999999999999999", std::nullopt},
      {"1.2.3.4.", std::nullopt},
      {"1.2.3.4.5", std::nullopt},
      {"", std::nullopt},
      {".", std::nullopt},
      {"1..2", std::nullopt},
      {".1", std::nullopt},
      {"1.", std::nullopt},
      {"v5.4", std::nullopt},
      {"5.4 beta", std::nullopt},
      {"-1.0", std::nullopt},
      {"<script>", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseVersion(c.text), c.expected) << c.text;
}

TEST(Version, ComparesPartByPartAsNumbers) {
  // Ascending; joining the parts into one number would put 5.10.0.0 above 6.0.0.0.
  const char* ordered[] = {"0.9.99.99", "5.4.4.1", "5.4.5.0", "5.10.0.0", "6", "6.0.0.1", "6.0.1", "6.1", "10"};
  for (size_t i = 0; i + 1 < std::size(ordered); ++i)
    EXPECT_LT(*ParseVersion(ordered[i]), *ParseVersion(ordered[i + 1])) << ordered[i] << " < " << ordered[i + 1];
  EXPECT_EQ(*ParseVersion("6"), *ParseVersion("6.0.0.0"));
}

TEST(Version, WritesFourParts) {
  EXPECT_EQ(VersionString({5, 10, 0, 65535}), "5.10.0.65535");
}

TEST(AnnouncedVersion, ReadsOnlyTheVersionOfSectionVeltrane) {
  struct Case {
    const char* what;
    std::string ini;
    const char* expected;  // null: nothing announced
  };
  const Case cases[] = {
      {"plain", "[Veltrane]\nVersion=5.4.5.0\n", "5.4.5.0"},
      {"first field", "[Veltrane]\nVersion= 5.4.5.0 2026-12-01 bug fixes\n", "5.4.5.0"},
      {"any case, blanks, CRLF", "\xEF\xBB\xBF; comment\r\n[ veltrane ]\r\n  VERSION = 6.1 \r\n", "6.1"},
      {"other sections first", "[Other]\nVersion=9.9\n[Veltrane]\nName=x\nVersion=6.0\n", "6.0"},
      {"first key counts", "[Veltrane]\nVersion=6.0\nVersion=7.0\n", "6.0"},
      {"no trailing newline", "[Veltrane]\nVersion=6.0.0.2", "6.0.0.2"},
      {"tab after the number", "[Veltrane]\nVersion=6.0\tnew\n", "6.0"},
      {"key in another section", "[Other]\nVersion=9.9\n", nullptr},
      {"key before any section", "Version=9.9\n[Veltrane]\n", nullptr},
      {"section left", "[Veltrane]\n[Other]\nVersion=9.9\n", nullptr},
      {"unclosed section header", "[Veltrane\nVersion=9.9\n", nullptr},
      {"empty value", "[Veltrane]\nVersion=\n", nullptr},
      {"markup", "[Veltrane]\nVersion=<script>alert(1)</script>\n", nullptr},
      {"html page", "<html><body>Not found</body></html>", nullptr},
      {"empty", "", nullptr},
      {"binary", std::string("[Veltrane]\nVersion=\0\x01\xff", 16), nullptr},
  };
  for (const Case& c : cases) {
    const auto announced = ReadAnnouncedVersion(c.ini);
    if (c.expected) {
      ASSERT_TRUE(announced) << c.what;
      EXPECT_EQ(announced->text, c.expected) << c.what;
      EXPECT_EQ(announced->number, *ParseVersion(c.expected)) << c.what;
    } else {
      EXPECT_FALSE(announced) << c.what;
    }
  }
}

TEST(AnnouncedVersion, NewerOnlyWhenAboveTheRunningVersion) {
  const VersionNumber running{5, 4, 4, 1};
  struct Case {
    std::optional<std::string> answer;
    UpdateOutcome outcome;
  };
  const Case cases[] = {
      {std::nullopt, UpdateOutcome::NoContact},
      {"[Veltrane]\nVersion=5.4.5.0\n", UpdateOutcome::Available},
      {"[Veltrane]\nVersion=5.4.4.2\n", UpdateOutcome::Available},
      {"[Veltrane]\nVersion=5.4.4.1\n", UpdateOutcome::NotAvailable},
      {"[Veltrane]\nVersion=5.4.4\n", UpdateOutcome::NotAvailable},
      {"[Veltrane]\nVersion=5.4.4.0\n", UpdateOutcome::NotAvailable},
      {"[Veltrane]\nVersion=4.99\n", UpdateOutcome::NotAvailable},
      {"garbage", UpdateOutcome::NotAvailable},
      {"", UpdateOutcome::NotAvailable},
  };
  for (const Case& c : cases) EXPECT_EQ(JudgeUpdate(c.answer, running).outcome, c.outcome) << c.answer.value_or("-");
  EXPECT_EQ(JudgeUpdate(std::string("[Veltrane]\nVersion=5.4.5.0"), running).announced->text, "5.4.5.0");
}

TEST(UpdateServers, VersionFileLiesUnderTheBaseAddress) {
  EXPECT_EQ(VersionFileAddress("http://127.0.0.1:8080/v/"), "http://127.0.0.1:8080/v/Veltrane.ini");
  EXPECT_EQ(VersionFileAddress("http://127.0.0.1:8080/v"), "http://127.0.0.1:8080/v/Veltrane.ini");
  for (const auto& server : DefaultUpdateServers()) {
    EXPECT_TRUE(IsWebAddress(server.base)) << server.base;
    EXPECT_TRUE(IsWebAddress(server.description)) << server.description;
    EXPECT_TRUE(IsWebAddress(server.program)) << server.program;
  }
  EXPECT_NE(DefaultUpdateServers()[0].caption, DefaultUpdateServers()[1].caption);
}

TEST(UpdateServers, OnlyWebAddressesAreFetchedOrOpened) {
  const std::pair<const char*, bool> cases[] = {
      {"http://a", true},           {"https://example.org/x.html", true}, {"http://", false},
      {"https://", false},          {"http:///etc/passwd", false},        {"file:///etc/passwd", false},
      {"ftp://example.org", false}, {"/usr/bin/xterm", false},            {"https://a b", false},
      {"", false},                  {"javascript:alert(1)", false},       {"mailto:a@b", false},
  };
  for (const auto& [address, web] : cases) EXPECT_EQ(IsWebAddress(address), web) << address;
}

}  // namespace
}  // namespace veltrane
