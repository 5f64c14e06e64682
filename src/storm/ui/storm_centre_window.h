#pragma once
// "Storm Center": the cyclone centre from one observation aboard, the boat's dead reckoning to
// a second one, and from that the centre again, its track and speed, and the semicircle.
#include "foundation/ui/form_base.h"
#include "storm/storm_rules.h"
#include "foundation/ui/position_fields.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace veltrane {

class TAvoidanceForm;

class TStorm_CenterForm : public FormBase {
  Q_OBJECT
 public:
  explicit TStorm_CenterForm(AppContext& ctx);

  void OkClick();
  void CountCyclonClick();
  void Init1Click();
  void Demo1Click();
  // Writes the choices of section "Storm_CenterForm".
  void SaveSettings() override;
  // The window "Avoid" hands the results to.
  void SetAvoidance(TAvoidanceForm* avoidance) { avoidance_ = avoidance; }

  // What the avoidance window takes over; nothing before a centre has been estimated.
  struct Handover {
    const PositionFields* boat;
    const PositionFields* cyclone;
    QString direction, distance, heading, speed, boatSpeed;
  };
  std::optional<Handover> Results() const;

 protected:
  void BuildContents() override;

 private:
  void BuildControls();
  void ReadSettings();
  void WriteExplanation();
  BearingSource Source() const;
  PressureUnit Unit() const;
  // Hours between the observations: a whole number 1..5, or nothing after telling the user.
  struct HoursReading {
    std::optional<int> hours;  // none when empty or 0
    bool refused = false;      // the entry check refused the text and said so
  };
  HoursReading ReadHours();
  // A rate of fall within the chosen unit's entry limit.
  std::optional<double> ReadFall(const QLineEdit* edit) const;
  void ShowEstimate(int bearing, double distance, const PositionRecord& centre);
  void AddLines(const std::vector<std::string>& lines);

  PositionFields pos1_, pos2_, centre_;
  QLineEdit *edit5_, *edit6_, *edit7_, *edit8_, *edit13_, *edit14_, *edit15_, *edit16_, *edit17_, *edit18_,
      *edit19_;
  QRadioButton *rbWind_, *rbCloud_, *rbCentre_, *rbMb_, *rbMmHg_, *rbIM_;
  QWidget *panelPos2_, *panelResults_, *panelTrack_;
  QLabel *lbBaro_, *label37_, *label38_;
  QPlainTextEdit* memo_;
  QPushButton* btnAvoid_;
  TAvoidanceForm* avoidance_ = nullptr;
};

}  // namespace veltrane
