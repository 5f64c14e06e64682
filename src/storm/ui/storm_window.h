#pragma once
// "Storm": the entry to the tropical-cyclone tools.
#include "foundation/ui/form_base.h"

namespace veltrane {

// The windows the four buttons open; a missing one makes its button do nothing.
struct StormTools {
  FormBase* indications = nullptr;
  FormBase* pressure = nullptr;
  FormBase* centre = nullptr;
  FormBase* avoidance = nullptr;
};

class TStormForm : public FormBase {
  Q_OBJECT
 public:
  explicit TStormForm(AppContext& ctx);
  void SetTools(const StormTools& tools) { tools_ = tools; }

 protected:
  void BuildContents() override;

 private:
  StormTools tools_;
};

}  // namespace veltrane
