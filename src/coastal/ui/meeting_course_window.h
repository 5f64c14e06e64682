#pragma once
// "Courses": the course to steer to meet another boat, the time until then and the run.
#include "foundation/ui/form_base.h"

class QLabel;

namespace veltrane {

class TNavCourseForm : public FormBase {
  Q_OBJECT
 public:
  explicit TNavCourseForm(AppContext& ctx);

 protected:
  void BuildContents() override;

 private:
  void lbMeetClick();

  QLineEdit *edCourseOther_, *edSpeedOther_, *edDirection_, *edSpeedOwn_, *edDistance_;
  QLabel *lbCourse_, *lbTime_, *lbEDistance_;
};

}  // namespace veltrane
