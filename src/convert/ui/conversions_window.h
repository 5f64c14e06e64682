#pragma once
// "Conversions": eight live converters, each an edit field, its unit radio buttons and result
// boxes with their unit boxes.
#include <QString>
#include <array>
#include <vector>

#include "convert/conversions.h"
#include "foundation/ui/form_base.h"

class QLineEdit;
class QRadioButton;

namespace veltrane {

class TConvForm : public FormBase {
  Q_OBJECT
 public:
  explicit TConvForm(AppContext& ctx);

 protected:
  void BuildContents() override;

 private:
  struct Converter {
    Quantity quantity;
    QLineEdit* edit = nullptr;
    std::vector<QRadioButton*> units;
    std::vector<QLineEdit*> results;
    std::vector<QLineEdit*> resultUnits;
  };
  QWidget* BuildConverter(Converter& c, const QString& title, const QString& editName, int resultCount);
  // Runs on every change of the edit text and every click of the converter's radio buttons.
  void Recompute(Converter& c);

  std::array<Converter, 8> converters_;
};

}  // namespace veltrane
