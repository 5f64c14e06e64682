// Navigate's side of the link to the celestial navigation window.
#include <QLineEdit>
#include <QRadioButton>

#include "coastal/ui/navigation_window.h"

namespace veltrane {

PositionTexts TNaviForm::EndPosition() const {
  const AngleText lat = endLat_.Text(), lon = endLon_.Text();
  return {lat.deg, lat.min, lon.deg, lon.min, !lat.minus, !lon.minus};
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
  startLat_.SetText({start.latDeg, start.latMin, !start.north});
  startLon_.SetText({start.lonDeg, start.lonMin, !start.west});
  edCompCourse_->clear();
  ShowForm();
  edCompCourse_->setFocus();
}

}  // namespace veltrane
