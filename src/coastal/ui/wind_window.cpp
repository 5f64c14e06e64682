#include "coastal/ui/wind_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "coastal/wind.h"
#include "foundation/checks.h"
#include "foundation/formats.h"
#include "foundation/numbers.h"
#include "foundation/ui/click_label.h"
#include "foundation/ui/field_value.h"
#include "foundation/ui/named_widgets.h"

namespace veltrane {

TNavWindForm::TNavWindForm(AppContext& ctx) : FormBase(ctx, "NavWindForm", "Winds") { CreateContents(); }

void TNavWindForm::BuildContents() {
  auto* central = new QWidget(this);
  auto* row = new QHBoxLayout(central);
  row->addWidget(BuildTrueWind(central));
  row->addWidget(BuildApparentWind(central));
  setCentralWidget(central);
  AddMenuAction("Close1", "&Close Form", [this] { close(); });
  AddMenuAction("Print1", "&Print", [this] { PrintForm(); });
  AddMenuAction("Help1", "&Help", [this] { OpenHelp(); });
  ClickOnEnter("lbTrueWind", {"edSailCourse", "edBoatSpeed", "edAppWindDir", "edAppWindSpeed"});
  ClickOnEnter("lbAppWind", {"edBoatSp", "edWindSp", "edAngle"});
  KeepTypedValues();
  CloseOnEscape();
}

QWidget* TNavWindForm::BuildTrueWind(QWidget* parent) {
  auto* box = new QGroupBox(parent);
  auto* grid = new QGridLayout(box);
  auto* title = new ClickLabel("lbTrueWind", "True Wind", box);
  title->setToolTip("Click to count");
  connect(title, &ClickLabel::clicked, this, &TNavWindForm::lbTrueWindClick);
  grid->addWidget(title, 0, 0, 1, 3);
  edSailCourse_ = NamedEdit(box, "edSailCourse");
  edBoatSpeed_ = NamedEdit(box, "edBoatSpeed");
  edAppWindDir_ = NamedEdit(box, "edAppWindDir");
  edAppWindSpeed_ = NamedEdit(box, "edAppWindSpeed");
  edAppWindDir_->setToolTip("Sail course - Wind course difference");
  AddFieldRow(grid, 1, "Heading", edSailCourse_, kDegreeSign);
  AddFieldRow(grid, 2, "Boat speed", edBoatSpeed_, "kn");
  AddFieldRow(grid, 3, "Apparent wind angle", edAppWindDir_, kDegreeSign);
  AddFieldRow(grid, 4, "App wind speed", edAppWindSpeed_, "kn");
  RadioButton1_ = new QRadioButton("port", box);
  RadioButton1_->setObjectName("RadioButton1");
  RadioButton2_ = new QRadioButton("starboard", box);
  RadioButton2_->setObjectName("RadioButton2");
  RadioButton2_->setChecked(true);
  grid->addWidget(RadioButton1_, 5, 0);
  grid->addWidget(RadioButton2_, 5, 1, 1, 2);
  grid->addWidget(new QLabel("Direction", box), 6, 0);
  grid->addWidget(new QLabel("Speed", box), 6, 1, 1, 2);
  lbTrWindDir_ = NamedLabel(box, "lbTrWindDir", {});
  lbTrWindSpeed_ = NamedLabel(box, "lbTrWindSpeed", {});
  grid->addWidget(lbTrWindDir_, 7, 0);
  grid->addWidget(lbTrWindSpeed_, 7, 1, 1, 2);
  WatchEntry(edSailCourse_, [this](const std::string& t) { return CheckIntRange(t, 360, ctx_.platform); });
  WatchEntry(edBoatSpeed_, [this](const std::string& t) { return CheckRealRange(t, kMaxBoatSpeed, ctx_.platform); });
  WatchEntry(edAppWindDir_, [this](const std::string& t) { return CheckIntRange(t, 360, ctx_.platform); });
  WatchEntry(edAppWindSpeed_, [this](const std::string& t) { return CheckIntRange(t, 99, ctx_.platform); });
  return box;
}

QWidget* TNavWindForm::BuildApparentWind(QWidget* parent) {
  auto* box = new QGroupBox(parent);
  auto* grid = new QGridLayout(box);
  auto* title = new ClickLabel("lbAppWind", "Apparent Wind", box);
  title->setToolTip("Click to count");
  connect(title, &ClickLabel::clicked, this, &TNavWindForm::lbAppWindClick);
  grid->addWidget(title, 0, 0, 1, 3);
  edBoatSp_ = NamedEdit(box, "edBoatSp");
  edWindSp_ = NamedEdit(box, "edWindSp");
  edAngle_ = NamedEdit(box, "edAngle");
  edAngle_->setToolTip("Angle between effective wind and new sailing course");
  AddFieldRow(grid, 1, "Boat speed", edBoatSp_, "kn");
  AddFieldRow(grid, 2, "Effective wind speed", edWindSp_, "kn");
  AddFieldRow(grid, 3, "Wind-Course angle", edAngle_, kDegreeSign);
  grid->addWidget(new QLabel("Speed", box), 4, 0);
  grid->addWidget(new QLabel("Angle", box), 4, 1, 1, 2);
  lbSpeed_ = NamedLabel(box, "lbSpeed", {});
  lbAngle_ = NamedLabel(box, "lbAngle", {});
  grid->addWidget(lbSpeed_, 5, 0);
  grid->addWidget(lbAngle_, 5, 1, 1, 2);
  grid->setRowStretch(6, 1);
  WatchEntry(edBoatSp_, [this](const std::string& t) { return CheckRealRange(t, kMaxBoatSpeed, ctx_.platform); });
  WatchEntry(edWindSp_, [this](const std::string& t) { return CheckRealRange(t, 99, ctx_.platform); });
  WatchEntry(edAngle_, [this](const std::string& t) { return CheckIntRange(t, 360, ctx_.platform); });
  return box;
}

void TNavWindForm::lbTrueWindClick() {
  const TrueWind w = TrueWindFromApparent(FieldValue(edSailCourse_), FieldValue(edBoatSpeed_),
                                          FieldValue(edAppWindDir_), FieldValue(edAppWindSpeed_),
                                          RadioButton2_->isChecked());
  if (!w.fault.empty()) {
    ctx_.platform.Message(w.fault);
    return;
  }
  lbTrWindDir_->setText(QString::fromStdString(IntStr(w.direction) + kDegreeSign));
  lbTrWindSpeed_->setText(QString::fromStdString(IntStr(RoundHalfEven(w.speed)) + "  kn"));
}

void TNavWindForm::lbAppWindClick() {
  const ApparentWind w = ApparentWindOnCourse(FieldValue(edBoatSp_), FieldValue(edWindSp_), FieldValue(edAngle_));
  if (!w.fault.empty()) {
    ctx_.platform.Message(w.fault);
    return;
  }
  lbSpeed_->setText(QString::fromStdString(Str(RoundToScale(w.speed, 10.0), 1) + "  kn"));
  lbAngle_->setText(QString::fromStdString(Str(RoundToScale(w.angle, 10.0), 1) + kDegreeSign));
}

}  // namespace veltrane
