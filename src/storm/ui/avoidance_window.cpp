#include "storm/ui/avoidance_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "foundation/numbers.h"
#include "foundation/position_text.h"
#include "foundation/ui/named_widgets.h"
#include "storm/avoidance.h"
#include "storm/position_texts.h"
#include "storm/storm_rules.h"
#include "storm/ui/avoidance_plot_window.h"
#include "storm/ui/storm_fields.h"
#include "storm/ui/storm_centre_window.h"

namespace veltrane {
namespace {

constexpr const char* kInvalid = "Missing or erroneous values";
constexpr const char* kNoRelativeSpeed = "BC = 0";
constexpr double kMaxDistance = 9999.0;

QString Text(const std::string& s) { return QString::fromStdString(s); }

std::string PositionLine(const PositionRecord& p) {
  return DegMinWithHemisphere(p.Lat, AngleKind::Latitude) + "   " + DegMinWithHemisphere(p.Lon, AngleKind::Longitude);
}

}  // namespace

TAvoidanceForm::TAvoidanceForm(AppContext& ctx) : FormBase(ctx, "AvoidanceForm", "Storm Avoidance") {
  CreateContents();
}

void TAvoidanceForm::BuildContents() {
  BuildControls();
  panel5_->hide();
  memo_->hide();
  situation_->setEnabled(false);
  // Wide enough for the whole menu bar, so "&Print" and "&Help" are not folded away.
  setMinimumWidth(menuBar()->sizeHint().width());
  ClickOnEnter("CyclonCount");
  KeepTypedValues();
  CloseOnEscape();
}

void TAvoidanceForm::BuildControls() {
  auto* central = new QWidget(this);
  auto* grid = new QGridLayout(central);

  auto* boatBox = new QGroupBox("Boat Position", central);
  auto* gb = new QGridLayout(boatBox);
  boat_ = PositionFields::Create(boatBox, {{"Edit1", "Edit2", "RadioButton1", "RadioButton2"},
                                          {"Edit3", "Edit4", "RadioButton3", "RadioButton4"}});
  boat_.Place(gb, 0);
  auto* gbs = new QGridLayout;
  gb->addLayout(gbs, 2, 0, 1, 7);
  edit6_ = AddFieldRow(boatBox, gbs, 0, 0, "Edit6", "Boat Speed", "kn");
  grid->addWidget(boatBox, 0, 0);

  auto* cycloneBox = new QGroupBox("Cyclone Position", central);
  auto* gc = new QGridLayout(cycloneBox);
  cyclone_ = PositionFields::Create(cycloneBox, {{"Edit7", "Edit8", "RadioButton5", "RadioButton6"},
                                                {"Edit9", "Edit10", "RadioButton7", "RadioButton8"}});
  cyclone_.Place(gc, 0);
  gc->addWidget(new QLabel("Instead of the coordinates, direction", cycloneBox), 2, 0, 1, 7);
  gc->addWidget(new QLabel("and distance to cyclone may be given.", cycloneBox), 3, 0, 1, 7);
  auto* gcs = new QGridLayout;
  gc->addLayout(gcs, 4, 0, 1, 7);
  edit13_ = AddFieldRow(cycloneBox, gcs, 0, 0, "Edit13", "Direction to Cyclone", "\u00b0");
  edit14_ = AddFieldRow(cycloneBox, gcs, 1, 0, "Edit14", "Distance to Cyclone", "NM");
  edit11_ = AddFieldRow(cycloneBox, gcs, 2, 0, "Edit11", "Cyclone Heading", "\u00b0");
  edit12_ = AddFieldRow(cycloneBox, gcs, 3, 0, "Edit12", "Cyclone Speed", "kn");
  grid->addWidget(cycloneBox, 1, 0);

  auto* buttons = new QVBoxLayout;
  QPushButton* count = NamedButton(central, "CyclonCount", "&Cyclone Count");
  situation_ = NamedButton(central, "Situation", "Situation");
  buttons->addWidget(count);
  buttons->addWidget(situation_);
  buttons->addStretch();
  grid->addLayout(buttons, 0, 1);

  panel5_ = new QGroupBox("Results", central);
  panel5_->setObjectName("Panel5");
  auto* gr = new QGridLayout(panel5_);
  edit15_ = AddFieldRow(panel5_, gr, 0, 0, "Edit15", "Cyclone Avoidance Course", "\u00b0");
  edit16_ = AddFieldRow(panel5_, gr, 1, 0, "Edit16", "Cyclone Relative Speed", "kn");
  edit17_ = AddFieldRow(panel5_, gr, 2, 0, "Edit17", "Cyclone Relative Distance", "NM");
  edit18_ = AddFieldRow(panel5_, gr, 3, 0, "Edit18", "Cyclone Arrival at CPA");
  edit19_ = AddFieldRow(panel5_, gr, 4, 0, "Edit19", "Distance to CPA", "NM");
  for (QLineEdit* e : {edit15_, edit16_, edit17_, edit18_, edit19_}) e->setReadOnly(true);
  grid->addWidget(panel5_, 1, 1);

  memo_ = ReadOnlyMemo(central);
  grid->addWidget(memo_, 2, 0, 1, 2);
  // Carried to the plot and kept as the last computation left them.
  label4_ = HiddenLabel(central, "Label4");
  label11_ = HiddenLabel(central, "Label11");
  label32_ = HiddenLabel(central, "Label32");
  setCentralWidget(central);

  MessageSink& sink = ctx_.platform;
  WatchEntries(boat_.EntryChecks(sink));
  WatchEntries(cyclone_.EntryChecks(sink));
  WatchEntry(edit6_, [&sink](const std::string& t) { return CheckRealRange(t, kMaxBoatSpeed, sink); });
  WatchEntry(edit11_, [&sink](const std::string& t) { return CheckIntRange(t, 360, sink); });
  WatchEntry(edit12_, [&sink](const std::string& t) { return CheckRealRange(t, kMaxCycloneSpeed, sink); });
  WatchEntry(edit13_, [&sink](const std::string& t) { return CheckIntRange(t, 360, sink); });
  WatchEntry(edit14_, [&sink](const std::string& t) { return CheckRealRange(t, kMaxDistance, sink); });

  connect(count, &QPushButton::clicked, this, [this] { CyclonCountClick(); });
  connect(situation_, &QPushButton::clicked, this, [this] { SituationClick(); });
  AddMenuAction("Close1", "&Close Form", [this] { close(); });
  AddMenuAction("InitBoat1", "Init &Boat Position", [this] {
    boat_.Clear();
    edit6_->clear();
  });
  AddMenuAction("InitCyclone1", "Init &Cyclone Position", [this] {
    cyclone_.Clear();
    edit13_->clear();
    edit14_->clear();
  });
  AddMenuAction("InitValues1", "Init Cyclone &Values", [this] {
    edit11_->clear();
    edit12_->clear();
    ClearResults();
    memo_->clear();
    // Nothing left to draw.
    situation_->setEnabled(false);
  });
  AddMenuAction("Transfer1", "&Transfer Storm Center Values", [this] { Transfer1Click(); });
  AddMenuAction("Print1", "&Print", [this] { PrintForm(); });
  AddMenuAction("Help1", "&Help", [this] { OpenHelp(); });
}

void TAvoidanceForm::ClearResults() {
  for (QLineEdit* e : {edit15_, edit16_, edit17_, edit18_, edit19_}) e->clear();
  label4_->clear();
}

void TAvoidanceForm::AddLine(const std::string& line) { memo_->appendPlainText(Text(line)); }

void TAvoidanceForm::Transfer1Click() {
  EnsureBuilt();
  if (!centre_) return;
  const std::optional<TStorm_CenterForm::Handover> h = centre_->Results();
  if (!h) return;
  boat_.CopyFrom(*h->boat);
  cyclone_.CopyFrom(*h->cyclone);
  edit13_->setText(h->direction);
  edit14_->setText(h->distance);
  edit11_->setText(h->heading);
  edit12_->setText(h->speed);
  edit6_->setText(h->boatSpeed);
}

TAvoidanceForm::TargetReading TAvoidanceForm::ReadTarget(const std::optional<PositionRecord>& boat) {
  if (!cyclone_.lat.IsEmpty() && !cyclone_.lon.IsEmpty()) {
    const std::optional<PositionRecord> cyclone = cyclone_.Read().value;
    if (!cyclone || !boat) return {};
    label11_->setText(QString::number(cyclone->Lat, 'g', 17));
    label32_->setText(QString::number(cyclone->Lon, 'g', 17));
    const CourseDistance cd = ShortCourseDistance(*boat, *cyclone);
    edit13_->setText(Text(Str(cd.course, 0)));
    edit14_->setText(Text(Str(cd.distance, 0)));
    return {Target{cd.course, cd.distance}, {}};
  }
  if (edit13_->text().isEmpty() || edit14_->text().isEmpty()) return {};
  const std::optional<double> bearing = ParseReal(TextOf(edit13_));
  const std::optional<double> distance = ReadNonNegative(TextOf(edit14_));
  if (!bearing || *bearing < 0 || *bearing > 360 || !distance || !boat) return {};
  const std::optional<PositionRecord> cyclone = DeadReckon(*boat, *distance, std::trunc(*bearing));
  if (!cyclone) return {std::nullopt, kBeyondPoleMessage};
  cyclone_.Show(*cyclone);
  label11_->setText(QString::number(cyclone->Lat, 'g', 17));
  label32_->setText(QString::number(cyclone->Lon, 'g', 17));
  return {Target{*bearing, *distance}, {}};
}

void TAvoidanceForm::CyclonCountClick() {
  panel5_->show();
  memo_->show();
  memo_->clear();
  situation_->setEnabled(false);
  // No results of earlier values beside values that are refused.
  ClearResults();

  const std::optional<PositionRecord> boat = boat_.Read().value;
  const std::optional<double> boatSpeed = ReadNonNegative(TextOf(edit6_));
  const TargetReading reading = ReadTarget(boat);
  if (!reading.message.empty()) {
    ctx_.platform.Message(reading.message);
    return;
  }
  const std::optional<Target>& target = reading.target;
  const std::optional<int> heading = ReadDirection(TextOf(edit11_));
  const std::optional<double> typedCycloneSpeed = ParseReal(TextOf(edit12_));
  if (!boat || !boatSpeed || !target || !heading || !typedCycloneSpeed || *typedCycloneSpeed <= 0 ||
      *typedCycloneSpeed > kMaxCycloneSpeed) {
    ctx_.platform.Message(kInvalid);
    return;
  }
  AvoidanceInput in;
  in.bearing = target->bearing;
  in.distance = target->distance;
  in.heading = *heading;
  in.boatSpeed = *boatSpeed;
  in.cycloneSpeed = *typedCycloneSpeed;
  const AvoidanceSolution s = SolveAvoidance(in);
  if (s.cycloneSpeedRaised) {
    edit12_->setText(Text(Str(s.cycloneSpeed, 1)));
    AddLine("Cyclone speed increased with 0.1 knots,");
    AddLine("as it should differ from the boat speed.");
  }
  if (s.outcome == AvoidanceOutcome::NoRelativeSpeed) {
    ctx_.platform.Message(kNoRelativeSpeed);
    return;
  }
  if (s.outcome == AvoidanceOutcome::Outrun) {
    edit15_->setText(Text(Str(s.course, 0)));
    AddLine("The boat is faster than the cyclone and can outrun it:");
    AddLine("steer directly away from it, course   " + Str(s.course, 0) + "\u00b0");
    return;
  }

  label4_->setText(Text(Str(s.timeToCpa, 3)));
  const ArrivalText arrival = ArrivalIn(s.timeToCpa);
  const std::string arrivalText = arrival.hours + " h  " + arrival.minutes + " min";
  edit18_->setText(Text(arrivalText));
  edit15_->setText(Text(Str(s.course, 0)));
  edit16_->setText(Text(Str(s.relativeSpeed, 0)));
  edit17_->setText(Text(Str(s.relativeDistance, 0)));
  edit19_->setText(Text(Str(s.distanceToCpa, 0)));
  AddLine("Following the course   " + Str(s.course, 0) + "\u00b0");
  AddLine("our boat will in   " + arrivalText);
  AddLine("progress " + Str(s.timeToCpa * *boatSpeed, 0) + " M   to a new position:  ");
  const std::optional<PositionRecord> at = PositionAtCpa(*boat, *boatSpeed, s);
  AddLine(at ? PositionLine(*at) : kBeyondPoleMessage);

  plotInput_.bearing = in.bearing;
  plotInput_.distance = in.distance;
  plotInput_.course = s.course;
  plotInput_.timeToCpa = s.timeToCpa;
  plotInput_.boatSpeed = in.boatSpeed;
  plotInput_.heading = in.heading;
  plotInput_.cycloneSpeed = in.cycloneSpeed;
  situation_->setEnabled(true);
}

void TAvoidanceForm::SituationClick() {
  if (!plot_) return;
  plot_->ShowForm();
  plot_->Draw(plotInput_);
  situation_->setEnabled(false);
}

}  // namespace veltrane
