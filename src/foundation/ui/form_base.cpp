#include "foundation/ui/form_base.h"

#include <QAction>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>

#include "foundation/ui/settings.h"

namespace veltrane {

FormBase::FormBase(AppContext& ctx, const QString& objectName, const QString& caption, std::string positionKey,
                   QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), positionKey_(std::move(positionKey)) {
  setObjectName(objectName);
  setWindowTitle(caption);
  RestorePosition();
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

void FormBase::OpenHelp() { ctx_.platform.ShowHelp("index.html"); }

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
  FormClose();
  SavePosition();
  event->accept();
}

std::string TextOf(const QLineEdit* edit) { return edit->text().toStdString(); }

}  // namespace veltrane
