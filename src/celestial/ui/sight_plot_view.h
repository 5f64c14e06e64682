#pragma once
// The fix drawn to scale: lines of position, the fix and its 95 % ellipse, the fix without a
// blunder, the DR position, a scale bar and a north arrow. The same drawing goes to the printer.
#include <QWidget>
#include <optional>

#include "celestial/sight_plot.h"

class QPainter;

namespace veltrane {

// Paints the plot into the rectangle; nothing but the frame and north arrow without data.
void PaintSightPlot(QPainter& painter, const QRect& area, const std::optional<SightPlotData>& data);

class SightPlotView : public QWidget {
 public:
  explicit SightPlotView(QWidget* parent);
  void Show(std::optional<SightPlotData> data);
  const std::optional<SightPlotData>& Data() const { return data_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  std::optional<SightPlotData> data_;
};

}  // namespace veltrane
