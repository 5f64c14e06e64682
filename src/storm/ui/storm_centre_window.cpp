#include "storm/ui/storm_centre_window.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "foundation/calendar.h"
#include "foundation/numbers.h"
#include "foundation/ui/named_widgets.h"
#include "foundation/ui/settings.h"
#include "storm/position_texts.h"
#include "storm/storm_centre.h"
#include "storm/ui/avoidance_window.h"
#include "storm/ui/storm_fields.h"

namespace veltrane {
namespace {

constexpr const char* kSection = "Storm_CenterForm";
constexpr const char* kOkInvalid = "Missing or erroneus values";
constexpr const char* kCountInvalid = "Erroneus or missing values";
constexpr const char* kDemoHint =
    "Press \u00b4Cyclone Count\u00b4, \u00b4Avoid Cyclone\u00b4 and on the Avoidance Form \u00b4Cyclone Count\u00b4 and "
    "\u00b4Situation\u00b4";
constexpr int kMaxHours = 5;

const char* UnitLabel(PressureUnit unit) {
  switch (unit) {
    case PressureUnit::Millibar: return "mb";
    case PressureUnit::MmHg: return "Hg";
    case PressureUnit::InchHg: return "IM";
  }
  return "";
}

QString Number(double v) { return QString::number(v, 'g', 17); }
QString Text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TStorm_CenterForm::TStorm_CenterForm(AppContext& ctx) : FormBase(ctx, "Storm_CenterForm", "Storm Center") {
  CreateContents();
}

void TStorm_CenterForm::BuildContents() {
  BuildControls();
  ReadSettings();
  panelPos2_->hide();
  panelResults_->hide();
  panelTrack_->hide();
  btnAvoid_->hide();
  WriteExplanation();
  KeepTypedValues();
  CloseOnEscape();
}

void TStorm_CenterForm::BuildControls() {
  auto* central = new QWidget(this);
  auto* grid = new QGridLayout(central);

  auto* box1 = new QGroupBox("Boat Position 1", central);
  auto* g1 = new QGridLayout(box1);
  pos1_ = PositionFields::Create(box1, {{"Edit1", "Edit2", "RadioButton1", "RadioButton2"},
                                         {"Edit3", "Edit4", "RadioButton3", "RadioButton4"}});
  pos1_.Place(g1, 0);
  auto* g1b = new QGridLayout;
  g1->addLayout(g1b, 2, 0, 1, 7);
  edit5_ = AddFieldRow(box1, g1b, 0, 0, "Edit5", "Wind Direction", "\u00b0", "No gusts");
  auto* sourceGroup = new QButtonGroup(box1);
  rbWind_ = AddChoice(box1, g1b, sourceGroup, 0, 3, "RadioButton5", "Wind Movement");
  rbCloud_ = AddChoice(box1, g1b, sourceGroup, 1, 3, "RadioButton6", "Cloud Movement");
  rbCentre_ = AddChoice(box1, g1b, sourceGroup, 2, 3, "RadioButton7", "Cyclone Center Direction");
  edit8_ = AddFieldRow(box1, g1b, 1, 0, "Edit8", "Barometer Fall per Hour", {}, "Before");
  auto* unitGroup = new QButtonGroup(box1);
  rbMb_ = AddChoice(box1, g1b, unitGroup, 3, 0, "RadioButton12", "mb");
  rbMmHg_ = AddChoice(box1, g1b, unitGroup, 3, 1, "RadioButton13", "mmHg");
  rbIM_ = AddChoice(box1, g1b, unitGroup, 3, 2, "RadioButton14", "IM");
  edit6_ = AddFieldRow(box1, g1b, 4, 0, "Edit6", "Boat Speed", "kn");
  edit7_ = AddFieldRow(box1, g1b, 5, 0, "Edit7", "Sailing Direction", "\u00b0");
  edit17_ = AddFieldRow(box1, g1b, 6, 0, "Edit17", "Boat Position Difference", "hours",
                     "Difference between two measurements, 1-4 hours.");
  QPushButton* ok = NamedButton(box1, "Ok", "Ok");
  g1b->addWidget(ok, 6, 3);
  grid->addWidget(box1, 0, 0);

  panelPos2_ = new QGroupBox("Boat Position 2", central);
  panelPos2_->setObjectName("Panel2");
  auto* g2 = new QGridLayout(panelPos2_);
  pos2_ = PositionFields::Create(panelPos2_, {{"Edit9", "Edit10", "RadioButton8", "RadioButton9"},
                                         {"Edit11", "Edit12", "RadioButton10", "RadioButton11"}});
  pos2_.Place(g2, 0);
  auto* g2b = new QGridLayout;
  g2->addLayout(g2b, 2, 0, 1, 7);
  edit13_ = AddFieldRow(panelPos2_, g2b, 0, 0, "Edit13", "Wind Direction", "\u00b0");
  edit19_ = AddFieldRow(panelPos2_, g2b, 1, 0, "Edit19", "Barometer Fall per Hour", {}, "Between");
  lbBaro_ = new QLabel("mb", panelPos2_);
  lbBaro_->setObjectName("lbBaro");
  g2b->addWidget(lbBaro_, 1, 2);
  QPushButton* count = NamedButton(panelPos2_, "CountCyclon", "Cyclone Count");
  count->setToolTip("Values received here may be transferred to 'Storm Avoidance'");
  g2b->addWidget(count, 1, 3);
  grid->addWidget(panelPos2_, 1, 0);

  panelResults_ = new QGroupBox("Cyclone Center", central);
  panelResults_->setObjectName("Panel11");
  auto* g3 = new QGridLayout(panelResults_);
  auto* g3a = new QGridLayout;
  g3->addLayout(g3a, 0, 0, 1, 7);
  edit18_ = AddFieldRow(panelResults_, g3a, 0, 0, "Edit18", "Distance to Cyclone Center", "NM");
  edit14_ = AddFieldRow(panelResults_, g3a, 1, 0, "Edit14", "Direction to Cyclone Center", "\u00b0");
  centre_ = PositionFields::Create(panelResults_, {{"Edit20", "Edit21", "RadioButton15", "RadioButton16"},
                                         {"Edit22", "Edit23", "RadioButton17", "RadioButton18"}});
  centre_.Place(g3, 1);
  for (QLineEdit* e : {edit18_, edit14_, centre_.lat.deg, centre_.lat.min, centre_.lon.deg, centre_.lon.min})
    e->setReadOnly(true);
  grid->addWidget(panelResults_, 0, 1);

  panelTrack_ = new QGroupBox("Cyclone Track", central);
  panelTrack_->setObjectName("Panel7");
  auto* g4 = new QGridLayout(panelTrack_);
  edit15_ = AddFieldRow(panelTrack_, g4, 0, 0, "Edit15", "Cyclone Heading", "\u00b0");
  edit16_ = AddFieldRow(panelTrack_, g4, 1, 0, "Edit16", "Cyclone Speed", "kn");
  edit15_->setReadOnly(true);
  edit16_->setReadOnly(true);
  btnAvoid_ = NamedButton(panelTrack_, "btnAvoid", "Avoid Cyclone");
  g4->addWidget(btnAvoid_, 2, 0, 1, 2);
  grid->addWidget(panelTrack_, 1, 1);

  memo_ = ReadOnlyMemo(central);
  grid->addWidget(memo_, 2, 0, 1, 2);

  // The first centre between "Ok" and "Cyclone Count".
  label37_ = HiddenLabel(central, "Label37");
  label38_ = HiddenLabel(central, "Label38");
  setCentralWidget(central);

  MessageSink& sink = ctx_.platform;
  WatchEntries(pos1_.EntryChecks(sink));
  WatchEntries(pos2_.EntryChecks(sink));
  for (QLineEdit* e : {edit5_, edit7_, edit13_})
    WatchEntry(e, [&sink](const std::string& t) { return CheckIntRange(t, 360, sink); });
  WatchEntry(edit6_, [&sink](const std::string& t) { return CheckRealRange(t, kMaxBoatSpeed, sink); });
  WatchEntry(edit17_, [&sink](const std::string& t) { return CheckRealRange(t, kMaxHours, sink); });
  for (QLineEdit* e : {edit8_, edit19_})
    WatchEntry(e, [this, &sink](const std::string& t) { return CheckRealRange(t, FallEntryLimit(Unit()), sink); });

  connect(ok, &QPushButton::clicked, this, [this] { OkClick(); });
  connect(count, &QPushButton::clicked, this, [this] { CountCyclonClick(); });
  connect(btnAvoid_, &QPushButton::clicked, this, [this] {
    if (avoidance_) {
      avoidance_->ShowForm();
      avoidance_->Transfer1Click();
    }
  });
  AddMenuAction("Close1", "&Close Form", [this] {
    SaveSettings();
    close();
  });
  AddMenuAction("Init1", "&Init values", [this] { Init1Click(); });
  AddMenuAction("Demo1", "&Demo values", [this] { Demo1Click(); });
  AddMenuAction("Print1", "&Print", [this] { PrintForm(); });
  AddMenuAction("Help1", "&Help", [this] { OpenHelp(); });
}

void TStorm_CenterForm::ReadSettings() {
  Settings s(ctx_);
  const auto read = [&s](const char* key, const char* def) { return s.Read(kSection, key, std::string(def)); };
  const std::string baro = read("Baro", "-1");
  if (baro == "-1") {
    rbWind_->setChecked(true);
    rbMb_->setChecked(true);
    return;
  }
  pos1_.lat.ChooseMinus(read("LatPos", "") != "N");
  pos1_.lon.ChooseMinus(read("LonPos", "") != "W");
  const std::string direction = read("Direction", "");
  (direction == "Cloud" ? rbCloud_ : direction == "Cyclon" ? rbCentre_ : rbWind_)->setChecked(true);
  (baro == "mb" ? rbMb_ : baro == "Hg" ? rbMmHg_ : rbIM_)->setChecked(true);
}

void TStorm_CenterForm::SaveSettings() {
  Settings s(ctx_);
  const auto write = [&s](const char* key, const char* value) { s.Write(kSection, key, std::string(value)); };
  write("LatPos", pos1_.lat.minus->isChecked() ? "S" : "N");
  write("LonPos", pos1_.lon.minus->isChecked() ? "E" : "W");
  write("Direction", rbCloud_->isChecked() ? "Cloud" : rbCentre_->isChecked() ? "Cyclon" : "Wind");
  write("Baro", UnitLabel(Unit()));
}

void TStorm_CenterForm::WriteExplanation() {
  memo_->clear();
  AddLines({"The direction of the storm center may be calculated", "with the aid of the direction of the", "1> wind",
            "2> lower cloud movement", "3> storm center (greatest density of cirrus clouds",
            "or the bank of black clouds upon the horizon)."});
}

void TStorm_CenterForm::AddLines(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) memo_->appendPlainText(Text(line));
}

BearingSource TStorm_CenterForm::Source() const {
  if (rbCloud_->isChecked()) return BearingSource::Cloud;
  if (rbCentre_->isChecked()) return BearingSource::Centre;
  return BearingSource::Wind;
}

PressureUnit TStorm_CenterForm::Unit() const {
  if (rbMmHg_->isChecked()) return PressureUnit::MmHg;
  if (rbIM_->isChecked()) return PressureUnit::InchHg;
  return PressureUnit::Millibar;
}

TStorm_CenterForm::HoursReading TStorm_CenterForm::ReadHours() {
  const std::string text = TextOf(edit17_);
  if (TrimBlanks(text).empty()) return {};
  // A part of an hour is refused with the entry limits rather than taken as something else.
  if (!CheckIntRange(text, kMaxHours, ctx_.platform)) {
    edit17_->setFocus();
    edit17_->selectAll();
    return {std::nullopt, true};
  }
  const int hours = *ParseInt(text);
  if (hours == 0) return {};
  return {hours, false};
}

std::optional<double> TStorm_CenterForm::ReadFall(const QLineEdit* edit) const {
  // Refused beyond the entry limit rather than turned into a centre at the boat.
  const std::optional<double> fall = ParseReal(TextOf(edit));
  if (!fall || *fall > FallEntryLimit(Unit())) return std::nullopt;
  return fall;
}

void TStorm_CenterForm::ShowEstimate(int bearing, double distance, const PositionRecord& centre) {
  edit18_->setText(Text(Str(distance, 0)));
  edit14_->setText(QString::number(bearing));
  centre_.Show(centre);
}

void TStorm_CenterForm::OkClick() {
  const HoursReading reading = ReadHours();
  if (reading.refused) return;
  const std::optional<int> hours = reading.hours;
  const std::optional<PositionRecord> pos1 = pos1_.Read().value;
  const std::optional<int> wind = ReadDirection(TextOf(edit5_));
  const std::optional<double> fall = ReadFall(edit8_);
  const std::optional<double> speed = ReadNonNegative(TextOf(edit6_));
  const std::optional<int> course = ReadDirection(TextOf(edit7_));
  const FallRate rate = FallToInches(Unit(), fall.value_or(0.0));
  if (!hours || !pos1 || !wind || !fall || !rate.valid || !speed || !course) {
    ctx_.platform.Message(kOkInvalid);
    pos1_.lat.deg->setFocus();
    return;
  }
  const std::optional<CentreEstimate> estimate = EstimateCentre(*pos1, *wind, Source(), rate.inchesPerHour);
  const std::optional<PositionRecord> pos2 = DeadReckon(*pos1, *hours * *speed, *course);
  if (!estimate || !pos2) {
    ctx_.platform.Message(kBeyondPoleMessage);
    return;
  }
  ShowEstimate(estimate->bearing, estimate->distance, estimate->centre);
  label37_->setText(Number(estimate->centre.Lat));
  label38_->setText(Number(estimate->centre.Lon));
  panelResults_->show();
  panelPos2_->show();
  panelTrack_->hide();
  memo_->clear();
  AddLines(EquatorAdvice(pos1->Lat));
  pos2_.Show(*pos2);
  lbBaro_->setText(UnitLabel(Unit()));
}

void TStorm_CenterForm::CountCyclonClick() {
  const HoursReading reading = ReadHours();
  if (reading.refused) return;
  const std::optional<int> hours = reading.hours;
  const std::optional<PositionRecord> pos2 = pos2_.Read().value;
  const std::optional<int> wind1 = ReadDirection(TextOf(edit5_));
  const std::optional<int> wind2 = ReadDirection(TextOf(edit13_));
  const std::optional<double> fall = ReadFall(edit19_);
  const FallRate rate = FallToInches(Unit(), fall.value_or(0.0));
  const std::optional<double> lat1 = ParseReal(label37_->text().toStdString());
  const std::optional<double> lon1 = ParseReal(label38_->text().toStdString());
  if (!hours || !pos2 || !wind1 || !wind2 || !fall || !rate.valid || !lat1 || !lon1) {
    ctx_.platform.Message(kCountInvalid);
    edit13_->setFocus();
    return;
  }
  const std::optional<CentreEstimate> estimate = EstimateCentre(*pos2, *wind2, Source(), rate.inchesPerHour);
  if (!estimate) {
    ctx_.platform.Message(kBeyondPoleMessage);
    return;
  }
  panelTrack_->show();
  panelResults_->show();
  btnAvoid_->show();
  memo_->clear();
  ShowEstimate(estimate->bearing, estimate->distance, estimate->centre);
  const CycloneTrack track = TrackBetween({0, *lat1, *lon1}, estimate->centre, *hours);
  edit15_->setText(Text(Str(track.heading, 0)));
  edit16_->setText(Text(Str(track.speed, 0)));
  const std::string warning = CycloneSpeedWarning(track.speed);
  if (!warning.empty()) AddLines({warning});
  AddLines(SemicircleAdvice(*wind1, *wind2, pos2->Lat > 0, rate.inchesPerHour));
}

void TStorm_CenterForm::Init1Click() {
  for (const PositionFields* f : {&pos1_, &pos2_, &centre_}) f->Clear();
  for (QLineEdit* e : {edit5_, edit6_, edit7_, edit8_, edit13_, edit14_, edit15_, edit16_, edit17_, edit18_, edit19_})
    e->clear();
  label37_->clear();
  label38_->clear();
  WriteExplanation();
}

void TStorm_CenterForm::Demo1Click() {
  Init1Click();
  pos1_.lat.SetText({"20", "", false});
  pos1_.lon.SetText({"60", "", false});
  edit5_->setText("90");
  rbWind_->setChecked(true);
  rbMb_->setChecked(true);
  edit6_->setText("7");
  edit7_->setText("300");
  edit8_->setText("1");
  edit17_->setText("2");
  OkClick();
  edit13_->setText("80");
  edit19_->setText("1.5");
  ctx_.platform.Message(kDemoHint);
}

std::optional<TStorm_CenterForm::Handover> TStorm_CenterForm::Results() const {
  if (!ContentsBuilt()) return std::nullopt;  // never shown: no centre estimated
  if (centre_.lat.IsEmpty()) return std::nullopt;
  return Handover{&pos2_, &centre_, edit14_->text(), edit18_->text(), edit15_->text(), edit16_->text(),
                  edit6_->text()};
}

}  // namespace veltrane
