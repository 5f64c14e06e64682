// Navigate's side of the link to the celestial navigation window.
#include <QLineEdit>
#include <QRadioButton>

#include "coastal/ui/navigation_window.h"

namespace veltrane {

PositionTexts TNaviForm::EndPosition() const {
  return {TextOf(endLat_.deg), TextOf(endLat_.min), TextOf(endLon_.deg), TextOf(endLon_.min),
          endLat_.plus->isChecked(), endLon_.plus->isChecked()};
}

std::string TNaviForm::RunCourse() const { return TextOf(edTrCourse_); }
std::string TNaviForm::RunDistance() const { return TextOf(edTrDistance_); }

void TNaviForm::ClearForNewSight() {
  for (QLineEdit* e : {edCompCourse_, edLeeway_, edCurrent_, edDrift_, edBoatSpeed_, edLogDistance_, edTimeHours_,
                       edTimeMins_, endLat_.deg, endLat_.min, endLon_.deg, endLon_.min})
    e->clear();
}

void TNaviForm::StartFrom(const PositionTexts& start) {
  ChooseTask(NavTask::Position);
  startLat_.deg->setText(QString::fromStdString(start.latDeg));
  startLat_.min->setText(QString::fromStdString(start.latMin));
  startLon_.deg->setText(QString::fromStdString(start.lonDeg));
  startLon_.min->setText(QString::fromStdString(start.lonMin));
  (start.north ? startLat_.plus : startLat_.minus)->setChecked(true);
  (start.west ? startLon_.plus : startLon_.minus)->setChecked(true);
  edCompCourse_->clear();
  ShowForm();
  edCompCourse_->setFocus();
}

}  // namespace veltrane
