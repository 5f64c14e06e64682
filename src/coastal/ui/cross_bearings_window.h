#pragma once
// "CrossBearing": the boat's position from the compass or magnetic bearings of two charted
// objects, corrected for deviation and variation, where the two position lines cross.
#include "coastal/ui/nav_fields.h"
#include "foundation/ui/form_base.h"
#include "foundation/ui/position_fields.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace veltrane {

class TCrossForm : public FormBase {
  Q_OBJECT
 public:
  explicit TCrossForm(AppContext& ctx);

  // "Boat Position": reads both objects and bearings and shows the fix.
  void lbPositionClick();

 protected:
  void BuildContents() override;
  void FormClose() override;

 private:
  struct Bearing {
    QLineEdit* compass;
    QLineEdit* magnetic;
    QLineEdit* real;
    QLineEdit* angle;
  };

  void BuildControls();
  void LoadSettings();
  // The true bearing of one object, or nothing (with its message) when no bearing is given.
  // The true bearing from the compass or magnetic bearing and the variation; none when both
  // fields are empty (the message `missing` shown).
  struct BearingReading {
    std::optional<double> bearing;
    bool erroneous = false;  // a field's text was not a number, or the variation beyond its limit
  };
  BearingReading TrueBearing(const Bearing& b, const char* missing);

  PositionFields pointA_, pointB_, fix_;
  QComboBox* cbCompass_ = nullptr;
  Bearing bearingA_{}, bearingB_{};
  QLineEdit *edVarDeg_ = nullptr, *edVarMin_ = nullptr;
  QRadioButton *rbVarWest_ = nullptr, *rbVarEast_ = nullptr;
};

}  // namespace veltrane
