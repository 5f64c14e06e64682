#include "foundation/ui/form_base.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

#include "foundation/checks.h"
#include "foundation/ini_file.h"
#include "foundation/ui/settings.h"
#include "support/ui_driver.h"

namespace veltrane {
namespace {

using namespace veltrane::test;

class SampleForm : public FormBase {
 public:
  explicit SampleForm(AppContext& ctx, const QString& name = "SampleForm") : FormBase(ctx, name, "Sample", "fSample") {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    edit = new QLineEdit(central);
    edit->setObjectName("edCourse");
    result = new QLineEdit(central);
    result->setObjectName("edResult");
    result->setReadOnly(true);
    east = new QRadioButton("E", central);
    east->setObjectName("rbEast");
    west = new QRadioButton("W", central);
    west->setObjectName("rbWest");
    west->setChecked(true);
    for (QWidget* w : std::initializer_list<QWidget*>{edit, result, east, west}) layout->addWidget(w);
    setCentralWidget(central);
    WatchEntry(edit, [&ctx](const std::string& t) { return CheckIntRange(t, 359, ctx.platform); });
    AddMenuAction("Help1", "&Help", [this] { OpenHelp(); });
  }
  using FormBase::CloseOnEscape;
  using FormBase::KeepTypedValues;
  using FormBase::SetDefaultAction;
  QLineEdit* edit;
  QLineEdit* result;
  QRadioButton* east;
  QRadioButton* west;
};

void WriteEntry(TestContext& t, const std::string& key, const std::string& value,
                const std::string& section = "VeltraneForm") {
  IniFile ini(t.ctx.SettingsFile());
  ini.Write(section, key, value);
  ASSERT_TRUE(ini.Commit());
}

// Its components wait for CreateContents; Course() stands for a method another window reaches
// through a link.
class DeferredForm : public FormBase {
 public:
  explicit DeferredForm(AppContext& ctx) : FormBase(ctx, "DeferredForm", "Deferred", "fDeferred") { CreateContents(); }
  std::string Course() const {
    EnsureBuilt();
    return TextOf(findChild<QLineEdit*>("edCourse"));
  }
  int builds = 0;
  int closes = 0;

 protected:
  void BuildContents() override {
    ++builds;
    auto* edit = new QLineEdit("090", this);
    edit->setObjectName("edCourse");
    setCentralWidget(edit);
  }
  void FormClose() override { ++closes; }
};

TEST(FormBase, WindowIsBuiltAtConstructionUnlessTheProgramPutsItOff) {
  TestContext t;
  DeferredForm built(t.ctx);
  EXPECT_EQ(built.builds, 1);
  EXPECT_TRUE(built.ContentsBuilt());
  EXPECT_NE(built.findChild<QLineEdit*>("edCourse"), nullptr);

  t.ctx.buildOnFirstShow = true;
  WriteEntry(t, "fDeferred", "0,110,220");
  DeferredForm form(t.ctx);
  EXPECT_EQ(form.builds, 0);
  EXPECT_FALSE(form.ContentsBuilt());
  EXPECT_EQ(form.findChild<QLineEdit*>("edCourse"), nullptr);
  EXPECT_EQ(form.y(), 110) << "placed when created";
  EXPECT_EQ(form.x(), 220);
  form.close();
  EXPECT_EQ(form.closes, 0) << "never shown: nothing to keep";
  // A call through a link builds it without showing it.
  EXPECT_EQ(form.Course(), "090");
  EXPECT_EQ(form.builds, 1);
  EXPECT_FALSE(form.isVisible());
  form.ShowForm();
  EXPECT_TRUE(form.isVisible());
  form.hide();
  form.show();
  EXPECT_EQ(form.builds, 1);
  form.close();
  EXPECT_EQ(form.closes, 1);
  EXPECT_EQ(IniFile(t.ctx.SettingsFile()).Read("VeltraneForm", "fDeferred", ""),
            "0," + std::to_string(form.y()) + "," + std::to_string(form.x()));
}

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
  SampleForm form(t.ctx);
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

TEST(FormBase, HelpAndF1OpenTheWindowsOwnPage) {
  TestContext t;
  SampleForm sample(t.ctx);
  Click(&sample, "Help1");
  SampleForm tides(t.ctx, "NavTideForm");
  tides.show();
  tides.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&tides));
  PressKey(&tides, "edCourse", Qt::Key_F1);
  EXPECT_EQ(t.platform.helpPages, (std::vector<std::string>{"index.html", "calculators.html#tides"}));
}

TEST(FormBase, PositionSurvivesFiveSessionsAndAnUnreachableOneComesOnScreen) {
  TestContext t;
  t.platform.screen.available = {{0, 0, 1280, 994}};
  WriteEntry(t, "fSample", "0,7,12");
  for (int session = 0; session < 5; ++session) {
    SampleForm form(t.ctx);
    form.show();
    form.close();
  }
  EXPECT_EQ(IniFile(t.ctx.SettingsFile()).Read("VeltraneForm", "fSample", ""), "0,7,12");
  // Damaged entries are ignored, and a window off every screen comes back onto one.
  for (const char* entry : {"0,abc,5", "", "1", "0,,", "0,99999999999,1", "0,-500,-500"}) {
    WriteEntry(t, "fSample", entry);
    SampleForm form(t.ctx);
    EXPECT_EQ(form.pos(), QPoint(0, 0)) << entry;
  }
  WriteEntry(t, "fSample", "0,2000,100");
  SampleForm below(t.ctx);
  EXPECT_EQ(below.pos(), QPoint(100, 994 - 30));
}

TEST(FormBase, TypedValuesAndChoicesComeBackNextSession) {
  TestContext t;
  {
    SampleForm form(t.ctx);
    form.KeepTypedValues();
    EXPECT_EQ(Text(&form, "edCourse"), "");  // nothing kept yet: the window's own first values
    EXPECT_TRUE(IsChecked(&form, "rbWest"));
    Type(&form, "edCourse", "245");
    form.result->setText("computed");
    Click(&form, "rbEast");
    form.close();
  }
  SampleForm next(t.ctx);
  next.KeepTypedValues();
  EXPECT_EQ(Text(&next, "edCourse"), "245");
  EXPECT_EQ(Text(&next, "edResult"), "");
  EXPECT_TRUE(IsChecked(&next, "rbEast"));
  EXPECT_FALSE(IsChecked(&next, "rbWest"));
  // A kept value is not checked again at the start.
  WriteEntry(t, "Typed.edCourse", "999", "SampleForm");
  SampleForm third(t.ctx);
  third.KeepTypedValues();
  EXPECT_EQ(Text(&third, "edCourse"), "999");
  EXPECT_TRUE(t.platform.messages.empty());
}

TEST(FormBase, EnterRunsTheCountAndEscClosesASmallWindow) {
  TestContext t;
  SampleForm form(t.ctx);
  int counts = 0;
  form.SetDefaultAction([&counts] { ++counts; });
  form.show();
  PressKey(&form, "edCourse", Qt::Key_Return);
  PressKey(&form, "edCourse", Qt::Key_Enter);
  EXPECT_EQ(counts, 2);
  PressKey(&form, "edCourse", Qt::Key_Escape);
  EXPECT_TRUE(form.isVisible());  // a main window stays
  form.CloseOnEscape();
  PressKey(&form, "edCourse", Qt::Key_Escape);
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace veltrane
