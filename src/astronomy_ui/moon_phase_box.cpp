#include "astronomy_ui/moon_phase_box.h"

#include <QPainter>

#include "astro/ui/moon_disk_picture.h"

namespace veltrane {

MoonPhaseBox::MoonPhaseBox(QWidget* parent) : QWidget(parent) {
  setObjectName("PaintBox1");
  setFixedSize(80, 80);
}

void MoonPhaseBox::SetPhase(const std::string& percentText, const std::string& elongationText) {
  percent_ = percentText;
  elongation_ = elongationText;
  update();
}

void MoonPhaseBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawMoonPhase(painter, width(), height(), percent_, elongation_);
}

}  // namespace veltrane
