#include "greatcircle/ui/position_editor_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

#include "foundation/calendar.h"
#include "foundation/text_file.h"
#include "foundation/ui/settings.h"
#include "greatcircle/file_backup.h"
#include "greatcircle/position_check.h"
#include "greatcircle/position_file.h"
#include "greatcircle/ui/confirmation_dialog.h"

namespace veltrane {
namespace {
constexpr const char* kPositionKey = "fEdi";
}

TEdiForm::TEdiForm(AppContext& ctx) : FormBase(ctx, "EdiForm", "Editor") { CreateContents(); }

void TEdiForm::BuildContents() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  panel1_ = new QWidget(central);
  panel1_->setObjectName("Panel1");
  auto* panelLayout = new QHBoxLayout(panel1_);
  lbError_ = new QLabel("Double names and sign errors", panel1_);
  lbError_->setObjectName("lbError");
  auto* check = new QPushButton("&Check", panel1_);
  check->setObjectName("btCheck");
  connect(check, &QPushButton::clicked, this, &TEdiForm::btCheckClick);
  panelLayout->addWidget(lbError_);
  panelLayout->addWidget(check);
  panel1_->hide();
  memo_ = new QPlainTextEdit(central);
  memo_->setObjectName("Memo1");
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  layout->addWidget(panel1_);
  layout->addWidget(memo_);
  setCentralWidget(central);

  AddMenuAction("Close1", "&Close", [this] { close(); });
  QMenu* open = AddMenu("Open1", "&Open");
  AddMenuAction(open, "PositioLd", "&Position.txt", [this] { PositioLdClick(); });
  AddMenuAction(open, "OtherLd", "&Other text file", [this] { OtherLdClick(); });
  QMenu* edit = AddMenu("Edit1", "&Edit");
  AddMenuAction(edit, "Copy1", "&Copy", [this] { memo_->copy(); });
  AddMenuAction(edit, "Cut1", "C&ut", [this] { memo_->cut(); });
  AddMenuAction(edit, "Paste1", "&Paste", [this] { memo_->paste(); });
  AddMenuAction(edit, "Clear1", "C&lear", [this] { memo_->textCursor().removeSelectedText(); });
  AddMenuAction("Abc1", "A&bc", [this] { Abc1Click(); });
  AddMenuAction("Save1", "&Save", [this] { Save1Click(); });
  AddMenuAction("Undo1", "C&ancel save", [this] { Undo1Click(); });
  AddMenuAction("Search1", "S&earch", [this] { Search1Click(); });
  resize(420, 480);
}

void TEdiForm::showEvent(QShowEvent* event) {
  RestoreWindowPosition(ctx_, this, kPositionKey, true);
  FormBase::showEvent(event);
}

void TEdiForm::FormClose() { SaveWindowPosition(ctx_, this, kPositionKey, "0", true); }

bool TEdiForm::Open(const std::string& path, const QString& caption, bool checkPanel) {
  memo_->clear();
  path_ = path;
  setWindowTitle(caption);
  panel1_->setVisible(checkPanel);
  return Load();
}

bool TEdiForm::Load() {
  const auto lines = ReadTextLines(path_);
  if (!lines) {
    ctx_.platform.Message("File not found " + windowTitle().toStdString());
    return false;
  }
  QStringList text;
  for (const auto& l : *lines) text << QString::fromStdString(l);
  memo_->setPlainText(text.join('\n'));
  return true;
}

void TEdiForm::PositioLdClick() { Open(ctx_.DataFolder() + kPositionFileName, kPositionFileName, true); }

void TEdiForm::OtherLdClick() {
  const auto file = ctx_.platform.OpenFileName(ctx_.DataFolder(), "", "Text files |*.txt;*.TXT;*.ini;*.INI");
  if (file) Open(*file, QString::fromStdString(*file), false);
}

void TEdiForm::Abc1Click() {
  QStringList lines = memo_->toPlainText().split('\n');
  // Blank lines go last: the checker stops at the first one.
  std::stable_sort(lines.begin(), lines.end(), [](const QString& a, const QString& b) {
    const bool blankA = a.trimmed().isEmpty(), blankB = b.trimmed().isEmpty();
    if (blankA != blankB) return blankB;
    return a.compare(b, Qt::CaseInsensitive) < 0;
  });
  memo_->setPlainText(lines.join('\n'));
}

void TEdiForm::Save1Click() {
  if (path_.empty()) return;
  std::string text = memo_->toPlainText().toStdString();
  if (!text.empty() && text.back() != '\n') text += '\n';
  const std::string name = windowTitle().toStdString();
  if (SaveWithBackup(path_, text)) {
    PositionFileChanged();
    ctx_.platform.Message("Saved to File " + name);
  } else
    ctx_.platform.Message("Could not save " + name + ": the file is unchanged");
}

void TEdiForm::Undo1Click() {
  if (path_.empty()) return;
  const std::string name = windowTitle().toStdString();
  switch (RestoreBackup(path_)) {
    case RestoreResult::NoBackup:
      return;
    case RestoreResult::Failed:
      ctx_.platform.Message("Could not bring back " + BackupName(name));
      return;
    case RestoreResult::Restored:
      PositionFileChanged();
      if (Load()) ctx_.platform.Message(BackupName(name) + " Undone " + name);
      return;
  }
}

void TEdiForm::PositionFileChanged() {
  if (path_ != ctx_.DataFolder() + kPositionFileName) return;
  for (PlaceFileListener* listener : listeners_) listener->PlaceFileChanged();
}

void TEdiForm::Search1Click() {
  const auto request = ctx_.platform.AskFind({lastFind_, false});
  if (!request || request->text.empty()) return;
  lastFind_ = request->text;
  QTextCursor from = memo_->textCursor();
  from.setPosition(from.selectionEnd());
  const QString text = QString::fromStdString(lastFind_);
  QTextCursor hit = memo_->document()->find(text, from);
  // Past the last match the search goes round once from the top.
  if (hit.isNull()) hit = memo_->document()->find(text, 0);
  if (hit.isNull()) {
    ctx_.platform.Message("Not Found");
    return;
  }
  memo_->setTextCursor(hit);
  memo_->setFocus();
}

void TEdiForm::SelectLine(int line) {
  QTextCursor c(memo_->document()->findBlockByNumber(line));
  c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  memo_->setTextCursor(c);
}

Answer TEdiForm::Ask(const QString& line1, const QString& line2) {
  if (dialog_) return dialog_->Ask(line1, line2, frameGeometry());
  return ctx_.platform.Confirm((line1 + "\n" + line2).toStdString(), true);
}

void TEdiForm::btCheckClick() {
  if (windowTitle() != kPositionFileName) return;
  QStringList lines = memo_->toPlainText().split('\n');
  std::set<std::string> names;
  int errors = 0;
  for (int i = 0; i < lines.size();) {
    if (lines[i].trimmed().isEmpty()) break;
    SelectLine(i);
    const LineCheck check = CheckPositionLine(lines[i].toStdString());
    const QString name = QString::fromStdString(check.name);
    if (!names.insert(LowerFold(TrimBlanks(check.name))).second) {
      ++errors;
      const Answer a = Ask(name + " Double Name", "Repair?");
      if (a == Answer::Cancel) return;
      if (a == Answer::Yes) {
        lines.removeAt(i);
        memo_->setPlainText(lines.join('\n'));
        continue;
      }
    }
    if (!check.rangeMessage.empty()) ctx_.platform.Message(check.rangeMessage);
    if (!check.signNotes.empty()) {
      ++errors;
      const Answer a = Ask(name + " " + QString::fromStdString(check.signNotes) + "Mark Error", "Repair?");
      if (a == Answer::Cancel) return;
      if (a == Answer::Yes) {
        lines[i] = QString::fromStdString(check.repaired);
        memo_->setPlainText(lines.join('\n'));
      }
    }
    ++i;
  }
  if (errors == 0) ctx_.platform.Message("No Errors Found");
}

}  // namespace veltrane
