#pragma once
// "Approaching Pressure Center": from the barometer, the wind and the course, where a nearby
// high or low lies, how the wind will turn, and whether a front is ahead; with a picture.
#include "foundation/ui/form_base.h"

class QPlainTextEdit;
class QRadioButton;
class QTimer;

namespace veltrane {

class PressurePictureView;

class TPressureForm : public FormBase {
  Q_OBJECT
 public:
  explicit TPressureForm(AppContext& ctx);
  void OkClick();

 protected:
  void BuildContents() override;

 private:
  QLineEdit *edit5_, *edit6_, *edit8_;
  QRadioButton *rbNorth_, *rbSouth_, *rbMb_, *rbMmHg_, *rbIM_, *rbFalling_, *rbRising_, *rbSteady_, *rbBacking_,
      *rbVeering_, *rbNone_;
  QPlainTextEdit* memo_;
  PressurePictureView* paintBox_;
  QTimer* timer_;
};

}  // namespace veltrane
