#pragma once
// What every calculator window shares: its context, menu items named like the program's
// components, printing its own image, help, field checks and its saved position.
#include <QMainWindow>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
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
  // Builds the window's components if that was put off until it is needed. A method that other
  // windows call through a link starts with it.
  void EnsureBuilt() const;
  // Whether the components exist (a link that only refreshes what is shown may skip its work).
  bool ContentsBuilt() const { return !contentsPending_; }
  // Showing the window builds it first.
  void setVisible(bool visible) override;
  // Shows the window, or brings it forward when it is already open.
  void ShowForm();
  // Prints the window's image, scaled to the page, after the print dialog.
  void PrintForm();
  void OpenHelp();
  // Writes the window's section and position entry; the program's orderly exit calls it for the
  // windows whose values are kept.
  virtual void SaveSettings() {}

 protected:
  // The last step of a window's constructor: builds the components (BuildContents) at once, or
  // at the first showing when the program puts that off for a quick start.
  void CreateContents();
  // Makes the components, menus and entry checks, and reads the window's own section.
  virtual void BuildContents() {}

  // A menu-bar item that acts when clicked ("&Close Form" named Close1 and the like).
  QAction* AddMenuAction(const QString& objectName, const QString& caption, std::function<void()> handler);
  QMenu* AddMenu(const QString& objectName, const QString& caption);
  QAction* AddMenuAction(QMenu* menu, const QString& objectName, const QString& caption,
                         std::function<void()> handler);
  // Checks the field on every change of a non-empty text; a failed check has beeped and shown
  // its message, and the field's whole text is then selected.
  void WatchEntry(QLineEdit* edit, std::function<bool(const std::string&)> check);
  // The count that Enter runs from a field of `area` (the whole window when null); a field inside
  // an area given its own count runs that one.
  void SetDefaultAction(std::function<void()> action, QWidget* area = nullptr);
  // Enter in one of the named fields (any field when none are named) clicks the named button or
  // label, as the user's click would.
  void ClickOnEnter(const char* buttonName, std::initializer_list<const char*> fieldNames = {});
  // Keeps what the user typed into this window's fields, and its radio button and check box
  // choices, from one session to the next, under "Typed." keys of the window's own section; read
  // now (call it once the fields exist), written when the window closes. Fields the window fills
  // itself (read-only) are not kept.
  void KeepTypedValues();
  // Esc closes the window: the small windows a sub-program opens, not its main window.
  void CloseOnEscape() { closeOnEscape_ = true; }
  void WatchEntries(const std::vector<EntryCheck>& checks);

  void RestorePosition();
  void SavePosition();
  // Called when the window closes (by its close box, a menu item or the program's exit).
  virtual void FormClose() {}
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

  AppContext& ctx_;
  std::string positionKey_;

 private:
  void SaveTypedValues();

  std::vector<std::pair<QWidget*, std::function<void()>>> enterActions_;
  bool closeOnEscape_ = false;
  bool keepsTypedValues_ = false;
  mutable bool contentsPending_ = false;
};

// Text of a line edit as UTF-8.
std::string TextOf(const QLineEdit* edit);

}  // namespace veltrane
