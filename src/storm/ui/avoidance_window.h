#pragma once
// "Storm Avoidance": the course that keeps the cyclone's closest approach as far off as it can,
// when the cyclone gets there and where the boat is then; "Situation" draws it to scale.
#include <optional>

#include "foundation/ui/form_base.h"
#include "storm/avoidance_plot.h"
#include "foundation/ui/position_fields.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace veltrane {

class TAvoidgrafForm;
class TStorm_CenterForm;

class TAvoidanceForm : public FormBase {
  Q_OBJECT
 public:
  explicit TAvoidanceForm(AppContext& ctx);
  // Where "Transfer" takes the storm centre's results from, and where "Situation" draws.
  void SetLinks(const TStorm_CenterForm* centre, TAvoidgrafForm* plot) {
    centre_ = centre;
    plot_ = plot;
  }

  void CyclonCountClick();
  void SituationClick();
  // Takes over the storm-centre window's results, when it has any.
  void Transfer1Click();

 protected:
  void BuildContents() override;

 private:
  void BuildControls();
  void AddLine(const std::string& line);
  void ClearResults();
  // Bearing and distance to the cyclone from its position or as typed; nothing when missing,
  // with a message when the typed run would pass a pole.
  struct Target {
    double bearing = 0.0;
    double distance = 0.0;
  };
  struct TargetReading {
    std::optional<Target> target;
    std::string message;
  };
  TargetReading ReadTarget(const std::optional<PositionRecord>& boat);

  PositionFields boat_, cyclone_;
  QLineEdit *edit6_, *edit11_, *edit12_, *edit13_, *edit14_, *edit15_, *edit16_, *edit17_, *edit18_, *edit19_;
  QWidget* panel5_;
  QLabel *label4_, *label11_, *label32_;
  QPlainTextEdit* memo_;
  QPushButton* situation_;
  // What "Situation" draws: the last solved situation.
  AvoidancePlotInput plotInput_;
  const TStorm_CenterForm* centre_ = nullptr;
  TAvoidgrafForm* plot_ = nullptr;
};

}  // namespace veltrane
