#include "update/ui/update_window.h"

#include <gtest/gtest.h>

#include <QPointer>
#include <QProgressBar>
#include <QTest>

#include "foundation/ini_file.h"
#include "foundation/text_file.h"
#include "support/http_test_server.h"
#include "support/ui_driver.h"
#include "update/version.h"

namespace veltrane {
namespace {

using namespace veltrane::test;

std::string NextVersion() {
  VersionNumber v = ThisVersion();
  ++v[3];
  return VersionString(v);
}

class UpdateWindow : public ::testing::Test {
 protected:
  UpdateWindow() {
    IniFile ini(t.ctx.SettingsFile());
    ini.Write("VerForm", "Base1", server.Base() + "one/");
    ini.Write("VerForm", "Base2", server.Base() + "two");
    ini.Commit();
  }
  ~UpdateWindow() override { delete form; }

  // Opens the window and waits for its check to end.
  void Open(DownloadLimits limits = {}) {
    form = new TVerForm(t.ctx, limits);
    form->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Text(form, "StatusBar1").rfind("Connecting to ", 0) != 0; }, 5000))
        << Text(form, "StatusBar1");
  }
  int Gauge() { return Find<QProgressBar>(form, "Gauge1")->value(); }
  bool LocalCopyKept() { return FileExists(t.settings.File("Veltrane.ini")); }

  TestContext t;
  HttpTestServer server;
  QPointer<TVerForm> form;
};

TEST_F(UpdateWindow, ComponentsAndTheRunningVersion) {
  server.Answer(200, "[Veltrane]\nVersion=" + VersionString(ThisVersion()) + "\n");
  Open();
  EXPECT_EQ(form->windowTitle().toStdString(), "Veltrane Update");
  EXPECT_EQ(Text(form, "Label1"), "Read description about new  properties");
  EXPECT_EQ(Text(form, "Label2"), "Server");
  EXPECT_EQ(Text(form, "lbThisVersion"), "Actual version " + VersionString(ThisVersion()));
  EXPECT_EQ(Text(form, "RadioButton1"), DefaultUpdateServers()[0].caption);
  EXPECT_EQ(Text(form, "RadioButton2"), DefaultUpdateServers()[1].caption);
  EXPECT_TRUE(IsChecked(form, "RadioButton1"));
  EXPECT_EQ(Text(form, "lbHttp"), DefaultUpdateServers()[0].description);
  EXPECT_EQ(Text(form, "lbLoad"), DefaultUpdateServers()[0].program);
  EXPECT_EQ(server.paths, std::vector<std::string>{"/one/Veltrane.ini"});
}

TEST_F(UpdateWindow, ShowsConnectingUntilTheServerAnswers) {
  server.Silence();
  form = new TVerForm(t.ctx);
  form->show();
  EXPECT_EQ(Text(form, "StatusBar1"), "Connecting to " + server.Base() + "one/");
  EXPECT_FALSE(IsEnabled(form, "RadioButton2"));
  // Closing in the middle abandons the download; nothing comes back to the closed window.
  form->close();
  QTest::qWait(50);
  EXPECT_TRUE(form.isNull());
}

TEST_F(UpdateWindow, EveryAnswerGivesAStatusAndOnlyANewerVersionOffersTheFile) {
  struct Case {
    const char* what;
    int status;
    std::string body;
    bool announceLength;
    const char* statusText;
    const char* versionLine;  // lbVersion or lbVersion2 shown, null for none
    bool copyKept;
  };
  const std::string newer = "[Veltrane]\nVersion=" + NextVersion() + " fixes\n";
  const std::string padding(64 * 1024 - newer.size(), ' ');
  const Case cases[] = {
      {"newer", 200, newer, true, "New version available ", "lbVersion2", true},
      {"same", 200, "[Veltrane]\nVersion=" + VersionString(ThisVersion()) + "\n", true, "New version not available",
       "lbVersion", true},
      {"garbage", 200, "<html>\x01\xff\n[Veltrane\nVersion=<script>", true, "New version not available", "lbVersion",
       true},
      {"64 KiB exactly", 200, newer + padding, false, "New version available ", "lbVersion2", true},
      {"one byte over 64 KiB", 200, newer + padding + " ", false, "Contact not established", nullptr, false},
      {"10 MB announced", 200, std::string(10 << 20, 'x'), true, "Contact not established", nullptr, false},
      {"10 MB unannounced", 200, std::string(10 << 20, 'x'), false, "Contact not established", nullptr, false},
      {"not found", 404, newer, true, "Contact not established", nullptr, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::remove(t.settings.File("Veltrane.ini").c_str());
    server.Answer(c.status, c.body, c.announceLength);
    Open();
    EXPECT_EQ(Text(form, "StatusBar1"), c.statusText);
    const bool available = c.versionLine && std::string(c.versionLine) == "lbVersion2";
    EXPECT_EQ(IsVisible(form, "lbVersion2"), available);
    EXPECT_EQ(IsVisible(form, "lbLoad"), available);
    EXPECT_EQ(IsVisible(form, "lbVersion"), c.versionLine && !available);
    if (available) {
      EXPECT_EQ(Text(form, "lbVersion2"), "New version available " + NextVersion());
    } else if (c.versionLine) {
      EXPECT_EQ(Text(form, "lbVersion"), "New version not available");
    }
    EXPECT_EQ(Gauge(), c.versionLine ? 100 : 0);
    EXPECT_EQ(LocalCopyKept(), c.copyKept);
    if (c.copyKept) {
      EXPECT_EQ(t.settings.Read("Veltrane.ini"), c.body);
    }
    EXPECT_TRUE(t.platform.messages.empty());
    delete form;
  }
}

TEST_F(UpdateWindow, ASilentServerIsGivenUpAfterTheTimeOut) {
  server.Silence();
  Open(DownloadLimits{300, 64 * 1024});
  EXPECT_EQ(Text(form, "StatusBar1"), "Contact not established");
  EXPECT_FALSE(IsVisible(form, "lbVersion"));
  EXPECT_FALSE(IsVisible(form, "lbVersion2"));
  EXPECT_TRUE(IsEnabled(form, "RadioButton2"));
}

TEST_F(UpdateWindow, NoServerListeningOrNoWebAddressIsNoContact) {
  const std::string unreachable[] = {"http://127.0.0.1:1/", "file:///etc/", ""};
  for (const std::string& base : unreachable) {
    IniFile ini(t.ctx.SettingsFile());
    ini.Write("VerForm", "Base1", base);
    ini.Commit();
    Open();
    EXPECT_EQ(Text(form, "StatusBar1"), "Contact not established") << base;
    delete form;
  }
  EXPECT_TRUE(server.paths.empty());
}

TEST_F(UpdateWindow, TheServerChoiceIsKeptAndSwitchingHidesTheResultWithoutAskingAgain) {
  server.Answer(200, "[Veltrane]\nVersion=" + NextVersion() + "\n");
  Open();
  Click(form, "RadioButton2");
  EXPECT_EQ(Text(form, "lbHttp"), DefaultUpdateServers()[1].description);
  EXPECT_EQ(Text(form, "lbLoad"), DefaultUpdateServers()[1].program);
  EXPECT_FALSE(IsVisible(form, "lbVersion2"));
  EXPECT_FALSE(IsVisible(form, "lbLoad"));
  EXPECT_EQ(Text(form, "StatusBar1"), "");
  EXPECT_EQ(Gauge(), 0);
  EXPECT_EQ(server.paths.size(), 1u);
  form->close();
  QTest::qWait(10);
  EXPECT_TRUE(form.isNull());
  EXPECT_EQ(IniFile(t.ctx.SettingsFile()).Read("VerForm", "Server", ""), DefaultUpdateServers()[1].caption);

  // The next window starts on the server chosen last, and asks it.
  Open();
  EXPECT_TRUE(IsChecked(form, "RadioButton2"));
  EXPECT_EQ(Text(form, "lbHttp"), DefaultUpdateServers()[1].description);
  EXPECT_EQ(server.paths.back(), "/two/Veltrane.ini");
  Click(form, "RadioButton1");
  form->close();
  QTest::qWait(10);
  EXPECT_EQ(IniFile(t.ctx.SettingsFile()).Read("VerForm", "Server", ""), DefaultUpdateServers()[0].caption);
}

TEST_F(UpdateWindow, AddressLabelsOpenOnlyWebAddresses) {
  IniFile ini(t.ctx.SettingsFile());
  ini.Write("VerForm", "Description2", "  ");
  ini.Write("VerForm", "Program2", "/usr/bin/xterm");
  ini.Commit();
  server.Answer(200, "[Veltrane]\nVersion=" + NextVersion() + "\n");
  Open();
  Click(form, "lbHttp");
  Click(form, "lbLoad");
  EXPECT_EQ(t.platform.openedUrls,
            (std::vector<std::string>{DefaultUpdateServers()[0].description, DefaultUpdateServers()[0].program}));
  Click(form, "RadioButton2");
  Click(form, "lbHttp");
  Click(form, "lbLoad");
  EXPECT_EQ(t.platform.messages, (std::vector<std::string>{"Address not valid", "Address not valid"}));
  EXPECT_EQ(t.platform.openedUrls.size(), 2u);
}

}  // namespace
}  // namespace veltrane
