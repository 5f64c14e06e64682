#include "foundation/ui/form_base.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>

#include "foundation/checks.h"
#include "foundation/ini_file.h"
#include "foundation/ui/settings.h"
#include "support/ui_driver.h"

namespace veltrane {
namespace {

using namespace veltrane::test;

class SampleForm : public FormBase {
 public:
  explicit SampleForm(AppContext& ctx) : FormBase(ctx, "SampleForm", "Sample", "fSample") {
    edit = new QLineEdit(this);
    edit->setObjectName("edCourse");
    setCentralWidget(edit);
    WatchEntry(edit, [&ctx](const std::string& t) { return CheckIntRange(t, 359, ctx.platform); });
    AddMenuAction("Help1", "&Help", [this] { OpenHelp(); });
  }
  QLineEdit* edit;
};

TEST(FormBase, EntryCheckBeepsSaysAndSelectsTheText) {
  TestContext t;
  SampleForm form(t.ctx);
  Type(&form, "edCourse", "359");
  EXPECT_TRUE(t.platform.messages.empty());
  Type(&form, "edCourse", "360");
  EXPECT_EQ(t.platform.messages, std::vector<std::string>{"0 .. 359"});
  EXPECT_EQ(SelectedText(&form, "edCourse"), "360");
  Type(&form, "edCourse", "");
  EXPECT_EQ(t.platform.messages.size(), 1u);
}

TEST(FormBase, PositionIsRestoredAndSavedOnlyInNormalState) {
  TestContext t;
  {
    IniFile ini(t.ctx.SettingsFile());
    ini.Write("VeltraneForm", "fSample", "0,120,240");
    ASSERT_TRUE(ini.Commit());
  }
  SampleForm form(t.ctx);
  EXPECT_EQ(form.y(), 120);
  EXPECT_EQ(form.x(), 240);
  form.show();
  form.move(300, 150);
  form.close();
  const std::string saved = IniFile(t.ctx.SettingsFile()).Read("VeltraneForm", "fSample", "");
  EXPECT_EQ(saved, "0," + std::to_string(form.y()) + "," + std::to_string(form.x()));
  form.showMinimized();
  form.move(10, 10);
  form.close();
  EXPECT_EQ(IniFile(t.ctx.SettingsFile()).Read("VeltraneForm", "fSample", ""), saved);
}

TEST(FormBase, EditorEntryKeepsHeightAndWidth) {
  TestContext t;
  QWidget w;
  w.resize(400, 300);
  w.move(50, 60);
  SaveWindowPosition(t.ctx, &w, "fEdi", "0", true);
  const std::string saved = IniFile(t.ctx.SettingsFile()).Read("VeltraneForm", "fEdi", "");
  EXPECT_EQ(saved, "0," + std::to_string(w.y()) + "," + std::to_string(w.x()) + ",300,400");
  QWidget other;
  RestoreWindowPosition(t.ctx, &other, "fEdi", true);
  EXPECT_EQ(other.size(), QSize(400, 300));
}

TEST(FormBase, DamagedPositionEntryIsIgnored) {
  TestContext t;
  for (const char* entry : {"0,abc,5", "", "1", "0,,", "0,99999999999,1"}) {
    IniFile ini(t.ctx.SettingsFile());
    ini.Write("VeltraneForm", "fSample", entry);
    ASSERT_TRUE(ini.Commit());
    SampleForm form(t.ctx);
    EXPECT_EQ(form.pos(), QPoint(0, 0)) << entry;
  }
}

TEST(FormBase, HelpOpensTheContents) {
  TestContext t;
  SampleForm form(t.ctx);
  Click(&form, "Help1");
  EXPECT_EQ(t.platform.helpPages, std::vector<std::string>{"index.html"});
}

}  // namespace
}  // namespace veltrane
