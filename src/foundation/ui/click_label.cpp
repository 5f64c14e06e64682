#include "foundation/ui/click_label.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace veltrane {

ClickLabel::ClickLabel(const QString& objectName, const QString& text, QWidget* parent) : QAbstractButton(parent) {
  setObjectName(objectName);
  setText(text);
  setCursor(Qt::PointingHandCursor);
  // Reached with Tab and run with Space, like a button.
  setFocusPolicy(Qt::TabFocus);
  setToolTip("Click to count");
  QFont underlined = font();
  underlined.setUnderline(true);
  setFont(underlined);
}

QSize ClickLabel::sizeHint() const {
  const QFontMetrics metrics(font());
  return {metrics.horizontalAdvance(text()) + 6, metrics.height() + 4};
}

// Drawn as a link, so it reads as something to click.
void ClickLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
  painter.setPen(palette().color(group, isEnabled() ? QPalette::Link : QPalette::WindowText));
  painter.drawText(rect().adjusted(3, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text());
  if (hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
}

}  // namespace veltrane
