// Navigate's side of the link to the celestial navigation window.
#include <QLineEdit>
#include <QRadioButton>

#include "coastal/ui/navigation_window.h"

namespace veltrane {

PositionText TNaviForm::EndPosition() const {
  EnsureBuilt();
  return {endLat_.Text(), endLon_.Text()};
}

std::string TNaviForm::RunCourse() const {
  EnsureBuilt();
  return TextOf(edTrCourse_);
}

std::string TNaviForm::RunDistance() const {
  EnsureBuilt();
  return TextOf(edTrDistance_);
}

void TNaviForm::ClearForNewSight() {
  EnsureBuilt();
  for (QLineEdit* e : {edCompCourse_, edLeeway_, edCurrent_, edDrift_, edBoatSpeed_, edLogDistance_, edTimeHours_,
                       edTimeMins_, endLat_.deg, endLat_.min, endLon_.deg, endLon_.min})
    e->clear();
}

void TNaviForm::StartFrom(const PositionText& start) {
  EnsureBuilt();
  ChooseTask(NavTask::Position);
  startLat_.SetText(start.lat);
  startLon_.SetText(start.lon);
  edCompCourse_->clear();
  ShowForm();
  edCompCourse_->setFocus();
}

}  // namespace veltrane
