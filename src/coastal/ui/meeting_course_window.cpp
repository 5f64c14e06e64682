#include "coastal/ui/meeting_course_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "coastal/meeting_course.h"
#include "foundation/calendar.h"
#include "foundation/checks.h"
#include "foundation/formats.h"
#include "foundation/numbers.h"
#include "foundation/ui/click_label.h"
#include "foundation/ui/field_value.h"
#include "foundation/ui/named_widgets.h"

namespace veltrane {

TNavCourseForm::TNavCourseForm(AppContext& ctx) : FormBase(ctx, "NavCourseForm", "Courses") { CreateContents(); }

void TNavCourseForm::BuildContents() {
  auto* central = new QWidget(this);
  auto* grid = new QGridLayout(central);
  auto* meet = new ClickLabel("lbMeet", "Meet Another Boat", central);
  meet->setToolTip("Fill the boxes and click here to count");
  connect(meet, &ClickLabel::clicked, this, &TNavCourseForm::lbMeetClick);
  grid->addWidget(meet, 0, 0, 1, 3);

  struct Field {
    QLineEdit** edit;
    const char* name;
    const char* label;
    const char* unit;
  };
  const Field fields[] = {
      {&edCourseOther_, "edCourseOther", "Course of another boat", kDegreeSign},
      {&edSpeedOther_, "edSpeedOther", "Speed of another boat", "kn"},
      {&edDirection_, "edDirection", "Direction to another boat", kDegreeSign},
      {&edSpeedOwn_, "edSpeedOwn", "Speed of our boat", "kn"},
      {&edDistance_, "edDistance", "Distance to another boat", "NM"},
  };
  int r = 1;
  for (const Field& f : fields) {
    *f.edit = NamedEdit(central, f.name);
    AddFieldRow(grid, r++, f.label, *f.edit, QString::fromUtf8(f.unit));
  }
  WatchEntry(edCourseOther_, [this](const std::string& t) { return CheckIntRange(t, 360, ctx_.platform); });
  WatchEntry(edSpeedOther_, [this](const std::string& t) { return CheckRealRange(t, kMaxBoatSpeed, ctx_.platform); });
  WatchEntry(edDirection_, [this](const std::string& t) { return CheckIntRange(t, 360, ctx_.platform); });
  WatchEntry(edSpeedOwn_, [this](const std::string& t) { return CheckRealRange(t, kMaxBoatSpeed, ctx_.platform); });
  WatchEntry(edDistance_, [this](const std::string& t) { return CheckRealRange(t, 999, ctx_.platform); });

  lbCourse_ = NamedLabel(central, "lbCourse", {});
  lbTime_ = NamedLabel(central, "lbTime", {});
  lbEDistance_ = NamedLabel(central, "lbEDistance", {});
  grid->addWidget(new QLabel("Course to sail", central), r, 0);
  grid->addWidget(lbCourse_, r++, 1, 1, 2);
  grid->addWidget(new QLabel("ETA", central), r, 0);
  grid->addWidget(lbTime_, r++, 1, 1, 2);
  grid->addWidget(new QLabel("Distance", central), r, 0);
  grid->addWidget(lbEDistance_, r++, 1, 1, 2);
  setCentralWidget(central);

  AddMenuAction("Close1", "&Close Form", [this] { close(); });
  AddMenuAction("Print1", "&Print", [this] { PrintForm(); });
  AddMenuAction("Help1", "&Help", [this] { OpenHelp(); });
  ClickOnEnter("lbMeet");
  KeepTypedValues();
  CloseOnEscape();
}

void TNavCourseForm::lbMeetClick() {
  const Meeting m = MeetingCourse(FieldValue(edCourseOther_), FieldValue(edSpeedOther_), FieldValue(edDirection_),
                                  FieldValue(edSpeedOwn_), FieldValue(edDistance_));
  if (!m.fault.empty()) {
    ctx_.platform.Message(m.fault);
    return;
  }
  lbCourse_->setText(QString::fromStdString(IntStr(RoundHalfEven(m.course)) + kDegreeSign));
  lbTime_->setText(QString::fromStdString(FmtHoursHM(m.hours)));
  lbEDistance_->setText(QString::fromStdString(Str(RoundToScale(m.distance, 10.0), 1) + " NM"));
}

}  // namespace veltrane
