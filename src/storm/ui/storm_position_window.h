#pragma once
// "Count Positions Distances and Courses": the end of a run by mid-latitude sailing.
#include "foundation/ui/form_base.h"
#include "foundation/ui/position_fields.h"

namespace veltrane {

class TPositionForm : public FormBase {
  Q_OBJECT
 public:
  explicit TPositionForm(AppContext& ctx);
  void CountPositionClick();

 protected:
  void BuildContents() override;

 private:
  PositionFields start_, end_;
  QLineEdit *edit9_, *edit10_;
};

}  // namespace veltrane
