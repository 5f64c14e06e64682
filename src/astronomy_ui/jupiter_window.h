#pragma once
// "The 4 Satellites of Jupiter": where Io, Europa, Ganymede and Callisto stand beside Jupiter,
// as coordinates and as a picture, at the astronomy main window's time.
#include <optional>

#include "astro/jupiter_satellites.h"
#include "foundation/ui/form_base.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace veltrane {

class ClickLabel;
class JupiterPicture;
class ObserverSource;

class TJupiterForm : public FormBase {
  Q_OBJECT
 public:
  explicit TJupiterForm(AppContext& ctx);
  void SetObserverSource(ObserverSource* source) { observer_ = source; }

  // Computes and shows the satellites at that instant (jd0: Julian day of 0h UT; hours UT).
  void ShowSatellites(double jd0, double hours);
  void cbTelescopeClick();
  // The date and local time labels follow the main window.
  void RefreshTimeLabels();

 protected:
  void BuildContents() override;

 private:
  ObserverSource* observer_ = nullptr;
  std::optional<JupiterMoons> moons_;
  QLineEdit *edX_[4], *edY_[4], *edPx_[4], *edPy_[4];
  JupiterPicture* picture_;
  QPlainTextEdit* memo_;
  QCheckBox* cbTelescope_;
  ClickLabel *label14_, *lbLocal_;
  QLabel* lbWeekday_;
};

}  // namespace veltrane
