#include "coastal/ui/distance_off_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "coastal/distance_off.h"
#include "foundation/checks.h"
#include "foundation/clock_text.h"
#include "foundation/formats.h"
#include "foundation/numbers.h"
#include "foundation/ui/click_label.h"
#include "foundation/ui/field_value.h"
#include "foundation/ui/named_widgets.h"
#include "foundation/ui/settings.h"

namespace veltrane {
namespace {

constexpr const char* kSection = "NavDisForm";

}  // namespace

TNavDisForm::TNavDisForm(AppContext& ctx) : FormBase(ctx, "NavDisForm", "Distances") { CreateContents(); }

void TNavDisForm::BuildContents() {
  BuildControls();
  AddMenuAction("Close1", "&Close Form", [this] { close(); });
  AddMenuAction("Print1", "&Print", [this] { PrintForm(); });
  AddMenuAction("Help1", "&Help", [this] { OpenHelp(); });

  SetUnit(true);
  if (Settings(ctx_).Read(kSection, "Unit", std::string("-1")) == "feet") SetUnit(false);
  lbMode_->clear();
  edIndex_->setText("0");
  // Enter counts the chosen function, as its sub-label would.
  SetDefaultAction([this] {
    static constexpr void (TNavDisForm::*kCounts[])() = {&TNavDisForm::Label12Click, &TNavDisForm::Label20Click,
                                                        &TNavDisForm::Label13Click, &TNavDisForm::Label22Click,
                                                        &TNavDisForm::Label19Click};
    if (chosen_) (this->*kCounts[static_cast<int>(*chosen_)])();
  });
  // In Distance-Time-Speed it counts the one box left empty.
  SetDefaultAction(
      [this] {
        if (edDistance_->text().isEmpty()) btDistanceClick();
        else if (edSpeed_->text().isEmpty()) btSpeedClick();
        else if (!edTime_->hasAcceptableInput()) btTimeClick();
      },
      edDistance_->parentWidget());
  KeepTypedValues();
  CloseOnEscape();
}

void TNavDisForm::BuildControls() {
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->addWidget(new QLabel("Click the label of the function, enter the values and click the sub-label", central));

  auto* functions = new QGridLayout;
  struct FunctionRow {
    const char* name;
    const char* caption;
    const char* hint;
    Function function;
  };
  const FunctionRow rows[] = {
      {"lbDisToHorizon", "Distance to the Horizon", "Give eye height", Function::Horizon},
      {"lbDisByHorAngle", "Distance by Horizon Angle",
       "Give eye height and angle between horizon - waterline of object", Function::HorizonAngle},
      {"lbObjectDist", "Distance to an Object", "Give height of object and sextant angle", Function::Object},
      {"lbBeyond", "Distance beyond the Horizon", "Give eyeheight, angle and height of object", Function::Beyond},
      {"lbVisibilityObj", "Distance of Visibility of Objects", "Give eye and object height", Function::Visibility},
  };
  int r = 0;
  for (const auto& row : rows) {
    auto* label = new ClickLabel(row.name, row.caption, central);
    label->setToolTip(row.hint);
    const Function f = row.function;
    connect(label, &ClickLabel::clicked, this, [this, f] { ChooseFunction(f); });
    functions->addWidget(label, r++, 0);
  }
  column->addLayout(functions);
  lbMode_ = NamedLabel(central, "lbMode", {});
  QFont bold = lbMode_->font();
  bold.setBold(true);
  lbMode_->setFont(bold);
  column->addWidget(lbMode_);

  edIndex_ = NamedEdit(central, "edIndex");
  edSexDeg_ = NamedEdit(central, "edSexDeg");
  edSexMin_ = NamedEdit(central, "edSexMin");
  edEyeHeight_ = NamedEdit(central, "edEyeHeight");
  edObject_ = NamedEdit(central, "edObject");
  lbEyeUnit_ = NamedLabel(central, "lbEyeUnit", {});
  lbObjectUnit_ = NamedLabel(central, "lbObjectUnit", {});
  pnIndex_ = NamedPanel(central, "pnIndex", "Index Error", {edIndex_, new QLabel("'", central)});
  pnSextant_ = NamedPanel(central, "pnSextant", "Sextant Angle",
                        {edSexDeg_, new QLabel(kDegreeSign, central), edSexMin_, new QLabel("'", central)});
  pnEye_ = NamedPanel(central, "pnEye", "Height of Eye", {edEyeHeight_, lbEyeUnit_});
  pnObject_ = NamedPanel(central, "pnObject", "Height of Object", {edObject_, lbObjectUnit_});
  for (QWidget* panel : {pnIndex_, pnSextant_, pnEye_, pnObject_}) column->addWidget(panel);
  WatchEntry(edSexDeg_, [this](const std::string& t) { return CheckRealRange(t, 90, ctx_.platform); });
  WatchEntry(edSexMin_, [this](const std::string& t) { return CheckRealRange(t, 59.9, ctx_.platform); });
  WatchEntry(edEyeHeight_, [this](const std::string& t) { return CheckRealRange(t, 999.9, ctx_.platform); });
  WatchEntry(edObject_, [this](const std::string& t) { return CheckRealRange(t, 9999.9, ctx_.platform); });

  auto* units = new QHBoxLayout;
  RadioButton1_ = new QRadioButton("meters", central);
  RadioButton1_->setObjectName("RadioButton1");
  RadioButton2_ = new QRadioButton("feet", central);
  RadioButton2_->setObjectName("RadioButton2");
  connect(RadioButton1_, &QRadioButton::clicked, this, [this] { SetUnit(true); });
  connect(RadioButton2_, &QRadioButton::clicked, this, [this] { SetUnit(false); });
  units->addWidget(RadioButton1_);
  units->addWidget(RadioButton2_);
  units->addStretch();
  column->addLayout(units);

  auto* results = new QGridLayout;
  struct ResultRow {
    const char* subName;
    const char* caption;
    void (TNavDisForm::*handler)();
    QLabel** result;
    const char* resultName;
  };
  const ResultRow resultRows[] = {
      {"Label12", "To the horizon", &TNavDisForm::Label12Click, &lbDistance_, "lbDistance"},
      {"Label20", "Distance", &TNavDisForm::Label20Click, &lbDisByAngle_, "lbDisByAngle"},
      {"Label13", "Distance to Object", &TNavDisForm::Label13Click, &lbDisToObject_, "lbDisToObject"},
      {"Label22", "Distance to Object", &TNavDisForm::Label22Click, &lbDisToObj2_, "lbDisToObj2"},
      {"Label19", "Distance of visibility", &TNavDisForm::Label19Click, &lbVisibility_, "lbVisibility"},
  };
  r = 0;
  for (const auto& row : resultRows) {
    auto* sub = new ClickLabel(row.subName, row.caption, central);
    connect(sub, &ClickLabel::clicked, this, row.handler);
    *row.result = NamedLabel(central, row.resultName, {});
    results->addWidget(sub, r, 0);
    results->addWidget(*row.result, r++, 1);
  }
  results->setColumnMinimumWidth(1, 200);
  column->addLayout(results);

  auto* dts = new QGroupBox("Distance-Time-Speed", central);
  dts->setToolTip("Fill two boxes out of three and count the third");
  auto* grid = new QGridLayout(dts);
  edDistance_ = NamedEdit(dts, "edDistance");
  edSpeed_ = NamedEdit(dts, "edSpeed");
  edTime_ = NamedEdit(dts, "edTime");
  edTime_->setInputMask("09:99; ");
  grid->addWidget(edDistance_, 0, 0);
  grid->addWidget(new QLabel("NM", dts), 0, 1);
  grid->addWidget(edSpeed_, 1, 0);
  grid->addWidget(new QLabel("Kn", dts), 1, 1);
  grid->addWidget(edTime_, 2, 0);
  grid->addWidget(new QLabel("hh:mm", dts), 2, 1);
  grid->addWidget(new QLabel("Count", dts), 0, 2);
  struct ButtonRow {
    const char* name;
    const char* caption;
    void (TNavDisForm::*handler)();
  };
  const ButtonRow buttons[] = {{"btDistance", "Distance", &TNavDisForm::btDistanceClick},
                               {"btTime", "Time", &TNavDisForm::btTimeClick},
                               {"btSpeed", "Speed", &TNavDisForm::btSpeedClick}};
  r = 0;
  for (const auto& b : buttons) {
    auto* button = NamedButton(dts, b.name, b.caption);
    connect(button, &QPushButton::clicked, this, b.handler);
    grid->addWidget(button, r++, 3);
  }
  column->addWidget(dts);
  setCentralWidget(central);
}

void TNavDisForm::ChooseFunction(Function f) {
  struct Mode {
    const char* text;
    bool index, sextant, eye, object;
  };
  static const Mode modes[] = {
      {"DISTANCE TO THE HORIZON", false, false, true, false},
      {"DISTANCE BY HORIZON ANGLE", true, true, true, false},
      {"DISTANCE TO AN OBJECT", true, true, false, true},
      {"DISTANCE BEYOND THE HORIZON", true, true, true, true},
      {"DISTANCE OF VISIBILITY OF OBJECTS", false, false, true, true},
  };
  const Mode& m = modes[static_cast<int>(f)];
  chosen_ = f;
  lbMode_->setText(m.text);
  pnIndex_->setVisible(m.index);
  pnSextant_->setVisible(m.sextant);
  pnEye_->setVisible(m.eye);
  pnObject_->setVisible(m.object);
  // The index error belongs to the sextant, not to one sight: it stays as typed.
  if (f != Function::Visibility) {
    if (m.sextant) {
      edSexDeg_->clear();
      edSexMin_->clear();
    }
    if (m.eye) edEyeHeight_->clear();
    if (m.object) edObject_->clear();
  }
  (m.sextant ? edSexDeg_ : edEyeHeight_)->setFocus();
}

void TNavDisForm::SetUnit(bool metres) {
  RadioButton1_->setChecked(metres);
  RadioButton2_->setChecked(!metres);
  const QString unit = metres ? "m" : "feet";
  lbEyeUnit_->setText(unit);
  lbObjectUnit_->setText(unit);
}

bool TNavDisForm::Metres() const { return lbEyeUnit_->text() == "m"; }

bool TNavDisForm::ReadInputs(Inputs& in) {
  in.angle = FieldValue(edSexDeg_) + FieldValue(edSexMin_) / 60.0;
  in.index = FieldValue(edIndex_) / 60.0;
  const double scale = RadioButton1_->isChecked() ? kFeetPerMetre : 1.0;
  in.eye = FieldValue(edEyeHeight_) * scale;
  in.object = FieldValue(edObject_) * scale;
  if (in.eye < 0.0 || in.object < 0.0) {
    ctx_.platform.Message("Heights must not be negative");
    return false;
  }
  return true;
}

bool TNavDisForm::Require(bool present, const char* message) {
  if (!present) ctx_.platform.Message(message);
  return present;
}

void TNavDisForm::ShowSight(QLabel* result, const std::optional<std::string>& text) {
  if (!text) {
    ctx_.platform.Message("No answer for this angle");
    return;
  }
  result->setText(QString::fromStdString(*text));
}

void TNavDisForm::Label12Click() {
  Inputs in;
  if (!Require(!edEyeHeight_->text().isEmpty(), "Eye height missing") || !ReadInputs(in)) return;
  lbDistance_->setText(QString::fromStdString(FmtTenths(DistanceToHorizon(in.eye)) + "   NM"));
}

void TNavDisForm::Label20Click() {
  Inputs in;
  if (!ReadInputs(in) || !Require(in.angle != 0.0 && in.eye != 0.0, "Sextant angle or eye height missing")) return;
  const auto feet = DistanceByHorizonAngleFeet(in.angle, in.index, in.eye);
  ShowSight(lbDisByAngle_, feet ? std::optional(HorizonAngleText(*feet, Metres())) : std::nullopt);
}

void TNavDisForm::Label13Click() {
  Inputs in;
  if (!ReadInputs(in) || !Require(in.angle != 0.0 && in.object != 0.0, "Sextant angle or object height missing"))
    return;
  const auto feet = DistanceToObjectFeet(in.angle, in.index, in.object);
  ShowSight(lbDisToObject_, feet ? std::optional(ObjectDistanceText(*feet, Metres())) : std::nullopt);
}

void TNavDisForm::Label22Click() {
  Inputs in;
  if (!ReadInputs(in) || !Require(in.angle != 0.0 && in.object != 0.0, "Sextant angle or object height missing"))
    return;
  const auto miles = DistanceBeyondHorizon(in.angle, in.index, in.eye, in.object);
  ShowSight(lbDisToObj2_, miles ? std::optional(FmtTenths(*miles) + "  NM") : std::nullopt);
}

void TNavDisForm::Label19Click() {
  Inputs in;
  if (!ReadInputs(in) || !Require(in.object != 0.0, "Object height missing")) return;
  lbVisibility_->setText(QString::fromStdString(FmtTenths(VisibilityRange(in.eye, in.object)) + "  NM"));
}

void TNavDisForm::ShowRun(QLineEdit* field, const RunAnswer& answer, bool clock) {
  if (!answer.fault.empty()) {
    ctx_.platform.Message(answer.fault);
    return;
  }
  const std::string text = clock ? FmtClockHHMM(answer.value, false) : Str(RoundToScale(answer.value, 10.0), 1);
  field->setText(QString::fromStdString(text));
}

void TNavDisForm::btDistanceClick() {
  ShowRun(edDistance_, RunDistance(FieldValue(edSpeed_), RunTimeHours(TextOf(edTime_))), false);
}

void TNavDisForm::btTimeClick() { ShowRun(edTime_, RunHours(FieldValue(edDistance_), FieldValue(edSpeed_)), true); }

void TNavDisForm::btSpeedClick() {
  ShowRun(edSpeed_, RunSpeed(FieldValue(edDistance_), RunTimeHours(TextOf(edTime_))), false);
}

void TNavDisForm::FormClose() {
  Settings(ctx_).Write(kSection, "Unit", std::string(RadioButton1_->isChecked() ? "meters" : "feet"));
}

}  // namespace veltrane
