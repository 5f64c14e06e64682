#include "celestial/ui/sight_plot_view.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "foundation/numbers.h"

namespace veltrane {
namespace {

void NorthArrow(QPainter& p, const QRect& area) {
  const QPoint tip(area.right() - 20, area.top() + 12);
  const QPoint tail(tip.x(), tip.y() + 40);
  p.drawLine(tip, tail);
  p.drawLine(tip, tip + QPoint(-5, 10));
  p.drawLine(tip, tip + QPoint(5, 10));
  p.drawText(QRect(tip.x() - 10, tail.y() + 2, 20, 16), Qt::AlignHCenter | Qt::AlignTop, "N");
}

}  // namespace

void PaintSightPlot(QPainter& p, const QRect& area, const std::optional<SightPlotData>& data) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(area, Qt::white);
  p.setPen(QPen(Qt::black, 1));
  p.drawRect(area.adjusted(0, 0, -1, -1));
  NorthArrow(p, area);
  if (!data) {
    p.restore();
    return;
  }
  const QPointF centre = QRectF(area).center();
  const double pixelsPerMile = std::min(area.width(), area.height()) / 2.0 / data->reach;
  const auto at = [&](const PlotPoint& m) {
    return QPointF(centre.x() + m.east * pixelsPerMile, centre.y() - m.north * pixelsPerMile);
  };
  p.setClipRect(area);
  // Lines of position, long enough to cross the plot; a blunder dashed in red.
  for (size_t i = 0; i < data->lines.size(); ++i) {
    const PlotLine& l = data->lines[i];
    const double half = 2.0 * data->reach;
    const PlotPoint a{l.foot.east - half * l.direction.east, l.foot.north - half * l.direction.north};
    const PlotPoint b{l.foot.east + half * l.direction.east, l.foot.north + half * l.direction.north};
    p.setPen(l.blunder ? QPen(Qt::red, 1.5, Qt::DashLine) : QPen(Qt::darkBlue, 1.5));
    p.drawLine(at(a), at(b));
    const PlotPoint label{l.foot.east + 0.6 * data->reach * l.direction.east,
                          l.foot.north + 0.6 * data->reach * l.direction.north};
    p.drawText(at(label) + QPointF(3, -3), QString::number(i + 1));
  }
  // The 95 % ellipse about the fix, its major axis along the orientation from north.
  p.setPen(QPen(Qt::darkGreen, 1.5));
  p.save();
  p.translate(centre);
  p.rotate(data->ellipse.orientation - 90.0);
  p.drawEllipse(QPointF(0, 0), data->ellipse.semiMajor * pixelsPerMile, data->ellipse.semiMinor * pixelsPerMile);
  p.restore();
  p.setPen(QPen(Qt::black, 2));
  p.setBrush(Qt::black);
  p.drawEllipse(centre, 3.5, 3.5);
  p.drawText(centre + QPointF(6, -6), "Fix");
  p.setBrush(Qt::NoBrush);
  if (data->withoutBlunder) {
    const QPointF w = at(*data->withoutBlunder);
    p.setPen(QPen(Qt::red, 2));
    p.drawEllipse(w, 4.0, 4.0);
    // Left of its mark, clear of the fix's label on the right.
    const QString text = "Without blunder";
    p.drawText(w + QPointF(-6 - p.fontMetrics().horizontalAdvance(text), 16), text);
  }
  // The DR position as a small square.
  const QPointF dr = at(data->dr);
  p.setPen(QPen(Qt::black, 1.5));
  p.drawRect(QRectF(dr.x() - 4, dr.y() - 4, 8, 8));
  p.drawText(dr + QPointF(6, 12), "DR");
  // Scale bar along the bottom left.
  const double bar = data->scaleBar * pixelsPerMile;
  const QPointF start(area.left() + 12, area.bottom() - 14);
  p.setPen(QPen(Qt::black, 2));
  p.drawLine(start, start + QPointF(bar, 0));
  p.drawLine(start + QPointF(0, -4), start + QPointF(0, 4));
  p.drawLine(start + QPointF(bar, -4), start + QPointF(bar, 4));
  const double miles = data->scaleBar;
  p.drawText(start + QPointF(0, -6), QString::fromStdString(Str(miles, miles < 1.0 ? 1 : 0)) + " NM");
  p.restore();
}

SightPlotView::SightPlotView(QWidget* parent) : QWidget(parent) {
  setObjectName("pbPlot");
  setMinimumSize(360, 360);
}

void SightPlotView::Show(std::optional<SightPlotData> data) {
  data_ = std::move(data);
  update();
}

void SightPlotView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  PaintSightPlot(p, rect(), data_);
}

}  // namespace veltrane
