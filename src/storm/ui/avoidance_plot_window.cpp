#include "storm/ui/avoidance_plot_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <QPlainTextEdit>

#include "foundation/numbers.h"
#include "storm/ui/storm_fields.h"

namespace veltrane {

// The paint area. It keeps the last plan so it can paint it again whenever asked.
class AvoidancePlotView : public QWidget {
 public:
  explicit AvoidancePlotView(QWidget* parent) : QWidget(parent) { MakePaintArea(this, "PaintBox1", 520, 420); }
  int UsableWidth() const { return width() - 10; }
  int UsableHeight() const { return height() - 10; }
  void Show(const AvoidancePlot& plot) {
    plot_ = plot;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawNorthArrow(painter);
    if (plot_) DrawPlot(painter, *plot_);
  }

 private:
  void DrawNorthArrow(QPainter& painter) const {
    const int w = UsableWidth();
    painter.setPen(QPen(Qt::black, 1));
    painter.drawText(QRect(w - 30, 10, 20, 16), Qt::AlignLeft | Qt::AlignTop, "N");
    const QPoint tip(w - 25, 30);
    painter.drawLine(tip, QPoint(w - 25, 90));
    for (const int side : {-1, 1}) {
      const PixelPoint end = PlotVectorEnd(side < 0 ? 160 : 200, tip.x(), tip.y(), 15);
      painter.drawLine(tip, QPoint(end.x, end.y));
    }
    painter.drawLine(QPoint(w - 45, 60), QPoint(w - 5, 60));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    painter.drawEllipse(QRect(QPoint(w - 38, 47), QPoint(w - 12, 73)));
    painter.restore();
  }

  // Beside the point, below it when it is at the top edge.
  static void Label(QPainter& painter, const PixelPoint& p, const QString& text) {
    const int y = p.y < 20 ? p.y + painter.fontMetrics().ascent() + 2 : p.y - 4;
    painter.drawText(QPoint(p.x + 6, y), text);
  }

  static void DrawPlot(QPainter& painter, const AvoidancePlot& plot) {
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(QPoint(plot.barStart.x, plot.barStart.y), QPoint(plot.barEnd.x, plot.barEnd.y));
    painter.drawText(QPoint(plot.barStart.x, plot.barStart.y - 4), "    100 M");

    painter.setPen(QPen(QColor(0, 70, 160), 2, Qt::DotLine));
    painter.drawLine(QPoint(plot.boat1.x, plot.boat1.y), QPoint(plot.boat2.x, plot.boat2.y));
    painter.setPen(QColor(0, 70, 160));
    Label(painter, plot.boat1, "B1");
    Label(painter, plot.boat2, "B2");

    painter.setPen(QPen(QColor(190, 0, 0), 3));
    painter.drawLine(QPoint(plot.cyclone1.x, plot.cyclone1.y), QPoint(plot.cyclone2.x, plot.cyclone2.y));
    painter.setPen(QColor(190, 0, 0));
    Label(painter, plot.cyclone1, "C1");
    Label(painter, plot.cyclone2, "C2");
  }

  std::optional<AvoidancePlot> plot_;
};

TAvoidgrafForm::TAvoidgrafForm(AppContext& ctx) : FormBase(ctx, "AvoidgrafForm", "Storm Avoidance Situation") {
  CreateContents();
}

void TAvoidgrafForm::BuildContents() {
  auto* central = new QWidget(this);
  auto* layout = new QHBoxLayout(central);
  auto* plotColumn = new QVBoxLayout;
  paintBox_ = new AvoidancePlotView(central);
  plotColumn->addWidget(paintBox_);
  auto* legend = new QLabel("B: boat    C: cyclone    1: now    2: at the closest point", central);
  legend->setObjectName("lbLegend");
  plotColumn->addWidget(legend);
  layout->addLayout(plotColumn);
  memo_ = ReadOnlyMemo(central);
  memo_->setFixedWidth(170);
  layout->addWidget(memo_);
  setCentralWidget(central);
  AddMenuAction("Close1", "&Close Form", [this] { close(); });
  AddMenuAction("Print1", "&Print", [this] { PrintForm(); });
  CloseOnEscape();
}

void TAvoidgrafForm::Draw(AvoidancePlotInput in) {
  EnsureBuilt();
  in.width = paintBox_->UsableWidth();
  in.height = paintBox_->UsableHeight();
  const AvoidancePlot plot = PlanAvoidancePlot(in);
  paintBox_->Show(plot);
  memo_->clear();
  const auto line = [this](const std::string& caption, const std::string& value) {
    memo_->appendPlainText(QString::fromStdString(caption + value));
  };
  line("Width: ", IntStr(in.width));
  line("Height: ", IntStr(in.height));
  line("CPA_Time: ", Str(in.timeToCpa, 1));
  line("Boat_Speed: ", Str(in.boatSpeed, 1));
  line("Boat_travel: ", Str(in.timeToCpa * in.boatSpeed, 1));
  line("Cyclon_Dist: ", Str(in.distance, 1));
  line("k: ", Str(plot.scale, 1));
  const std::pair<const char*, PixelPoint> points[] = {
      {"Boat1", plot.boat1}, {"Boat2", plot.boat2}, {"Cyclon1", plot.cyclone1}, {"Cyclon2", plot.cyclone2}};
  for (const auto& [name, p] : points) {
    line(std::string(name) + "X: ", IntStr(p.x));
    line(std::string(name) + "Y: ", IntStr(p.y));
  }
}

}  // namespace veltrane
