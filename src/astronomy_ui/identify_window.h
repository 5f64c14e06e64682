#pragma once
// "Identify": which star or planet was measured, from its sextant height and bearing at the
// astronomy main window's place and time.
#include "foundation/ui/form_base.h"

class QComboBox;
class QLineEdit;

namespace veltrane {

class ObserverSource;

class TIdentifyForm : public FormBase {
  Q_OBJECT
 public:
  explicit TIdentifyForm(AppContext& ctx);
  void SetObserverSource(ObserverSource* source) { observer_ = source; }
  void btnIdentifyClick();

 protected:
  void BuildContents() override;

 private:
  QLineEdit* Result(const char* name, int width = 90);

  ObserverSource* observer_ = nullptr;
  QLineEdit *edHmDeg_, *edHmMin_, *edZn_;
  QComboBox* cbMg_;
};

}  // namespace veltrane
