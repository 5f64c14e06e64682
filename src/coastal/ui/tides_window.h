#pragma once
// "h": height of the tide at a time, or the time of a height, between a high and a low water.
#include <optional>

#include "foundation/ui/form_base.h"

class QRadioButton;

namespace veltrane {

struct TideTimes;

class TNavTideForm : public FormBase {
  Q_OBJECT
 public:
  explicit TNavTideForm(AppContext& ctx);

 protected:
  void BuildContents() override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  // The hours of a time field, or nothing after a message when it holds no clock time.
  std::optional<double> ReadClock(const QLineEdit* edit);
  std::optional<TideTimes> ReadTimes();
  void btHeightClick();
  void btTimeClick();
  void Emptyall1Click();

  QLineEdit *edHighHeight_, *edLowHeight_, *edHighTime_, *edLowTime_, *edNewHeight_, *edNewTime_;
  QRadioButton *rbHigh_, *rbLow_;
};

}  // namespace veltrane
