#pragma once
// "Early Indications": the signs that a tropical cyclone is coming.
#include "foundation/ui/form_base.h"

namespace veltrane {

class TIndicationsForm : public FormBase {
  Q_OBJECT
 public:
  explicit TIndicationsForm(AppContext& ctx);

 protected:
  void BuildContents() override;
};

}  // namespace veltrane
