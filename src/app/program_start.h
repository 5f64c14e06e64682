#pragma once
// Program start: the settings folder, every window in its order (the launcher first), and
// the wiring of the launcher to the windows it opens.
#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

#include "foundation/ui/app_context.h"

namespace veltrane {

class TAboutBox;
class TVeltraneForm;
class TVerForm;
class VeltraneApplication;

class Program {
 public:
  Program(Platform& platform, std::string settingsFolder, std::string programFolder);
  ~Program();
  AppContext& Context() { return ctx_; }
  TVeltraneForm& Launcher() { return *launcher_; }

 private:
  template <class T, class... Links>
  T* Create(Links... links);
  AppContext ctx_;
  TVeltraneForm* launcher_ = nullptr;
  std::vector<std::unique_ptr<QWidget>> windows_;  // in creation order
  QPointer<TVerForm> update_;  // created for each check, destroyed when it closes
  std::unique_ptr<TAboutBox> about_;
};

// Runs the program; "--smoke" starts as a user's start would, shows the launcher, processes
// pending events and exits 0, or 1 when the start had anything to say (said on standard error).
int RunProgram(VeltraneApplication& app);

}  // namespace veltrane
