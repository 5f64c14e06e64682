#pragma once
// "Celestial Body": a body's place, altitude and azimuth, brightness, distance, phase, rising,
// transit and setting and the day's twilight at the astronomy main window's place and time,
// with the calculation listing.
#include <optional>
#include <string>

#include "astro/body_summary.h"
#include "astronomy_ui/star_link.h"
#include "foundation/ui/form_base.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace veltrane {

class MoonPhaseBox;
class ObserverSource;
class TJupiterForm;

class TPlanetForm : public FormBase, public StarTaker {
  Q_OBJECT
 public:
  explicit TPlanetForm(AppContext& ctx);
  void SetObserverSource(ObserverSource* source) { observer_ = source; }
  void SetJupiterWindow(TJupiterForm* jupiter) { jupiter_ = jupiter; }

  // The body as the main window names it: "SUN", "MOON", "MERCURY" .. "NEPTUNE". Shows the
  // window with its values; false when the place or time could not be read.
  bool ShowBody(const std::string& label);
  // The star of the star window ("Star Values"): name, epoch 2000 place, proper motions and
  // magnitude as the star file holds them.
  bool ShowStar(const std::string& name, const std::string& ra, const std::string& dec,
                const std::string& prpA, const std::string& prpD, const std::string& magnitude);
  void TakeStar(const ChosenStar& star) override;
  void btnSatellitClick();

 protected:
  void BuildContents() override;

 private:
  bool Compute(const SkyBody& body, const std::string& title);
  void Show(const BodySummary& s, double zoneHours);
  void ShowPhase(const BodySummary& s, BodyKind kind);
  QLineEdit* Result(const char* name);

  ObserverSource* observer_ = nullptr;
  TJupiterForm* jupiter_ = nullptr;
  std::optional<SkyInstant> lastInstant_;
  QLabel* lbBody_;
  QLabel *lblPhase_, *lbFas_;
  MoonPhaseBox* paintBox_;
  QPlainTextEdit *memo1_, *memo2_;
  QPushButton* btnSatellit_;
};

}  // namespace veltrane
