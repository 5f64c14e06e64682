#pragma once
// "Distances": distance off by heights and sextant angles, and distance-time-speed.
#include <optional>
#include <string>

#include "coastal/distance_off.h"
#include "foundation/ui/form_base.h"

class QLabel;
class QRadioButton;

namespace veltrane {

class TNavDisForm : public FormBase {
  Q_OBJECT
 public:
  explicit TNavDisForm(AppContext& ctx);

 protected:
  void BuildContents() override;
  void FormClose() override;

 private:
  enum class Function { Horizon, HorizonAngle, Object, Beyond, Visibility };
  struct Inputs {
    double angle = 0.0;  // sextant angle, degrees
    double index = 0.0;  // index error, degrees
    double eye = 0.0;    // feet
    double object = 0.0;  // feet
  };

  void BuildControls();
  void ChooseFunction(Function f);
  void SetUnit(bool metres);
  bool Metres() const;
  // False (after a message) when a height is negative.
  bool ReadInputs(Inputs& in);
  // False (after the message) when a value the function needs is missing.
  bool Require(bool present, const char* message);
  // The answer's text, or a message when the sight has none.
  void ShowSight(QLabel* result, const std::optional<std::string>& text);
  void ShowRun(QLineEdit* field, const RunAnswer& answer, bool clock);
  void Label12Click();
  void Label20Click();
  void Label13Click();
  void Label22Click();
  void Label19Click();
  void btDistanceClick();
  void btTimeClick();
  void btSpeedClick();

  QLineEdit *edIndex_, *edSexDeg_, *edSexMin_, *edEyeHeight_, *edObject_;
  QLineEdit *edDistance_, *edSpeed_, *edTime_;
  QWidget *pnIndex_, *pnSextant_, *pnEye_, *pnObject_;
  QRadioButton *RadioButton1_, *RadioButton2_;
  QLabel *lbEyeUnit_, *lbObjectUnit_, *lbMode_;
  QLabel *lbDistance_, *lbDisByAngle_, *lbDisToObject_, *lbDisToObj2_, *lbVisibility_;
  std::optional<Function> chosen_;  // the function whose label was clicked last
};

}  // namespace veltrane
