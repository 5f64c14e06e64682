#include "app/launcher_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace veltrane {

LauncherPicture::LauncherPicture(QWidget* parent) : QWidget(parent) { setFixedSize(sizeHint()); }

void LauncherPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const int w = width(), h = height(), horizon = h * 62 / 100;
  QLinearGradient sky(0, 0, 0, horizon);
  sky.setColorAt(0, QColor(8, 14, 40));
  sky.setColorAt(1, QColor(40, 70, 120));
  p.fillRect(0, 0, w, horizon, sky);
  QLinearGradient sea(0, horizon, 0, h);
  sea.setColorAt(0, QColor(20, 50, 80));
  sea.setColorAt(1, QColor(5, 20, 35));
  p.fillRect(0, horizon, w, h - horizon, sea);
  // A fixed scatter of stars, the same on every start.
  p.setPen(Qt::NoPen);
  unsigned seed = 12345;
  for (int i = 0; i < 90; ++i) {
    seed = seed * 1103515245u + 12345u;
    const int x = static_cast<int>((seed >> 8) % static_cast<unsigned>(w));
    seed = seed * 1103515245u + 12345u;
    const int y = static_cast<int>((seed >> 8) % static_cast<unsigned>(horizon - 8));
    const int r = (seed >> 20) % 5 == 0 ? 2 : 1;
    p.setBrush(QColor(255, 255, 230, 140 + static_cast<int>((seed >> 4) % 110)));
    p.drawEllipse(QPoint(x, y), r, r);
  }
  // Compass rose.
  const QPointF c(w * 0.78, horizon * 0.45);
  const double R = horizon * 0.33;
  p.setPen(QPen(QColor(230, 210, 150), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, R, R);
  for (int k = 0; k < 8; ++k) {
    const double a = k * M_PI / 4.0;
    const double len = (k % 2 == 0) ? R : R * 0.6;
    QPainterPath ray;
    ray.moveTo(c + QPointF(std::sin(a) * len, -std::cos(a) * len));
    ray.lineTo(c + QPointF(std::sin(a + 0.35) * R * 0.18, -std::cos(a + 0.35) * R * 0.18));
    ray.lineTo(c);
    ray.closeSubpath();
    p.setBrush(k % 2 == 0 ? QColor(230, 210, 150) : QColor(150, 130, 90));
    p.drawPath(ray);
  }
  // The widget's own family: another family would cost a font lookup at every start.
  QFont letter = font();
  letter.setBold(true);
  p.setFont(letter);
  p.drawText(QRectF(c.x() - 10, c.y() - R - 20, 20, 16), Qt::AlignCenter, "N");
  // A small sailing boat on the horizon.
  const QPointF b(w * 0.25, horizon + 14);
  p.setBrush(QColor(30, 30, 30));
  QPainterPath hull;
  hull.moveTo(b + QPointF(-26, 0));
  hull.lineTo(b + QPointF(26, 0));
  hull.lineTo(b + QPointF(18, 8));
  hull.lineTo(b + QPointF(-20, 8));
  hull.closeSubpath();
  p.drawPath(hull);
  p.setBrush(QColor(235, 235, 225));
  QPainterPath sail;
  sail.moveTo(b + QPointF(0, -2));
  sail.lineTo(b + QPointF(0, -52));
  sail.lineTo(b + QPointF(22, -2));
  sail.closeSubpath();
  p.drawPath(sail);
  p.setPen(QColor(220, 220, 240));
  letter.setPointSize(22);
  p.setFont(letter);
  p.drawText(QRectF(16, h - 46, w / 2.0, 36), Qt::AlignLeft | Qt::AlignVCenter, "Veltrane");
}

}  // namespace veltrane
