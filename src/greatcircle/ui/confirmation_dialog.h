#pragma once
// "Confirmation": the position file checker's question, two lines of text and Yes / No /
// Cancel, placed over the editor.
#include <QDialog>

#include "foundation/ui/app_context.h"

class QLabel;

namespace veltrane {

class TDlgForm2 : public QDialog {
  Q_OBJECT
 public:
  explicit TDlgForm2(AppContext& ctx);
  // Asks and waits; closing the dialog counts as Cancel. `over` is the editor's frame.
  Answer Ask(const QString& line1, const QString& line2, const QRect& over);

 private:
  QLabel* label1_;
  QLabel* label2_;
};

}  // namespace veltrane
