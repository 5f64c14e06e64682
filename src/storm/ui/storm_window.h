#pragma once
// "Storm": the entry to the tropical-cyclone tools.
#include "foundation/ui/form_base.h"

namespace veltrane {

class TStormForm : public FormBase {
  Q_OBJECT
 public:
  explicit TStormForm(AppContext& ctx);
};

}  // namespace veltrane
