#include "astro/ui/moon_disk_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <optional>

#include "foundation/numbers.h"

namespace veltrane {
namespace {

QPainterPath RectPath(const QRectF& rect) {
  QPainterPath path;
  path.addRect(rect);
  return path;
}

}  // namespace

void DrawMoonPhase(QPainter& painter, int width, int height, const std::string& percentText,
                   const std::string& elongationText) {
  const int c = width / 2;
  const double r = c - 3;
  const QRectF disk(3, 2, width - 6, height - 4);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Qt::black);
  painter.setBrush(Qt::white);
  painter.drawEllipse(disk);

  const std::optional<double> percent = ParseReal(percentText);
  const std::optional<double> elongation = ParseReal(elongationText);
  if (!percent || !elongation || r <= 0) {
    painter.restore();
    return;
  }
  const double f = std::clamp(*percent / 100.0, 0.0, 1.0);
  const double d = std::trunc(std::fabs(f - 0.5) * 2.0 * r);
  const bool waxing = *elongation < 180.0;

  // The terminator: half an ellipse of half-width d, bulging into the lit half when less
  // than half the disk is lit, into the dark half otherwise.
  const QRectF terminator(c - d, 2, 2 * d, height - 4);
  const QRectF left(0, 0, c, height), right(c, 0, width - c, height);
  const QRectF& darkSide = waxing ? left : right;
  const QRectF& litSide = waxing ? right : left;
  QPainterPath diskPath, terminatorPath;
  diskPath.addEllipse(disk);
  terminatorPath.addEllipse(terminator);
  const QPainterPath darkHalf = diskPath.intersected(RectPath(darkSide));
  const QPainterPath dark =
      f < 0.5 ? darkHalf.united(terminatorPath.intersected(RectPath(litSide)))
              : darkHalf.subtracted(terminatorPath.intersected(RectPath(darkSide)));

  if (d < 2) {
    painter.drawLine(QPointF(c, 2), QPointF(c, height - 2));
  } else {
    // The arc on the side the terminator bulges to.
    const bool bulgesLeft = (f < 0.5) != waxing;
    painter.drawArc(terminator, bulgesLeft ? 90 * 16 : -90 * 16, 180 * 16);
  }
  if (f < 0.99) painter.fillPath(dark, Qt::black);
  painter.restore();
}

}  // namespace veltrane
