#pragma once
// "Storm Avoidance Situation": the boat's and the cyclone's tracks until the closest point of
// approach, to scale, with a north arrow and a 100-mile bar.
#include <optional>

#include "foundation/ui/form_base.h"
#include "storm/avoidance_plot.h"

class QPlainTextEdit;

namespace veltrane {

class AvoidancePlotView;

class TAvoidgrafForm : public FormBase {
  Q_OBJECT
 public:
  explicit TAvoidgrafForm(AppContext& ctx);
  // Plans the plot for the paint area's size, draws it and lists its figures.
  void Draw(AvoidancePlotInput in);

 protected:
  void BuildContents() override;

 private:
  AvoidancePlotView* paintBox_;
  QPlainTextEdit* memo_;
};

}  // namespace veltrane
