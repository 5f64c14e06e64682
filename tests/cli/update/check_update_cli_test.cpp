#include <gtest/gtest.h>

#include "cli/cli_run.h"
#include "support/http_test_server.h"
#include "support/temp_folder.h"
#include "update/version.h"

namespace veltrane::cli {
namespace {

using veltrane::test::HttpTestServer;

CliRun CheckUpdate(const std::vector<std::string>& options) { return Cli(With({"check-update"}, options)); }

TEST(CheckUpdateCommand, AnswersWithBothVersionsOrNoContact) {
  HttpTestServer server;
  const std::string running = VersionString(ThisVersion());
  VersionNumber next = ThisVersion();
  ++next[1];
  struct Case {
    int status;
    std::string body;
    int code;
    std::string out;
  };
  const Case cases[] = {
      {200, "[Veltrane]\nVersion=" + VersionString(next) + " new\n", 0,
       R"({"this_version": ")" + running + R"(", "remote_version": ")" + VersionString(next) + R"(", "newer": true})"},
      {200, "[Veltrane]\nVersion=" + running + "\n", 0,
       R"({"this_version": ")" + running + R"(", "remote_version": ")" + running + R"(", "newer": false})"},
      {200, "[Veltrane]\nVersion=\"<script>\"\n", 0,
       R"({"this_version": ")" + running + R"(", "remote_version": null, "newer": false})"},
      {404, "[Veltrane]\nVersion=99\n", 1, R"({"error": "Contact not established"})"},
      {200, std::string(65 * 1024, 'x'), 1, R"({"error": "Contact not established"})"},
  };
  for (const Case& c : cases) {
    server.Answer(c.status, c.body);
    const CliRun r = CheckUpdate({"--base", server.Base() + "v"});
    EXPECT_EQ(r.code, c.code) << c.body.substr(0, 40);
    EXPECT_EQ(r.out, c.out);
  }
  EXPECT_EQ(server.paths.back(), "/v/Veltrane.ini");
}

TEST(CheckUpdateCommand, OnlyWebAddressesAreAsked) {
  for (const char* base : {"file:///etc/", "ftp://127.0.0.1/", "127.0.0.1"}) {
    const CliRun r = CheckUpdate({"--base", base});
    EXPECT_EQ(r.code, 2) << base;
    EXPECT_TRUE(r.out.empty()) << base;
    EXPECT_NE(r.err.find("--base"), std::string::npos) << r.err;
  }
}

TEST(CheckUpdateCommand, DefaultsToTheFirstServerOfTheSettings) {
  HttpTestServer server;
  server.Answer(200, "[Veltrane]\nVersion=0.0.1\n");
  veltrane::test::TempFolder home;
  home.Write("Settings.ini", "[VerForm]\nBase1=" + server.Base() + "first/\n");
  setenv("VELTRANE_HOME", home.Path().c_str(), 1);
  const CliRun r = CheckUpdate({});
  unsetenv("VELTRANE_HOME");
  EXPECT_EQ(r.code, 0) << r.out << r.err;
  EXPECT_EQ(server.paths, std::vector<std::string>{"/first/Veltrane.ini"});
}

}  // namespace
}  // namespace veltrane::cli
