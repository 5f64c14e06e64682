#include "storm/ui/storm_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>


namespace veltrane {
namespace {

// A cyclone's spiral arms round its eye.
QPixmap CyclonePicture() {
  QPixmap pixmap(180, 180);
  pixmap.fill(QColor(225, 235, 245));
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(90, 90);
  painter.setPen(QPen(QColor(70, 90, 120), 6, Qt::SolidLine, Qt::RoundCap));
  for (int arm = 0; arm < 3; ++arm) {
    QPainterPath path;
    for (int i = 0; i <= 60; ++i) {
      const double a = arm * 2.0944 + i * 0.07;
      const double r = 14 + i * 1.2;
      const QPointF p(r * std::cos(a), -r * std::sin(a));
      if (i == 0)
        path.moveTo(p);
      else
        path.lineTo(p);
    }
    painter.drawPath(path);
  }
  painter.setBrush(Qt::white);
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(QPointF(0, 0), 10, 10);
  return pixmap;
}

}  // namespace

TStormForm::TStormForm(AppContext& ctx) : FormBase(ctx, "StormForm", "Storm") { CreateContents(); }

void TStormForm::BuildContents() {
  auto* central = new QWidget(this);
  auto* layout = new QHBoxLayout(central);
  auto* buttons = new QVBoxLayout;
  const auto button = [this, central, buttons](const char* name, const char* caption, auto window) {
    auto* b = new QPushButton(caption, central);
    b->setObjectName(name);
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    buttons->addWidget(b);
    connect(b, &QPushButton::clicked, this, [this, window] {
      if (FormBase* w = tools_.*window) w->ShowForm();
    });
  };
  button("IndicationBitBtn", "Early Indications", &StormTools::indications);
  button("PressureBitBtn", "Pressure Center", &StormTools::pressure);
  button("StormcenterBitBtn", "Storm Center", &StormTools::centre);
  button("AvoidanceBitBtn", "Storm Avoidance", &StormTools::avoidance);
  buttons->addStretch();
  layout->addLayout(buttons);
  auto* image = new QLabel(central);
  image->setObjectName("Image1");
  image->setPixmap(CyclonePicture());
  layout->addWidget(image);
  setCentralWidget(central);
  AddMenuAction("Close1", "&Close Form", [this] { close(); });
  AddMenuAction("Help1", "&Help", [this] { OpenHelp(); });
}

}  // namespace veltrane
