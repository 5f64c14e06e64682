#include "coastal/ui/sailing_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "foundation/checks.h"
#include "foundation/formats.h"
#include "foundation/numbers.h"
#include "foundation/ui/click_label.h"
#include "foundation/ui/field_value.h"
#include "foundation/ui/named_widgets.h"

namespace veltrane {
namespace {

constexpr const char* kBadTackAngle = "No answer: the tacking angle must be above 0 and below 180";

QString Decimals(double x, int decimals, const char* unit = "") {
  const double scale = decimals == 1 ? 10.0 : 100.0;
  return QString::fromStdString(Str(RoundToScale(x, scale), decimals) + unit);
}

QLabel* ResultLabel(QWidget* parent, const std::string& name) {
  return NamedLabel(parent, name.c_str(), {});
}

}  // namespace

TNavSailForm::TNavSailForm(AppContext& ctx) : FormBase(ctx, "NavSailForm", "Sailing") { CreateContents(); }

void TNavSailForm::BuildContents() {
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->addWidget(BuildUpwind(central));
  column->addWidget(BuildDownwind(central));
  setCentralWidget(central);
  AddMenuAction("Close1", "&Close Form", [this] { close(); });
  AddMenuAction("Print1", "&Print", [this] { PrintForm(); });
  AddMenuAction("Help1", "&Help", [this] { OpenHelp(); });
  ClickOnEnter("lbDisToWeather", {"edMark", "edAngle", "edSpeed"});
  ClickOnEnter("lbNewTackAngle", {"edNewAngle"});
  ClickOnEnter("lbTackDown", {"edMark2", "edWind"});
  KeepTypedValues();
  CloseOnEscape();
}

QWidget* TNavSailForm::BuildUpwind(QWidget* parent) {
  auto* box = new QGroupBox(parent);
  auto* grid = new QGridLayout(box);
  edMark_ = NamedEdit(box, "edMark");
  edAngle_ = NamedEdit(box, "edAngle");
  edSpeed_ = NamedEdit(box, "edSpeed");
  edNewAngle_ = NamedEdit(box, "edNewAngle");
  AddFieldRow(grid, 0, "Distance to mark", edMark_, "NM");
  AddFieldRow(grid, 1, "Normal tacking angle", edAngle_, kDegreeSign);
  AddFieldRow(grid, 2, "Boat speed", edSpeed_, "kn");

  auto* toWeather = new ClickLabel("lbDisToWeather", "Distance to Weather", box);
  auto* newAngle = new ClickLabel("lbNewTackAngle", "New Tacking Angle", box);
  for (ClickLabel* l : {toWeather, newAngle}) l->setToolTip("Click to count");
  connect(toWeather, &ClickLabel::clicked, this, &TNavSailForm::lbDisToWeatherClick);
  connect(newAngle, &ClickLabel::clicked, this, &TNavSailForm::lbNewTackAngleClick);
  lbDistance_ = ResultLabel(box, "lbDistance");
  lbVmg_ = ResultLabel(box, "lbVmg");
  lbNewDistance_ = ResultLabel(box, "lbNewDistance");
  lbNewSpeed_ = ResultLabel(box, "lbNewSpeed");
  grid->addWidget(toWeather, 0, 3);
  grid->addWidget(new QLabel("Distance to weather", box), 1, 3);
  grid->addWidget(lbDistance_, 1, 4);
  grid->addWidget(new QLabel("Velocity made good", box), 2, 3);
  grid->addWidget(lbVmg_, 2, 4);
  grid->addWidget(newAngle, 3, 0);
  grid->addWidget(edNewAngle_, 3, 1);
  grid->addWidget(new QLabel("Distance to weather", box), 3, 3);
  grid->addWidget(lbNewDistance_, 3, 4);
  grid->addWidget(new QLabel("Speed needed", box), 4, 3);
  grid->addWidget(lbNewSpeed_, 4, 4);
  grid->setColumnMinimumWidth(4, 90);

  WatchEntry(edMark_, [this](const std::string& t) { return CheckRealRange(t, 999.9, ctx_.platform); });
  WatchEntry(edAngle_, [this](const std::string& t) { return CheckIntRange(t, 180, ctx_.platform); });
  WatchEntry(edSpeed_, [this](const std::string& t) { return CheckRealRange(t, kMaxBoatSpeed, ctx_.platform); });
  WatchEntry(edNewAngle_, [this](const std::string& t) { return CheckIntRange(t, 180, ctx_.platform); });
  return box;
}

QWidget* TNavSailForm::BuildDownwind(QWidget* parent) {
  auto* box = new QGroupBox(parent);
  auto* grid = new QGridLayout(box);
  auto* title = new ClickLabel("lbTackDown", "Tacking Down Wind", box);
  title->setToolTip("Click to count");
  connect(title, &ClickLabel::clicked, this, &TNavSailForm::lbTackDownClick);
  grid->addWidget(title, 0, 0, 1, 2);
  edMark2_ = NamedEdit(box, "edMark2");
  edWind_ = NamedEdit(box, "edWind");
  AddFieldRow(grid, 1, "Distance to mark", edMark2_, "NM");
  AddFieldRow(grid, 2, "Wind-Mark divergence", edWind_, kDegreeSign);
  auto* init = NamedButton(box, "btnInit", "Init");
  connect(init, &QPushButton::clicked, this, &TNavSailForm::btnInitClick);
  grid->addWidget(init, 1, 4);
  WatchEntry(edMark2_, [this](const std::string& t) { return CheckRealRange(t, 999.9, ctx_.platform); });
  WatchEntry(edWind_, [this](const std::string& t) { return CheckIntRange(t, 90, ctx_.platform); });

  auto* divergenceLabel = new QLabel("Sailing divergence", box);
  divergenceLabel->setToolTip("Divergence from wind");
  const char* headers[] = {"Speed kn", "leg I", "leg II", "Distance total", "Time min", "Vmg kn"};
  grid->addWidget(divergenceLabel, 3, 0);
  for (int c = 0; c < 6; ++c) grid->addWidget(new QLabel(headers[c], box), 3, c + 1);
  for (int i = 0; i < 9; ++i) {
    DownwindRow& row = rows_[static_cast<size_t>(i)];
    row.divergence = 5 * i;
    const std::string a = std::to_string(row.divergence);
    row.speed = NamedEdit(box, ("edSpeed" + a).c_str());
    row.leg1 = ResultLabel(box, "lbDist" + a + "_1");
    row.leg2 = ResultLabel(box, "lbDist" + a + "_2");
    row.total = ResultLabel(box, "lbDist" + a);
    row.time = ResultLabel(box, "lbTime" + a);
    row.vmg = ResultLabel(box, "lbVmg" + a);
    const int r = 4 + i;
    grid->addWidget(new QLabel(QString::fromStdString(a), box), r, 0, Qt::AlignRight);
    grid->addWidget(row.speed, r, 1);
    int c = 2;
    for (QLabel* l : {row.leg1, row.leg2, row.total, row.time, row.vmg}) {
      l->setMinimumWidth(55);
      grid->addWidget(l, r, c++);
    }
  }
  return box;
}

void TNavSailForm::lbDisToWeatherClick() {
  const double mark = FieldValue(edMark_), speed = FieldValue(edSpeed_);
  // The entry check lets a minus sign through; a negative distance or speed has no beat.
  if (mark < 0.0 || speed < 0.0) {
    ctx_.platform.Message("No answer for negative values");
    return;
  }
  const auto beat = BeatToWindward(mark, FieldValue(edAngle_), speed);
  if (!beat) {
    ctx_.platform.Message(kBadTackAngle);
    return;
  }
  beat_ = beat;
  beatMark_ = mark;
  beatSpeed_ = speed;
  lbDistance_->setText(Decimals(beat->distance, 2, "  NM"));
  lbVmg_->setText(Decimals(beat->vmg, 2, "  kn"));
}

void TNavSailForm::lbNewTackAngleClick() {
  if (!beat_) {
    ctx_.platform.Message("Count the distance to weather first");
    return;
  }
  const auto wider = BeatToWindward(beatMark_, FieldValue(edNewAngle_), beatSpeed_);
  if (!wider) {
    ctx_.platform.Message(kBadTackAngle);
    return;
  }
  lbNewDistance_->setText(Decimals(wider->distance, 2, "  NM"));
  lbNewSpeed_->setText(Decimals(SpeedForSameVmg(beatSpeed_, beat_->percent, wider->percent), 1, "  kn"));
}

void TNavSailForm::lbTackDownClick() {
  const double mark = FieldValue(edMark2_), windMark = FieldValue(edWind_);
  if (!(mark > 0.0)) {
    ctx_.platform.Message("Distance to mark missing");
    return;
  }
  if (windMark < 0.0 || windMark > 90.0) {
    ctx_.platform.Message("0 .. 90");
    return;
  }
  bool outside = false;
  for (DownwindRow& row : rows_) {
    const double speed = FieldValue(row.speed);
    if (!(speed > 0.0)) continue;
    const auto gybe = GybeToMark(mark, windMark, row.divergence, speed);
    if (!gybe) {
      // Figures of an earlier mark would read as this one's.
      for (QLabel* l : {row.leg1, row.leg2, row.total, row.time, row.vmg}) l->clear();
      outside = true;
      continue;
    }
    const DownwindLegs& legs = *gybe;
    if (row.divergence == 0) {
      row.total->setText(edMark2_->text());
    } else {
      row.leg1->setText(Decimals(legs.leg1, 2));
      row.leg2->setText(Decimals(legs.leg2, 2));
      row.total->setText(Decimals(legs.total, 2));
    }
    row.time->setText(Decimals(legs.minutes, 1));
    row.vmg->setText(Decimals(legs.vmg, 2));
  }
  if (outside) ctx_.platform.Message("No answer where the sailing divergence is less than the wind-mark divergence");
}

void TNavSailForm::btnInitClick() {
  edMark2_->clear();
  edWind_->clear();
  for (DownwindRow& row : rows_) {
    row.speed->clear();
    for (QLabel* l : {row.leg1, row.leg2, row.total, row.time, row.vmg}) l->clear();
  }
}

}  // namespace veltrane
