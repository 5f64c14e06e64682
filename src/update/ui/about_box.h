#pragma once
// The about box: program name, version, a short description, and the maker's mail address and
// web page, which open in the user's mail program and browser. Shown modally.
#include <QDialog>

#include "foundation/ui/app_context.h"

namespace veltrane {

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(AppContext& ctx);
};

// "Version: major.minor.release.build" of the running program.
QString VersionText();

}  // namespace veltrane
