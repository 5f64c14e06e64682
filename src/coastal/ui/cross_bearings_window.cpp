#include "coastal/ui/cross_bearings_window.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "coastal/nav_utl.h"
#include "foundation/angles.h"
#include "foundation/formats.h"
#include "foundation/numbers.h"
#include "foundation/ui/click_label.h"
#include "foundation/ui/settings.h"

namespace veltrane {

namespace {

constexpr const char* kSection = "CrossForm";

}  // namespace

TCrossForm::TCrossForm(AppContext& ctx) : FormBase(ctx, "CrossForm", "CrossBearing") { CreateContents(); }

void TCrossForm::BuildContents() {
  BuildControls();
  AddMenuAction("Close1", "&Close Form", [this] { close(); });
  AddMenuAction("Print1", "&Print", [this] { PrintForm(); });
  LoadSettings();
  AddMenuAction("Help1", "&Help", [this] { OpenHelp(); });
  ClickOnEnter("lbPosition");
  CloseOnEscape();
}

void TCrossForm::BuildControls() {
  auto* central = new QWidget(this);
  auto* grid = new QGridLayout(central);
  setCentralWidget(central);

  auto edit = [this](const char* name, bool input = true, const char* hint = nullptr) {
    auto* e = new QLineEdit(this);
    e->setObjectName(name);
    e->setMinimumWidth(60);
    e->setMaximumWidth(80);
    if (hint) e->setToolTip(hint);
    SetInput(e, input);
    return e;
  };
  auto place = [this](const QString& title, const PositionFields& p) {
    auto* box = new QGroupBox(title, this);
    p.Place(new QGridLayout(box), 0);
    return box;
  };
  pointA_ = PositionFields::Create(this, {{"edLatDeg1", "edLatMin1", "RadioButton1", "RadioButton2"},
                                          {"edLonDeg1", "edLonMin1", "RadioButton3", "RadioButton4"}});
  pointB_ = PositionFields::Create(this, {{"edLatDeg2", "edLatMin2", "RadioButton9", "RadioButton10"},
                                          {"edLonDeg2", "edLonMin2", "RadioButton11", "RadioButton12"}});
  grid->addWidget(place("Point A", pointA_), 0, 0);
  grid->addWidget(place("Point B", pointB_), 0, 1);

  auto* bearings = new QGroupBox(this);
  auto* b = new QGridLayout(bearings);
  cbCompass_ = new QComboBox(this);
  cbCompass_->setObjectName("cbCompass");
  cbCompass_->setEditable(true);
  cbCompass_->setMinimumWidth(140);
  cbCompass_->setToolTip("'Ideal' compass without variation");
  b->addWidget(new QLabel("Compass"), 0, 0);
  b->addWidget(cbCompass_, 0, 1, 1, 2);
  const char* compassHint = "You may give magnetic course instead of compass course";
  const char* magneticHint = "You may give compass course instead of magnetic";
  bearingA_ = {edit("edCompCourse1", true, compassHint), edit("edMgCourse1", false, magneticHint),
               edit("edRealCourse1", false), edit("edAngle1", false)};
  bearingB_ = {edit("edCompCourse2", true, compassHint), edit("edMgCourse2", false, magneticHint),
               edit("edRealCourse2", false), edit("edAngle2", false)};
  const char* labels[4][2] = {{"Compass bearing A", "Compass bearing B"},
                              {"Magnetic bearing A", "Magnetic bearing B"},
                              {"Real bearing A", "Real bearing B"},
                              {"Angle A", "Angle B"}};
  QLineEdit* const fields[4][2] = {{bearingA_.compass, bearingB_.compass},
                                   {bearingA_.magnetic, bearingB_.magnetic},
                                   {bearingA_.real, bearingB_.real},
                                   {bearingA_.angle, bearingB_.angle}};
  int r = 1;
  for (int i = 0; i < 4; ++i, r += 2) {
    for (int k = 0; k < 2; ++k) {
      b->addWidget(new QLabel(labels[i][k]), r + k, 0);
      b->addWidget(fields[i][k], r + k, 1);
    }
  }
  edVarDeg_ = edit("edVarDeg");
  edVarMin_ = edit("edVarMin");
  rbVarWest_ = new QRadioButton("West", this);
  rbVarWest_->setObjectName("RadioButton5");
  rbVarEast_ = new QRadioButton("East", this);
  rbVarEast_->setObjectName("RadioButton6");
  auto* varGroup = new QButtonGroup(this);
  varGroup->addButton(rbVarWest_);
  varGroup->addButton(rbVarEast_);
  b->addWidget(new QLabel("Variation"), r, 0);
  b->addWidget(edVarDeg_, r, 1);
  b->addWidget(edVarMin_, r, 2);
  b->addWidget(rbVarWest_, r, 3);
  b->addWidget(rbVarEast_, r, 4);
  grid->addWidget(bearings, 1, 0);

  auto* fixBox = new QGroupBox(this);
  auto* f = new QGridLayout(fixBox);
  auto* lbPosition = new ClickLabel("lbPosition", "Boat Position", this);
  lbPosition->setToolTip("Click to count");
  QFont bold = lbPosition->font();
  bold.setBold(true);
  lbPosition->setFont(bold);
  connect(lbPosition, &ClickLabel::clicked, this, &TCrossForm::lbPositionClick);
  fix_ = PositionFields::Create(this, {{"edLatDeg", "edLatMin", "RadioButton7", "RadioButton8"},
                                       {"edLonDeg", "edLonMin", "RadioButton13", "RadioButton14"}});
  // The fix is the window's answer: shown, not typed.
  for (QLineEdit* e : {fix_.lat.deg, fix_.lat.min, fix_.lon.deg, fix_.lon.min}) SetInput(e, false);
  f->addWidget(lbPosition, 0, 0, 1, 7);
  fix_.Place(f, 1);
  grid->addWidget(fixBox, 1, 1, Qt::AlignTop);
}

void TCrossForm::LoadSettings() {
  Settings settings(ctx_);
  const std::string compass = settings.Read(kSection, "CompasFile", std::string("-1"));
  FillCompassList(cbCompass_, ctx_);
  if (compass == "-1") {
    for (const AngleFields* p : {&pointA_.lat, &pointB_.lat, &pointA_.lon, &pointB_.lon}) p->ChooseMinus(false);
    rbVarEast_->setChecked(true);
    cbCompass_->setCurrentText("Ideal");
    return;
  }
  cbCompass_->setCurrentText(QString::fromStdString(compass));
  const std::pair<QLineEdit*, const char*> texts[] = {
      {pointA_.lat.deg, "LatDeg1"}, {pointA_.lat.min, "LatMin1"}, {pointA_.lon.deg, "LonDeg1"},
      {pointA_.lon.min, "LonMin1"},  {pointB_.lat.deg, "LatDeg2"}, {pointB_.lat.min, "LatMin2"},
      {pointB_.lon.deg, "LonDeg2"},  {pointB_.lon.min, "LonMin2"}, {bearingA_.compass, "CCourse1"},
      {bearingB_.compass, "CCourse2"}};
  for (const auto& [field, key] : texts) field->setText(settings.Read(kSection, key, field->text()));
  const bool north = settings.Read(kSection, "Lat", std::string()) != "S";
  const bool west = settings.Read(kSection, "Lon", std::string()) != "E";
  for (const AngleFields* p : {&pointA_.lat, &pointB_.lat}) p->ChooseMinus(!north);
  for (const AngleFields* p : {&pointA_.lon, &pointB_.lon}) p->ChooseMinus(!west);
  (settings.Read(kSection, "Var", std::string()) == "W" ? rbVarWest_ : rbVarEast_)->setChecked(true);
}

void TCrossForm::FormClose() {
  Settings settings(ctx_);
  const std::pair<QLineEdit*, const char*> texts[] = {
      {pointA_.lat.deg, "LatDeg1"}, {pointA_.lat.min, "LatMin1"}, {pointA_.lon.deg, "LonDeg1"},
      {pointA_.lon.min, "LonMin1"},  {pointB_.lat.deg, "LatDeg2"}, {pointB_.lat.min, "LatMin2"},
      {pointB_.lon.deg, "LonDeg2"},  {pointB_.lon.min, "LonMin2"}, {bearingA_.compass, "CCourse1"},
      {bearingB_.compass, "CCourse2"}};
  for (const auto& [field, key] : texts) settings.Write(kSection, key, field->text());
  settings.Write(kSection, "CompasFile", cbCompass_->currentText());
  settings.Write(kSection, "Lat", std::string(pointA_.lat.minus->isChecked() ? "S" : "N"));
  settings.Write(kSection, "Lon", std::string(pointA_.lon.minus->isChecked() ? "E" : "W"));
  settings.Write(kSection, "Var", std::string(rbVarWest_->isChecked() ? "W" : "E"));
}

TCrossForm::BearingReading TCrossForm::TrueBearing(const Bearing& b, const char* missing) {
  if (IsEmpty(b.compass) && IsEmpty(b.magnetic)) {
    ctx_.platform.Message(missing);
    return {};
  }
  BearingReading r;
  // Unreadable text counts as 0 so that the other fields still show; the reading is erroneous.
  const auto read = [&r](const std::optional<double>& v) {
    if (!v) r.erroneous = true;
    return v.value_or(0.0);
  };
  if (!IsEmpty(b.compass)) {
    const double compass = Norm360(read(ReadNumber(b.compass)));  // a bearing of 370 is one of 10
    const int deviation = CompassDeviation(ctx_, cbCompass_, compass, HeadingKind::Compass);
    b.magnetic->setText(QString::fromStdString(FmtTenths(AddAngleWrap(compass, deviation))));
  }
  // Near a magnetic pole the variation may be anything up to a half circle.
  const double variation = read(ReadVariation(edVarDeg_, edVarMin_, rbVarWest_->isChecked(), 180.0));
  const double trueBearing = AddAngleWrap(Norm360(read(ReadNumber(b.magnetic))), variation);
  b.real->setText(QString::fromStdString(FmtTenths(trueBearing)));
  b.angle->setText(QString::fromStdString(FmtTenths(trueBearing)));
  r.bearing = trueBearing;
  return r;
}

void TCrossForm::lbPositionClick() {
  // Nothing to count until both objects are placed.
  for (const AngleFields* p : {&pointA_.lat, &pointA_.lon, &pointB_.lat, &pointB_.lon})
    if (p->IsEmpty()) return;
  std::optional<PositionRecord> a = pointA_.Read().value;
  std::optional<PositionRecord> b = pointB_.Read().value;
  if (!a || !b) return ctx_.platform.Message("Missing or erroneous value");
  const BearingReading bearingA = TrueBearing(bearingA_, "Bearing A missing");
  if (!bearingA.bearing) return;
  const BearingReading bearingB = TrueBearing(bearingB_, "Bearing B missing");
  if (!bearingB.bearing) return;
  if (bearingA.erroneous || bearingB.erroneous) return ctx_.platform.Message("Missing or erroneous value");
  a->Direction = *bearingA.bearing;
  b->Direction = *bearingB.bearing;
  const auto fix = LineCrossing(*a, *b);
  if (!fix) return ctx_.platform.Message("Lines do not cross");
  fix_.Show(*fix);
}

}  // namespace veltrane
