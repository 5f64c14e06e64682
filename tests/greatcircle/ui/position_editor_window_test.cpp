#include <QComboBox>
#include <QPlainTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include "foundation/ui/settings.h"
#include "greatcircle/ui/confirmation_dialog.h"
#include "greatcircle/ui/position_editor_window.h"
#include "greatcircle/ui/great_circle_window.h"
#include "support/ui_driver.h"

namespace veltrane {
namespace {

using namespace veltrane::test;

// Clicks the confirmation dialog's buttons in order as the dialog comes up, as a user would,
// and keeps what each question said. An unexpected question is cancelled and fails the test.
class DialogAnswers {
 public:
  DialogAnswers(TDlgForm2& dialog, std::vector<const char*> buttons) : dialog_(dialog), buttons_(std::move(buttons)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
    timer_.start(2);
  }
  ~DialogAnswers() { EXPECT_EQ(next_, buttons_.size()) << "questions not asked"; }
  std::vector<std::string> questions;

 private:
  void Tick() {
    if (!dialog_.isVisible()) return;
    questions.push_back(Text(&dialog_, "Label1") + " / " + Text(&dialog_, "Label2"));
    if (next_ >= buttons_.size()) {
      ADD_FAILURE() << "unexpected question " << questions.back();
      Click(&dialog_, "btnCancel");
      return;
    }
    Click(&dialog_, buttons_[next_++]);
  }
  TDlgForm2& dialog_;
  std::vector<const char*> buttons_;
  size_t next_ = 0;
  QTimer timer_;
};

struct Editor : ::testing::Test {
  TestContext t;
  TEdiForm form{t.ctx};
  TDlgForm2 dialog{t.ctx};
  Editor() { form.SetConfirmationDialog(&dialog); }
  std::string Memo() { return Text(&form, "Memo1"); }
  void OpenPositions(const std::string& text) {
    t.settings.Write("Position.txt", text);
    form.show();
    Click(&form, "PositioLd");
  }
};

TEST_F(Editor, OpensPositionFileWithTheCheckPanel) {
  OpenPositions("Lisbon=38_42_N,9_8_W\nHobart=-42_53_S,-147_19.5_E\n");
  EXPECT_EQ(form.windowTitle().toStdString(), "Position.txt");
  EXPECT_TRUE(IsVisible(&form, "Panel1"));
  EXPECT_EQ(Memo(), "Lisbon=38_42_N,9_8_W\nHobart=-42_53_S,-147_19.5_E");

  t.program.Write("notes.ini", "[a]\nb=1\n");
  t.platform.fileAnswers.push_back(t.program.File("notes.ini"));
  Click(&form, "OtherLd");
  EXPECT_EQ(form.windowTitle().toStdString(), t.program.File("notes.ini"));
  EXPECT_FALSE(IsVisible(&form, "Panel1"));
  EXPECT_EQ(Memo(), "[a]\nb=1");
  // A cancelled file dialog leaves everything as it was.
  Click(&form, "OtherLd");
  EXPECT_EQ(Memo(), "[a]\nb=1");
}

TEST_F(Editor, SaveKeepsABackupAndCancelSaveBringsItBack) {
  OpenPositions("Lisbon=38_42_N,9_8_W\n");
  Find<QPlainTextEdit>(&form, "Memo1")->setPlainText("Hobart=-42_53_S,-147_19.5_E");
  Click(&form, "Save1");
  EXPECT_EQ(t.platform.LastMessage(), "Saved to File Position.txt");
  EXPECT_EQ(t.settings.Read("Position.txt"), "Hobart=-42_53_S,-147_19.5_E\n");
  EXPECT_EQ(t.settings.Read("Position.~txt"), "Lisbon=38_42_N,9_8_W\n");

  Click(&form, "Undo1");
  EXPECT_EQ(t.platform.LastMessage(), "Position.~txt Undone Position.txt");
  EXPECT_EQ(t.settings.Read("Position.txt"), "Lisbon=38_42_N,9_8_W\n");
  EXPECT_EQ(Memo(), "Lisbon=38_42_N,9_8_W");
  // Without a backup there is nothing to undo.
  t.platform.Clear();
  Click(&form, "Undo1");
  EXPECT_TRUE(t.platform.messages.empty());
  EXPECT_EQ(t.settings.Read("Position.txt"), "Lisbon=38_42_N,9_8_W\n");
}

struct CountingListener : PlaceFileListener {
  void PlaceFileChanged() override { ++calls; }
  int calls = 0;
};

// Only writing the place file is told; the great circle window's names follow it.
TEST_F(Editor, GreatCircleNamesFollowTheSavedPlaceFile) {
  CountingListener listener;
  TGreatForm great(t.ctx);
  form.AddPlaceFileListener(&listener);
  form.AddPlaceFileListener(&great);
  t.program.Write("Other.txt", "x\n");
  t.platform.fileAnswers.push_back(t.program.File("Other.txt"));
  form.show();
  Click(&form, "OtherLd");
  Click(&form, "Save1");
  EXPECT_EQ(listener.calls, 0);
  OpenPositions("Lisbon=38_42_N,9_8_W\n");
  great.show();
  auto* names = Find<QComboBox>(&great, "cbxStart");
  ASSERT_EQ(names->count(), 1);
  Find<QPlainTextEdit>(&form, "Memo1")->setPlainText("Lisbon=38_42_N,9_8_W\nHobart=-42_53_S,-147_19.5_E");
  Click(&form, "Save1");
  EXPECT_EQ(listener.calls, 1);
  EXPECT_EQ(names->count(), 2);
  Click(&form, "Undo1");
  EXPECT_EQ(names->count(), 1);
}

TEST_F(Editor, SaveIntoAFolderThatIsGoneSaysSo) {
  form.show();
  const std::string gone = t.program.Path() + "gone/Other.txt";
  t.program.Write("Other.txt", "x\n");
  t.platform.fileAnswers.push_back(t.program.File("Other.txt"));
  Click(&form, "OtherLd");
  t.platform.fileAnswers.push_back(gone);
  Click(&form, "OtherLd");
  EXPECT_EQ(t.platform.LastMessage(), "File not found " + gone);
  t.platform.Clear();
  Click(&form, "Save1");
  EXPECT_EQ(t.platform.LastMessage(), "Could not save " + gone + ": the file is unchanged");
}

TEST_F(Editor, CheckerRepairsSignsAndDoubleNames) {
  OpenPositions(
      "Sydney=33_51.7_S,151_12.7_E\n"
      "Lisbon=38_42_N,9_8_W\n"
      "SYDNEY=-33_51.7_S,-151_12.7_E\n"
      "Hobart=-42_53_S,147_19.5_E\n"
      "\n"
      "Never=1_0_S,1_0_E\n");
  t.platform.Clear();
  {
    DialogAnswers answers(dialog, {"btnYes", "btnYes", "btnNo"});
    Click(&form, "btCheck");
    EXPECT_EQ(answers.questions, (std::vector<std::string>{
                                     "Sydney Latitude Name Longitud Name Mark Error / Repair?",
                                     "SYDNEY Double Name / Repair?",
                                     "Hobart Longitud Name Mark Error / Repair?",
                                 }));
  }
  EXPECT_EQ(Memo(),
            "Sydney=-33_51.7_S,-151_12.7_E,\n"
            "Lisbon=38_42_N,9_8_W\n"
            "Hobart=-42_53_S,147_19.5_E\n"
            "\n"
            "Never=1_0_S,1_0_E");
  EXPECT_TRUE(t.platform.messages.empty()) << t.platform.LastMessage();

  // Declining the last repair leaves one error; accepting it leaves a clean file.
  {
    DialogAnswers answers(dialog, {"btnYes"});
    Click(&form, "btCheck");
  }
  EXPECT_TRUE(t.platform.messages.empty());
  Click(&form, "btCheck");
  EXPECT_EQ(t.platform.LastMessage(), "No Errors Found");
}

TEST_F(Editor, CheckerReportsRangesAndCancelStops) {
  OpenPositions("Far=95_0_N,9_8_W\nA=1_0_S,1_0_W\nB=1_0_S,1_0_W\n");
  t.platform.Clear();
  {
    DialogAnswers answers(dialog, {"btnCancel"});
    Click(&form, "btCheck");
  }
  EXPECT_EQ(t.platform.messages, std::vector<std::string>{" latitudeErroneos Name"});
  EXPECT_EQ(Memo(), "Far=95_0_N,9_8_W\nA=1_0_S,1_0_W\nB=1_0_S,1_0_W");
}

TEST_F(Editor, SortPutsBlankLinesLast) {
  OpenPositions("beta=1_0_N,1_0_W\n\nAlpha=1_0_N,1_0_W\ngamma=1_0_N,1_0_W\n");
  Click(&form, "Abc1");
  EXPECT_EQ(Memo(), "Alpha=1_0_N,1_0_W\nbeta=1_0_N,1_0_W\ngamma=1_0_N,1_0_W\n");
}

TEST_F(Editor, SearchFindsWithoutRegardToCaseAndGoesRoundOnce) {
  OpenPositions("Lisbon=38_42_N,9_8_W\nHobart=-42_53_S,147_19.5_E\nlisbon2=1_0_N,1_0_W\n");
  auto* memo = Find<QPlainTextEdit>(&form, "Memo1");
  for (int i = 0; i < 3; ++i) t.platform.findAnswers.push_back(FindRequest{"LISBON", false});
  t.platform.findAnswers.push_back(FindRequest{"Sydney", false});
  // From below the first match: the next one, then round to the top.
  QTextCursor below = memo->textCursor();
  below.setPosition(10);
  memo->setTextCursor(below);
  Click(&form, "Search1");
  EXPECT_EQ(memo->textCursor().selectedText().toStdString(), "lisbon");
  EXPECT_EQ(memo->textCursor().selectionStart(), 48);
  Click(&form, "Search1");
  EXPECT_EQ(memo->textCursor().selectionStart(), 0);
  EXPECT_EQ(memo->textCursor().selectedText().toStdString(), "Lisbon");
  Click(&form, "Search1");
  EXPECT_EQ(memo->textCursor().selectionStart(), 48);
  EXPECT_TRUE(t.platform.messages.empty());
  Click(&form, "Search1");
  EXPECT_EQ(t.platform.LastMessage(), "Not Found");
  EXPECT_EQ(memo->textCursor().selectionStart(), 48);
}

TEST_F(Editor, KeepsItsPlaceAndSize) {
  form.show();
  form.move(40, 60);
  form.resize(500, 300);
  form.close();
  EXPECT_EQ(Settings(t.ctx).Read(kLauncherSection, "fEdi", std::string()),
            "0," + std::to_string(form.y()) + "," + std::to_string(form.x()) + ",300,500");
}

}  // namespace
}  // namespace veltrane
