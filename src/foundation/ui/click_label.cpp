#include "foundation/ui/click_label.h"

#include <QPainter>

namespace veltrane {

ClickLabel::ClickLabel(const QString& objectName, const QString& text, QWidget* parent) : QAbstractButton(parent) {
  setObjectName(objectName);
  setText(text);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
}

QSize ClickLabel::sizeHint() const {
  const QFontMetrics metrics(font());
  return {metrics.horizontalAdvance(text()) + 4, metrics.height() + 2};
}

void ClickLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  painter.drawText(rect().adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text());
}

}  // namespace veltrane
