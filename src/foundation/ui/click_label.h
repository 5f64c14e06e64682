#pragma once
// A label the user clicks to run something: looks like text, shows the hand cursor, and
// emits clicked() like a button (so tests click it by name).
#include <QAbstractButton>

namespace veltrane {

class ClickLabel : public QAbstractButton {
  Q_OBJECT
 public:
  ClickLabel(const QString& objectName, const QString& text, QWidget* parent = nullptr);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace veltrane
