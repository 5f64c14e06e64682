#pragma once
// "Sailing": beating to a mark dead to windward, a new tacking angle, and gybing downwind.
#include <array>
#include <optional>

#include "coastal/tacking.h"
#include "foundation/ui/form_base.h"

class QLabel;

namespace veltrane {

class TNavSailForm : public FormBase {
  Q_OBJECT
 public:
  explicit TNavSailForm(AppContext& ctx);

 protected:
  void BuildContents() override;

 private:
  // One row of the downwind table: the speed typed and the five results.
  struct DownwindRow {
    int divergence = 0;
    QLineEdit* speed = nullptr;
    QLabel *leg1 = nullptr, *leg2 = nullptr, *total = nullptr, *time = nullptr, *vmg = nullptr;
  };

  QWidget* BuildUpwind(QWidget* parent);
  QWidget* BuildDownwind(QWidget* parent);
  void lbDisToWeatherClick();
  void lbNewTackAngleClick();
  void lbTackDownClick();
  void btnInitClick();

  QLineEdit *edMark_, *edAngle_, *edSpeed_, *edNewAngle_;
  QLabel *lbDistance_, *lbVmg_, *lbNewDistance_, *lbNewSpeed_;
  QLineEdit *edMark2_, *edWind_;
  std::array<DownwindRow, 9> rows_;
  // The last beat to weather and its boat speed, which a new tacking angle is compared with.
  std::optional<Beat> beat_;
  double beatMark_ = 0.0;
  double beatSpeed_ = 0.0;
};

}  // namespace veltrane
