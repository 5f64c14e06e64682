#pragma once
// "Winds": true wind from the apparent wind, and the apparent wind on a new course.
#include "foundation/ui/form_base.h"

class QLabel;
class QRadioButton;

namespace veltrane {

class TNavWindForm : public FormBase {
  Q_OBJECT
 public:
  explicit TNavWindForm(AppContext& ctx);

 protected:
  void BuildContents() override;

 private:
  QWidget* BuildTrueWind(QWidget* parent);
  QWidget* BuildApparentWind(QWidget* parent);
  void lbTrueWindClick();
  void lbAppWindClick();

  QLineEdit *edSailCourse_, *edBoatSpeed_, *edAppWindDir_, *edAppWindSpeed_;
  QRadioButton *RadioButton1_, *RadioButton2_;
  QLabel *lbTrWindDir_, *lbTrWindSpeed_;
  QLineEdit *edBoatSp_, *edWindSp_, *edAngle_;
  QLabel *lbSpeed_, *lbAngle_;
};

}  // namespace veltrane
