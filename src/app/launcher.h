#pragma once
// The launcher "Veltrane": five sub-program buttons over a picture, and the main menu.
#include <functional>
#include <future>

#include "foundation/ui/form_base.h"
#include "foundation/user_files.h"

class QPushButton;

namespace veltrane {

// The windows the launcher opens; a window not yet built stays null and its control disabled.
struct LauncherTargets {
  FormBase* great = nullptr;
  FormBase* miravel = nullptr;
  FormBase* navigate = nullptr;
  FormBase* storm = nullptr;
  FormBase* brellin = nullptr;
  FormBase* conversions = nullptr;
  FormBase* readme = nullptr;
  // Saved by the orderly exit when visible, instead of being closed.
  std::vector<FormBase*> withSettings;
  // Every other window, closed by the orderly exit when visible.
  std::vector<QWidget*> others;
  // Shows the about box modally.
  std::function<void()> showAbout;
  // Creates the update window on first use and shows it.
  std::function<void()> showUpdate;
};

class TVeltraneForm : public FormBase {
  Q_OBJECT
 public:
  // Makes the settings folder, installs the star file and the user's files missing there and
  // writes the default window positions; runs before any other window exists.
  explicit TVeltraneForm(AppContext& ctx);
  void SetTargets(LauncherTargets targets);

  // Menu "E&xit": save what the open windows keep, close them, end the program.
  void Exit1Click();
  void Readme1Click();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Makes the settings folder and starts installing the program's files there; nothing to wait
  // for when the folder cannot be made.
  std::future<InstalledFiles> PrepareSettingsFolder(bool firstStart);
  void ReportInstalled(const InstalledFiles& installed, bool firstStart);
  void ApplyDefaultPositions();
  void BuildControls();
  void SaveLauncherPosition();

  LauncherTargets targets_;
  QPushButton* btnGreat_;
  QPushButton* btnMiravel_;
  QPushButton* btnNavigate_;
  QPushButton* btnStorm_;
  QPushButton* btnBrellin_;
  QAction* conversions1_;
  QAction* update1_;
};

// Display class of the screen: 2 above 100 logical pixels per inch, else 1 when wider than
// 1000 pixels, else 0.
int DisplayClass(const ScreenMetrics& screen);
// Writes the default window positions for a display class into the launcher section, with
// "NewSet", in one save of the settings file.
void WriteDefaultPositions(AppContext& ctx, int displayClass);

}  // namespace veltrane
