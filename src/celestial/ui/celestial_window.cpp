#include "celestial/ui/celestial_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "foundation/checks.h"
#include "foundation/ui/click_label.h"
#include "foundation/ui/clock.h"
#include "foundation/ui/named_widgets.h"
#include "foundation/ui/settings.h"

namespace veltrane {
namespace {

constexpr const char* kSection = "BrellinForm";


void Pair(QWidget* parent, QRadioButton* a, QRadioButton* b) {
  auto* group = new QButtonGroup(parent);
  group->addButton(a);
  group->addButton(b);
}

QWidget* Row(QWidget* parent, std::initializer_list<QWidget*> items) {
  auto* w = new QWidget(parent);
  auto* row = new QHBoxLayout(w);
  row->setContentsMargins(0, 0, 0, 0);
  for (QWidget* i : items) row->addWidget(i);
  row->addStretch();
  return w;
}

QLabel* Caption(QWidget* parent, const char* text) { return new QLabel(text, parent); }

}  // namespace

TBrellinForm::TBrellinForm(AppContext& ctx, NavigateLink* navigate, StarPicker* stars)
    : FormBase(ctx, "BrellinForm", "DazizIze", "fBrellin"), navigate_(navigate), stars_(stars) {
  CreateContents();
}

void TBrellinForm::BuildContents() {
  BuildControls();
  BuildMenu();
  setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  ClearLopDisplay();
  CloseFix();
  pnlPosition_->hide();
  const QDateTime now = ctx_.platform.NowUtc();
  edtTime_->setText(now.time().toString("hh:mm:ss"));
  btClock1_->setText(now.time().toString("hh:mm:ss") + " UT");
  edtDif_->setText(QString::fromStdString(ZoneDifferenceText(ctx_.platform)));
  LoadSettings();
  edtPressure_->setText("1010");
  edtTemperature_->setText("+10");
  date_->setDate(now.date());
  edWeekday_->setText(QString::fromStdString(WeekdayName(now.date()).substr(0, 3)));
  lower_->setChecked(true);
  SetMode({});
  lblSight_->setText("I");
  WatchEntries();
}

void TBrellinForm::BuildControls() {
  auto* central = new QWidget(this);
  auto* columns = new QHBoxLayout(central);

  // Inputs.
  auto* inputs = new QGridLayout;
  auto* lbAssumed = new ClickLabel("lbAssumed", "Assumed position", central);
  QFont bold = lbAssumed->font();
  bold.setBold(true);
  lbAssumed->setFont(bold);
  lbAssumed->setToolTip("Init count");
  connect(lbAssumed, &ClickLabel::clicked, this, [this] { ResetClick(); });
  inputs->addWidget(lbAssumed, 0, 0, 1, 2);
  assumed_ = PositionFields::Create(
      central, {{"Edit1", "Edit2", "RadioButton1", "RadioButton2"}, {"Edit3", "Edit4", "RadioButton3", "RadioButton4"}});
  int r = 1;
  auto row = [&](const char* caption, std::initializer_list<QWidget*> items) {
    inputs->addWidget(Caption(central, caption), r, 0);
    inputs->addWidget(Row(central, items), r++, 1);
  };
  for (const AngleFields* angle : {&assumed_.lat, &assumed_.lon}) {
    angle->deg->setToolTip("Degrees");
    angle->min->setToolTip("Minutes");
    auto* fields = new QWidget(central);
    auto* grid = new QGridLayout(fields);
    grid->setContentsMargins(0, 0, 0, 0);
    angle->Place(grid, 0, 0);
    row(angle->kind == AngleKind::Latitude ? "Latitude" : "Longitude", {fields});
  }
  edtSextant_ = NamedEdit(central, "edtSextant");
  edtSextant_->setToolTip("Minutes");
  row("Sextant index error", {edtSextant_, Caption(central, "'")});
  edtHeight_ = NamedEdit(central, "edtHeight");
  edtHeight_->setToolTip("Meters");
  row("Obs Height", {edtHeight_, Caption(central, "meters")});
  edtPressure_ = NamedEdit(central, "edtPressure");
  edtPressure_->setToolTip("950..1080 millibars");
  row("Pressure", {edtPressure_, Caption(central, "mb")});
  edtTemperature_ = NamedEdit(central, "edtTemperature");
  edtTemperature_->setToolTip("-70..+60 degrees");
  row("Temperature", {edtTemperature_, Caption(central, "\u00b0C")});
  date_ = new QDateEdit(central);
  date_->setObjectName("DateTimePicker1");
  date_->setDisplayFormat("yyyy-MM-dd");
  date_->setCalendarPopup(true);
  date_->setDateRange(QDate(1900, 1, 1), QDate(2100, 12, 31));
  edWeekday_ = NamedEdit(central, "edWeekday", 40);
  edWeekday_->setReadOnly(true);
  connect(date_, &QDateEdit::dateChanged, this,
          [this](const QDate& d) { edWeekday_->setText(QString::fromStdString(WeekdayName(d).substr(0, 3))); });
  row("Date", {date_, edWeekday_});
  edtDif_ = NamedEdit(central, "edtDif");
  edtDif_->setToolTip("Difference in hours");
  row("Utc - Local Time", {edtDif_, Caption(central, "hours")});
  edtTime_ = NamedEdit(central, "edtTime", 80);
  edtTime_->setInputMask("90:00:00;_");
  btClock1_ = NamedButton(central, "btClock1", {});
  btClock1_->setToolTip("Click to update time and date");
  connect(btClock1_, &QPushButton::clicked, this, [this] { ClockClick(); });
  row("Time utc", {edtTime_, btClock1_});
  edtNoon_ = NamedResult(central, "edtNoon", 110);
  edtNoon_->setToolTip("Click 'Noon latitude' to count");
  lblNoon_ = NamedLabel(central, "lblNoon", "Noon utc");
  inputs->addWidget(lblNoon_, r, 0);
  inputs->addWidget(Row(central, {edtNoon_}), r++, 1);
  edtMeasDeg_ = NamedEdit(central, "edtMeasDeg", 40);
  edtMeasMin_ = NamedEdit(central, "edtMeasMin", 50);
  edtMeasMin_->setToolTip("Minutes");
  row("Measured height", {edtMeasDeg_, Caption(central, "\u00b0"), edtMeasMin_, Caption(central, "'")});
  upper_ = NamedRadio(central, "RadioButton5", "Upper");
  lower_ = NamedRadio(central, "RadioButton6", "Lower");
  Pair(central, upper_, lower_);
  row("Limb", {upper_, lower_});
  edtObstr_ = NamedEdit(central, "edtObstr");
  edtObstr_->setToolTip("Nautical Miles");
  row("Distance to obstruction", {edtObstr_, Caption(central, "NM")});
  inputs->setRowStretch(r, 1);
  columns->addLayout(inputs);

  // Buttons.
  auto* buttons = new QVBoxLayout;
  auto button = [&](const char* name, const char* caption, const char* hint, std::function<void()> handler) {
    QPushButton* b = NamedButton(central, name, caption);
    if (*hint) b->setToolTip(hint);
    connect(b, &QPushButton::clicked, this, [handler = std::move(handler)] { handler(); });
    buttons->addWidget(b);
  };
  const std::pair<const char*, NavBody> bodies[] = {{"Sun", NavBody::Sun},         {"Moon", NavBody::Moon},
                                                    {"Jupiter", NavBody::Jupiter}, {"Mars", NavBody::Mars},
                                                    {"Saturn", NavBody::Saturn},   {"Venus", NavBody::Venus}};
  for (const auto& [name, body] : bodies) button(name, name, "", [this, body = body] { BodyClick(body); });
  button("Stars", "Stars", "", [this] { StarsClick(); });
  buttons->addSpacing(8);
  button("Noon", "Noon latitude", "", [this] { NoonClick(); });
  button("Equal", "Equal heights", "Count longitude with two equal heights", [this] { EqualClick(); });
  button("LongTSF", "Long by TSF", "Longitude by Time Sight Formula", [this] { LongTsfClick(); });
  buttons->addSpacing(8);
  button("Fix1", "Sight I", "Press before getting the values", [this] { SightOneClick(); });
  button("Navi", "Navigate", "Navigation between two sights", [this] { NavigateClick(); });
  button("btNewAss", "New AssPos", "", [this] { NewAssumedClick(); });
  button("Fix2", "Sight II", "Press before the II sight values", [this] { SightTwoClick(); });
  button("CountPosit", "CountPosition", "Sets the mode to 'Count Position' for the final calculation",
         [this] { SetMode("Count position"); });
  button("btnCalculate", "Calculate", "Performs the calculations after each sight", [this] { CalculateClick(); });
  lblMode_ = NamedLabel(central, "lblMode", {});
  lblSight_ = NamedLabel(central, "lblSight", {});
  lblMode_->setFont(bold);
  lblSight_->setFont(bold);
  buttons->addWidget(Row(central, {Caption(central, "Mode"), lblMode_}));
  buttons->addWidget(Row(central, {Caption(central, "Sight"), lblSight_}));
  buttons->addStretch();
  columns->addLayout(buttons);

  // Results.
  auto* results = new QVBoxLayout;
  auto panel = [&](const char* name, const char* title) {
    auto* box = new QGroupBox(title, central);
    box->setObjectName(name);
    results->addWidget(box);
    return box;
  };
  auto field = [](QGridLayout* g, int at, const char* caption, QWidget* w) {
    g->addWidget(new QLabel(caption, w->parentWidget()), at, 0);
    g->addWidget(w, at, 1);
  };
  pnlPlanet_ = panel("pnlPlanet", "");
  auto* planet = new QGridLayout(pnlPlanet_);
  lblPlanet_ = NamedLabel(pnlPlanet_, "lblPlanet", {});
  lblPlanet_->setFont(bold);
  planet->addWidget(lblPlanet_, 0, 0, 1, 2);
  edtDeclination_ = NamedResult(pnlPlanet_, "edtDeclination", 110);
  edtGHA_ = NamedResult(pnlPlanet_, "edtGHA", 110);
  field(planet, 1, "Declination", edtDeclination_);
  field(planet, 2, "Greenwich Hour Angle", edtGHA_);
  lblLHA_ = NamedLabel(central, "lblLHA", "Local Hour Angle");
  edtLHA_ = NamedResult(central, "edtLHA", 110);
  results->addWidget(Row(central, {lblLHA_, edtLHA_}));

  pnlHeight_ = panel("pnlHeight", "");
  auto* height = new QGridLayout(pnlHeight_);
  edtHc_ = NamedResult(pnlHeight_, "edtHc", 110);
  edtHcRef_ = NamedResult(pnlHeight_, "edtHcRef", 110);
  edtAzimuth_ = NamedResult(pnlHeight_, "edtAzimuth", 110);
  field(height, 0, "Altitude", edtHc_);
  field(height, 1, "Altitude with\natmospheric refraction", edtHcRef_);
  field(height, 2, "z Azimuth", edtAzimuth_);

  pnlObsHeight_ = panel("pnlObsHeight", "");
  auto* obs = new QGridLayout(pnlObsHeight_);
  edtAltCorr_ = NamedResult(pnlObsHeight_, "edtAltCorr", 110);
  lbDastrow_ = NamedLabel(pnlObsHeight_, "lbDastrow", "Dastrow");
  lbDastrow_->setStyleSheet("color: maroon");
  lbDastrow_->hide();
  edtAppHeight_ = NamedResult(pnlObsHeight_, "edtAppHeight", 110);
  edtObsHeight_ = NamedResult(pnlObsHeight_, "edtObsHeight", 110);
  obs->addWidget(new QLabel("Altitude Correction", pnlObsHeight_), 0, 0);
  obs->addWidget(Row(pnlObsHeight_, {edtAltCorr_, lbDastrow_}), 0, 1);
  field(obs, 1, "Apparent height", edtAppHeight_);
  field(obs, 2, "Corrected height", edtObsHeight_);

  pnlDifference_ = panel("pnlDifference", "");
  auto* diff = new QGridLayout(pnlDifference_);
  edtDifference_ = NamedResult(pnlDifference_, "edtDifference", 70);
  towards_ = NamedRadio(pnlDifference_, "TowButton", "Towards");
  away_ = NamedRadio(pnlDifference_, "AwButton", "Away");
  Pair(pnlDifference_, towards_, away_);
  diff->addWidget(new QLabel("Intercept", pnlDifference_), 0, 0);
  diff->addWidget(Row(pnlDifference_, {edtDifference_, new QLabel("'", pnlDifference_), towards_, away_}), 0, 1);

  pnlLocat_ = panel("pnlLocat", "Lines of position");
  auto* locat = new QGridLayout(pnlLocat_);
  auto lopLabel = [&](const char* name) {
    QLabel* l = NamedLabel(pnlLocat_, name, {});
    l->setMinimumWidth(80);
    return l;
  };
  lbLat1_ = lopLabel("lbLat1");
  lbLon1_ = lopLabel("lbLon1");
  lbAngle1_ = lopLabel("lbAngle1");
  lbLat2_ = lopLabel("lbLat2");
  lbLon2_ = lopLabel("lbLon2");
  lbAngle2_ = lopLabel("lbAngle2");
  captionLat2_ = NamedLabel(pnlLocat_, "lbCaptionLat2", "II lat");
  captionLon2_ = NamedLabel(pnlLocat_, "lbCaptionLon2", "II lon");
  captionAngle2_ = NamedLabel(pnlLocat_, "lbCaptionAngle2", "II angle");
  locat->addWidget(new QLabel("I lat", pnlLocat_), 0, 0);
  locat->addWidget(lbLat1_, 0, 1);
  locat->addWidget(new QLabel("I lon", pnlLocat_), 1, 0);
  locat->addWidget(lbLon1_, 1, 1);
  locat->addWidget(new QLabel("I angle", pnlLocat_), 2, 0);
  locat->addWidget(lbAngle1_, 2, 1);
  locat->addWidget(captionLat2_, 0, 2);
  locat->addWidget(lbLat2_, 0, 3);
  locat->addWidget(captionLon2_, 1, 2);
  locat->addWidget(lbLon2_, 1, 3);
  locat->addWidget(captionAngle2_, 2, 2);
  locat->addWidget(lbAngle2_, 2, 3);

  pnlPosition_ = panel("pnlPosition", "Position of  vessel");
  pnlPosition_->setFont(bold);
  auto* position = new QGridLayout(pnlPosition_);
  edtLatitude_ = NamedResult(pnlPosition_, "edtLatitude", 130);
  edtLongitude_ = NamedResult(pnlPosition_, "edtLongitude", 130);
  field(position, 0, "Latitude", edtLatitude_);
  field(position, 1, "Longitude", edtLongitude_);
  results->addStretch();
  columns->addLayout(results);
  setCentralWidget(central);
}

void TBrellinForm::BuildMenu() {
  AddMenuAction("Close1", "&Close Form", [this] { close(); });
  AddMenuAction("Print1", "&Print", [this] { PrintForm(); });
  QMenu* demos = AddMenu("Demos1", "&Demos");
  AddMenuAction(demos, "Mustang1", "&Mustang", [this] { Demo(0); });
  AddMenuAction(demos, "Circe1", "&Circe", [this] { Demo(1); });
  AddMenuAction(demos, "Thalassa1", "&Thalassa", [this] { Demo(2); });
  QMenu* options = AddMenu("Options1", "Options");
  dastrow_ = AddMenuAction(options, "Dastrow1", "Dastrow", [this] { DastrowClick(); });
  dastrow_->setCheckable(true);
  AddMenuAction(options, "SightLog1", "Sight log", [this] {
    if (sightLog_) sightLog_->ShowForm();
  });
  AddMenuAction("Help1", "&Help", [this] { OpenHelp(); });
}

void TBrellinForm::WatchEntries() {
  MessageSink& sink = ctx_.platform;
  FormBase::WatchEntries(assumed_.EntryChecks(sink));
  WatchEntry(edtMeasDeg_, [&sink](const std::string& t) { return CheckIntRange(t, 90, sink); });
  WatchEntry(edtMeasMin_,
             [this, &sink](const std::string& t) { return CheckMinutes(TextOf(edtMeasDeg_), t, 90, sink); });
  WatchEntry(edtSextant_, [&sink](const std::string& t) { return CheckSignedRange(t, 10.0, sink); });
  WatchEntry(edtHeight_, [&sink](const std::string& t) { return CheckRealRange(t, 8900.0, sink); });
  // A shore at no distance is refused too: the dip short of the horizon divides by it.
  WatchEntry(edtObstr_, [&sink](const std::string& t) {
    if (!CheckRealRange(t, 9999.0, sink)) return false;
    if (ObstructionAcceptable(t)) return true;
    sink.Message(kMsgObstruction);
    return false;
  });
}

void TBrellinForm::LoadSettings() {
  Settings s(ctx_);
  const std::string latDeg = s.Read(kSection, "LatDeg", std::string("-1"));
  if (latDeg == "-1") {
    SetAssumedTexts({{"60", "9.7", false}, {"24", "57.3", true}});
    edtHeight_->setText("0");
    edtSextant_->setText("0");
    return;
  }
  SetAssumedTexts({{latDeg, s.Read(kSection, "LatMin", std::string()), s.Read(kSection, "LatPos", std::string("N")) == "S"},
                   {s.Read(kSection, "LonDeg", std::string()), s.Read(kSection, "LonMin", std::string()),
                    s.Read(kSection, "LonPos", std::string("E")) != "W"}});
  edtHeight_->setText(s.Read(kSection, "EyeHeight", QString("0")));
  edtSextant_->setText(s.Read(kSection, "Index", QString("0")));
  edtDif_->setText(s.Read(kSection, "Dif", edtDif_->text()));
}

void TBrellinForm::WriteSettings() {
  Settings s(ctx_);
  WritePositionKeys(s, kSection, AssumedTexts());
  s.Write(kSection, "EyeHeight", edtHeight_->text());
  s.Write(kSection, "Index", edtSextant_->text());
  s.Write(kSection, "Dif", edtDif_->text());
}

void TBrellinForm::SaveSettings() {
  WriteSettings();
  SavePosition();
}

void TBrellinForm::FormClose() { WriteSettings(); }

PositionText TBrellinForm::AssumedTexts() const { return {assumed_.lat.Text(), assumed_.lon.Text()}; }

void TBrellinForm::SetAssumedTexts(const PositionText& p) {
  assumed_.lat.SetText(p.lat);
  assumed_.lon.SetText(p.lon);
}

void TBrellinForm::ShowUtc(const std::string& hhmmss) {
  if (isVisible()) btClock1_->setText(QString::fromStdString(hhmmss) + " UT");
}

void TBrellinForm::Say(const std::string& text) { ctx_.platform.Message(text); }
QString TBrellinForm::Mode() const { return lblMode_->text(); }
void TBrellinForm::SetMode(const QString& mode) { lblMode_->setText(mode); }

}  // namespace veltrane
