#pragma once
// "Bearings": distance off a fixed object by bearings on the bow and the run between them.
#include "foundation/ui/form_base.h"

class QLabel;

namespace veltrane {

class TNavBearForm : public FormBase {
  Q_OBJECT
 public:
  explicit TNavBearForm(AppContext& ctx);

 protected:
  void BuildContents() override;

 private:
  void BuildControls();
  void ChooseMethod(int method);
  void btnCountClick();

  QLineEdit *edBearing1_, *edRun_, *edBearing2_, *edBearing3_;
  QWidget *pnBearing1_, *pnRun_, *pnBearing2_, *pnBearing3_;
  QLabel *lbMethod_, *lbExplain_;
  QLabel *Label14_, *Label15_, *Label16_, *Label17_, *Label36_;
};

}  // namespace veltrane
