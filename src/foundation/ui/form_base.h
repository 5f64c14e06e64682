#pragma once
// What every calculator window shares: its context, menu items named like the program's
// components, printing its own image, help, field checks and its saved position.
#include <QMainWindow>
#include <functional>
#include <string>
#include <vector>

#include "foundation/ui/app_context.h"

class QLineEdit;
class QMenu;
class QAction;

namespace veltrane {

// A field and the check it runs on every change of a non-empty text.
struct EntryCheck {
  QLineEdit* edit;
  std::function<bool(const std::string&)> check;
};

class FormBase : public QMainWindow {
  Q_OBJECT
 public:
  // positionKey: the window's entry in the launcher section ("fNavi"), empty for none.
  FormBase(AppContext& ctx, const QString& objectName, const QString& caption, std::string positionKey = {},
           QWidget* parent = nullptr);

  AppContext& Context() { return ctx_; }
  // Shows the window, or brings it forward when it is already open.
  void ShowForm();
  // Prints the window's image, scaled to the page, after the print dialog.
  void PrintForm();
  void OpenHelp();
  // Writes the window's section and position entry; the program's orderly exit calls it for the
  // windows whose values are kept.
  virtual void SaveSettings() {}

 protected:
  // A menu-bar item that acts when clicked ("&Close Form" named Close1 and the like).
  QAction* AddMenuAction(const QString& objectName, const QString& caption, std::function<void()> handler);
  QMenu* AddMenu(const QString& objectName, const QString& caption);
  QAction* AddMenuAction(QMenu* menu, const QString& objectName, const QString& caption,
                         std::function<void()> handler);
  // Checks the field on every change of a non-empty text; a failed check has beeped and shown
  // its message, and the field's whole text is then selected.
  void WatchEntry(QLineEdit* edit, std::function<bool(const std::string&)> check);
  void WatchEntries(const std::vector<EntryCheck>& checks);

  void RestorePosition();
  void SavePosition();
  // Called when the window closes (by its close box, a menu item or the program's exit).
  virtual void FormClose() {}
  void closeEvent(QCloseEvent* event) override;

  AppContext& ctx_;
  std::string positionKey_;
};

// Text of a line edit as UTF-8.
std::string TextOf(const QLineEdit* edit);

}  // namespace veltrane
