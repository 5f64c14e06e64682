#include "coastal/ui/navtideun.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include "coastal/tides.h"
#include "foundation/calendar.h"
#include "foundation/checks.h"
#include "foundation/clock_text.h"
#include "foundation/numbers.h"
#include "foundation/ui/field_value.h"
#include "foundation/ui/named_widgets.h"

namespace veltrane {
namespace {

QLineEdit* TimeEdit(QWidget* parent, const char* name) {
  QLineEdit* e = NamedEdit(parent, name);
  e->setInputMask("09:99; ");  // shows "  :  " when empty
  return e;
}

}  // namespace

TNavTideForm::TNavTideForm(AppContext& ctx) : FormBase(ctx, "NavTideForm", "h") {
  ctx.windows.tide = this;
  BuildControls();
  AddMenuAction("Close1", "&Close Form", [this] { close(); });
  AddMenuAction("Emptyall1", "&Empty all", [this] { Emptyall1Click(); });
  AddMenuAction("Print1", "&Print", [this] { PrintForm(); });
  AddMenuAction("Help1", "&Help", [this] { OpenHelp(); });
}

void TNavTideForm::BuildControls() {
  auto* central = new QWidget(this);
  auto* grid = new QGridLayout(central);
  auto* heading = new QLabel("High Water Height and Time", central);
  heading->setToolTip("Either the height or time may be counted");
  grid->addWidget(heading, 0, 0, 1, 3);
  edHighHeight_ = NamedEdit(central, "edHighHeight");
  edHighTime_ = TimeEdit(central, "edHighTime");
  edLowHeight_ = NamedEdit(central, "edLowHeight");
  edLowTime_ = TimeEdit(central, "edLowTime");
  edNewHeight_ = NamedEdit(central, "edNewHeight");
  edNewTime_ = TimeEdit(central, "edNewTime");
  grid->addWidget(new QLabel("Height", central), 1, 1);
  grid->addWidget(new QLabel("Time", central), 1, 2);
  grid->addWidget(new QLabel("High water height", central), 2, 0);
  grid->addWidget(edHighHeight_, 2, 1);
  grid->addWidget(edHighTime_, 2, 2);
  grid->addWidget(new QLabel("Low water height", central), 3, 0);
  grid->addWidget(edLowHeight_, 3, 1);
  grid->addWidget(edLowTime_, 3, 2);
  grid->addWidget(new QLabel("Height and time", central), 4, 0);
  grid->addWidget(edNewHeight_, 4, 1);
  grid->addWidget(edNewTime_, 4, 2);
  for (QLineEdit* e : {edHighHeight_, edLowHeight_, edNewHeight_})
    WatchEntry(e, [this](const std::string& t) { return CheckRealRange(t, 99.9, ctx_.platform); });

  rbHigh_ = new QRadioButton("High water earlier", central);
  rbHigh_->setObjectName("rbHigh");
  rbLow_ = new QRadioButton("Low water earlier", central);
  rbLow_->setObjectName("rbLow");
  rbHigh_->setChecked(true);
  grid->addWidget(rbHigh_, 5, 0);
  grid->addWidget(rbLow_, 6, 0);
  auto* height = NamedButton(central, "btHeight", "Count &height");
  auto* time = NamedButton(central, "btTime", "Count &time");
  connect(height, &QPushButton::clicked, this, &TNavTideForm::btHeightClick);
  connect(time, &QPushButton::clicked, this, &TNavTideForm::btTimeClick);
  grid->addWidget(height, 5, 1, 1, 2);
  grid->addWidget(time, 6, 1, 1, 2);
  setCentralWidget(central);
}

void TNavTideForm::showEvent(QShowEvent* event) {
  // Opening the window, not restoring it from the task bar.
  if (!event->spontaneous()) rbHigh_->setChecked(true);
  FormBase::showEvent(event);
}

TideTimes TNavTideForm::ReadTimes() const {
  return TideTimesInOrder(TimeTextToHours(TextOf(edHighTime_)), TimeTextToHours(TextOf(edLowTime_)),
                          rbHigh_->isChecked());
}

void TNavTideForm::btHeightClick() {
  const TideAnswer a = TideHeightAt(FieldValue(edHighHeight_), FieldValue(edLowHeight_), ReadTimes(),
                                    TimeTextToHours(TextOf(edNewTime_)));
  if (!a.fault.empty()) {
    ctx_.platform.Message(a.fault);
    return;
  }
  edNewHeight_->setText(QString::fromStdString(Str(RoundToScale(a.value, 10.0), 1)));
}

void TNavTideForm::btTimeClick() {
  const TideAnswer a =
      TideTimeOf(FieldValue(edHighHeight_), FieldValue(edLowHeight_), ReadTimes(), FieldValue(edNewHeight_));
  if (!a.fault.empty()) {
    ctx_.platform.Message(a.fault);
    return;
  }
  edNewTime_->setText(QString::fromStdString(FmtClockHHMM(a.value, true)));
}

void TNavTideForm::Emptyall1Click() {
  for (QLineEdit* e : {edHighHeight_, edLowHeight_, edNewHeight_, edHighTime_, edLowTime_, edNewTime_}) e->clear();
}

}  // namespace veltrane
