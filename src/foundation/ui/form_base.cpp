#include "foundation/ui/form_base.h"

#include <optional>

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QShortcut>
#include <QSignalBlocker>

#include "foundation/ui/help_pages.h"
#include "foundation/ui/settings.h"

namespace veltrane {

FormBase::FormBase(AppContext& ctx, const QString& objectName, const QString& caption, std::string positionKey,
                   QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), positionKey_(std::move(positionKey)) {
  setObjectName(objectName);
  setWindowTitle(caption);
  RestorePosition();
  auto* help = new QShortcut(QKeySequence::HelpContents, this);
  connect(help, &QShortcut::activated, this, &FormBase::OpenHelp);
}

void FormBase::CreateContents() {
  contentsPending_ = true;
  if (!ctx_.buildOnFirstShow) EnsureBuilt();
}

void FormBase::EnsureBuilt() const {
  if (!contentsPending_) return;
  contentsPending_ = false;
  // Building is the window's deferred construction, not a change a caller could see.
  const_cast<FormBase*>(this)->BuildContents();
}

void FormBase::setVisible(bool visible) {
  if (visible) {
    EnsureBuilt();
    // Sized before it is first shown: a window that Qt sizes while showing it takes its restored
    // position for the inside of its frame, and so climbs by a title bar at every start.
    if (!testAttribute(Qt::WA_WState_Created) && !testAttribute(Qt::WA_Resized)) adjustSize();
  }
  QMainWindow::setVisible(visible);
}

void FormBase::ShowForm() {
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}

void FormBase::PrintForm() {
  const QPixmap image = grab();
  auto printer = ctx_.platform.BeginPrint(this);
  if (!printer) return;
  QPainter painter(printer.get());
  const QRect page = painter.viewport();
  QSize size = image.size();
  size.scale(page.size(), Qt::KeepAspectRatio);
  painter.drawPixmap(QRect(page.topLeft(), size), image);
}

void FormBase::OpenHelp() { ctx_.platform.ShowHelp(HelpPageFor(objectName().toStdString())); }

QAction* FormBase::AddMenuAction(const QString& objectName, const QString& caption, std::function<void()> handler) {
  QAction* action = menuBar()->addAction(caption);
  action->setObjectName(objectName);
  connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
  return action;
}

QMenu* FormBase::AddMenu(const QString& objectName, const QString& caption) {
  QMenu* menu = menuBar()->addMenu(caption);
  menu->setObjectName(objectName);
  menu->menuAction()->setObjectName(objectName + "Action");
  return menu;
}

QAction* FormBase::AddMenuAction(QMenu* menu, const QString& objectName, const QString& caption,
                                 std::function<void()> handler) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(objectName);
  connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
  return action;
}

void FormBase::WatchEntry(QLineEdit* edit, std::function<bool(const std::string&)> check) {
  connect(edit, &QLineEdit::textChanged, this, [edit, check = std::move(check)](const QString& text) {
    if (text.isEmpty()) return;
    if (!check(text.toStdString())) edit->selectAll();
  });
}

namespace {

const std::string kTypedPrefix = "Typed.";

template <class T>
QList<T*> NamedChildren(QObject* window) {
  QList<T*> named;
  for (T* w : window->findChildren<T*>())
    if (!w->objectName().isEmpty()) named.push_back(w);
  return named;
}

}  // namespace

void FormBase::KeepTypedValues() {
  keepsTypedValues_ = true;
  const Settings settings(ctx_);
  const std::string section = objectName().toStdString();
  // Nothing when the key is missing: a missing key reads as either default.
  auto stored = [&](QObject* w) -> std::optional<std::string> {
    const std::string key = kTypedPrefix + w->objectName().toStdString();
    std::string value = settings.Read(section, key, std::string("0"));
    if (value != settings.Read(section, key, std::string("1"))) return std::nullopt;
    return value;
  };
  // Quietly: a value kept is not checked again, and a choice is set without the click that would
  // make the window clear or convert what was just put back.
  for (QLineEdit* edit : NamedChildren<QLineEdit>(this)) {
    const auto text = stored(edit);
    if (edit->isReadOnly() || !text) continue;
    const QSignalBlocker quiet(edit);
    edit->setText(QString::fromStdString(*text));
  }
  for (QAbstractButton* choice : NamedChildren<QAbstractButton>(this)) {
    if (!choice->isCheckable()) continue;
    const auto state = stored(choice);
    if (state == "1") choice->setChecked(true);
    if (state == "0" && !choice->autoExclusive()) choice->setChecked(false);
  }
}

void FormBase::SaveTypedValues() {
  if (!keepsTypedValues_) return;
  Settings settings(ctx_);
  const std::string section = objectName().toStdString();
  for (QLineEdit* edit : NamedChildren<QLineEdit>(this)) {
    if (!edit->isReadOnly()) settings.Write(section, kTypedPrefix + edit->objectName().toStdString(), edit->text());
  }
  for (QAbstractButton* choice : NamedChildren<QAbstractButton>(this)) {
    if (choice->isCheckable())
      settings.Write(section, kTypedPrefix + choice->objectName().toStdString(), std::string(choice->isChecked() ? "1" : "0"));
  }
}

void FormBase::SetDefaultAction(std::function<void()> action, QWidget* area) {
  enterActions_.emplace_back(area, std::move(action));
}

void FormBase::ClickOnEnter(const char* buttonName, std::initializer_list<const char*> fieldNames) {
  auto* button = findChild<QAbstractButton*>(buttonName);
  if (!button) return;
  const auto click = [button] {
    if (button->isEnabled() && !button->isHidden()) button->click();
  };
  if (fieldNames.size() == 0) SetDefaultAction(click);
  for (const char* name : fieldNames) {
    if (auto* field = findChild<QWidget*>(name)) SetDefaultAction(click, field);
  }
}

// Enter in a field reaches the window because a line edit passes it on.
void FormBase::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    const QWidget* focus = focusWidget();
    const std::function<void()>* chosen = nullptr;
    for (const auto& [area, action] : enterActions_) {
      if (area && focus && area->isAncestorOf(focus)) {
        chosen = &action;
        break;
      }
      if (!area && !chosen) chosen = &action;
    }
    if (chosen) {
      (*chosen)();
      return;
    }
  }
  if (key == Qt::Key_Escape && closeOnEscape_) {
    close();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void FormBase::WatchEntries(const std::vector<EntryCheck>& checks) {
  for (const EntryCheck& c : checks) WatchEntry(c.edit, c.check);
}

void FormBase::RestorePosition() {
  if (!positionKey_.empty()) RestoreWindowPosition(ctx_, this, positionKey_);
}

void FormBase::SavePosition() {
  if (!positionKey_.empty()) SaveWindowPosition(ctx_, this, positionKey_);
}

void FormBase::closeEvent(QCloseEvent* event) {
  // A window never built was never shown: it has nothing new to keep.
  if (ContentsBuilt()) {
    FormClose();
    SaveTypedValues();
    SavePosition();
  }
  event->accept();
}

std::string TextOf(const QLineEdit* edit) { return edit->text().toStdString(); }

}  // namespace veltrane
