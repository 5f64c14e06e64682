#include "coastal/ui/tides_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include "coastal/tides.h"
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

TNavTideForm::TNavTideForm(AppContext& ctx) : FormBase(ctx, "NavTideForm", "h") { CreateContents(); }

void TNavTideForm::BuildContents() {
  BuildControls();
  AddMenuAction("Close1", "&Close Form", [this] { close(); });
  AddMenuAction("Emptyall1", "&Empty all", [this] { Emptyall1Click(); });
  AddMenuAction("Print1", "&Print", [this] { PrintForm(); });
  AddMenuAction("Help1", "&Help", [this] { OpenHelp(); });
  // A new height asks for its time, a new time for its height.
  ClickOnEnter("btTime", {"edNewHeight"});
  ClickOnEnter("btHeight", {"edNewTime"});
  KeepTypedValues();
  CloseOnEscape();
}

void TNavTideForm::BuildControls() {
  auto* central = new QWidget(this);
  auto* grid = new QGridLayout(central);
  auto* heading = new QLabel("High Water Height and Time", central);
  heading->setToolTip("Either the height or time may be counted");
  grid->addWidget(heading, 0, 0, 1, 4);
  edHighHeight_ = NamedEdit(central, "edHighHeight");
  edHighTime_ = TimeEdit(central, "edHighTime");
  edLowHeight_ = NamedEdit(central, "edLowHeight");
  edLowTime_ = TimeEdit(central, "edLowTime");
  edNewHeight_ = NamedEdit(central, "edNewHeight");
  edNewTime_ = TimeEdit(central, "edNewTime");
  const struct {
    const char* heightLabel;
    QLineEdit* height;
    const char* timeLabel;
    QLineEdit* time;
  } rows[] = {{"High water height", edHighHeight_, "High water time", edHighTime_},
              {"Low water height", edLowHeight_, "Low water time", edLowTime_},
              {"Height", edNewHeight_, "Time", edNewTime_}};
  int r = 1;
  for (const auto& row : rows) {
    grid->addWidget(new QLabel(row.heightLabel, central), r, 0);
    grid->addWidget(row.height, r, 1);
    grid->addWidget(new QLabel(row.timeLabel, central), r, 2);
    grid->addWidget(row.time, r++, 3);
  }
  for (QLineEdit* e : {edHighHeight_, edLowHeight_, edNewHeight_})
    WatchEntry(e, [this](const std::string& t) { return CheckRealRange(t, 99.9, ctx_.platform); });

  rbHigh_ = new QRadioButton("High water earlier", central);
  rbHigh_->setObjectName("rbHigh");
  rbLow_ = new QRadioButton("Low water earlier", central);
  rbLow_->setObjectName("rbLow");
  rbHigh_->setChecked(true);
  grid->addWidget(rbHigh_, 4, 0, 1, 2);
  grid->addWidget(rbLow_, 5, 0, 1, 2);
  auto* height = NamedButton(central, "btHeight", "Count &height");
  auto* time = NamedButton(central, "btTime", "Count &time");
  connect(height, &QPushButton::clicked, this, &TNavTideForm::btHeightClick);
  connect(time, &QPushButton::clicked, this, &TNavTideForm::btTimeClick);
  grid->addWidget(height, 4, 2, 1, 2);
  grid->addWidget(time, 5, 2, 1, 2);
  setCentralWidget(central);
}

void TNavTideForm::showEvent(QShowEvent* event) {
  // Opening the window, not restoring it from the task bar.
  if (!event->spontaneous()) rbHigh_->setChecked(true);
  FormBase::showEvent(event);
}

std::optional<double> TNavTideForm::ReadClock(const QLineEdit* edit) {
  const auto hours = TideClockHours(TextOf(edit));
  if (!hours) ctx_.platform.Message("Give the times as hh:mm, 00:00 .. 23:59");
  return hours;
}

std::optional<TideTimes> TNavTideForm::ReadTimes() {
  const auto high = ReadClock(edHighTime_);
  if (!high) return std::nullopt;
  const auto low = ReadClock(edLowTime_);
  if (!low) return std::nullopt;
  return TideTimesInOrder(*high, *low, rbHigh_->isChecked());
}

void TNavTideForm::btHeightClick() {
  const auto times = ReadTimes();
  if (!times) return;
  const auto t = ReadClock(edNewTime_);
  if (!t) return;
  const TideAnswer a = TideHeightAt(FieldValue(edHighHeight_), FieldValue(edLowHeight_), *times, *t);
  if (!a.fault.empty()) {
    ctx_.platform.Message(a.fault);
    return;
  }
  edNewHeight_->setText(QString::fromStdString(Str(RoundToScale(a.value, 10.0), 1)));
}

void TNavTideForm::btTimeClick() {
  const auto times = ReadTimes();
  if (!times) return;
  const TideAnswer a = TideTimeOf(FieldValue(edHighHeight_), FieldValue(edLowHeight_), *times, FieldValue(edNewHeight_));
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
