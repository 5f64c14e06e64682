#include "coastal/ui/navigation_window.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

#include "foundation/angles.h"
#include "foundation/checks.h"
#include "foundation/formats.h"
#include "foundation/ini_file.h"
#include "foundation/numbers.h"
#include "foundation/ui/settings.h"

namespace veltrane {

namespace {

constexpr const char* kSection = "NaviForm";
constexpr const char* kSnapshotFile = "SETS.INI";
// Keys of the undo snapshot, in the order of SnapshotFields().
const char* const kSnapshotKeys[] = {"LatDeg1",  "LatMin1",   "LonDeg1",   "LonMin1",     "LatDeg2",   "LatMin2",
                                     "LonDeg2",  "LonMin2",   "CompCourse", "MgCourse",   "VarDeg",    "VarMin",
                                     "Leeway",   "Current",   "Drift",     "BoatSpeed",   "LogDistance", "TimeHours",
                                     "TimeMins", "TrDistance", "TrCourse", "TrSpeed"};

// The property holding a number field's limit, as its entry check gives it.
constexpr const char* kLimit = "limit";
constexpr const char* kWhole = "whole";
// Marks the window as writing its own results, so the entry checks stay quiet.
class Writing {
 public:
  explicit Writing(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
  ~Writing() { flag_ = old_; }

 private:
  bool& flag_;
  bool old_;
};

}  // namespace

TNaviForm::TNaviForm(AppContext& ctx) : FormBase(ctx, "NaviForm", "Navigate", "fNavi") { CreateContents(); }

void TNaviForm::BuildContents() {
  BuildControls();
  // The hints are long explanations: they stay up for ten seconds.
  for (QWidget* w : findChildren<QWidget*>())
    if (!w->toolTip().isEmpty()) w->setToolTipDuration(10000);
  BuildMenu();
  WatchEntries();
  LoadSettings();
}

// ---- building -------------------------------------------------------------------------------

void TNaviForm::BuildControls() {
  auto* central = new QWidget(this);
  auto* grid = new QGridLayout(central);
  setCentralWidget(central);

  auto edit = [this](const char* name, const char* hint = nullptr) {
    auto* e = new QLineEdit(this);
    e->setObjectName(name);
    if (hint) e->setToolTip(hint);
    e->setMinimumWidth(60);
    e->setMaximumWidth(80);
    return e;
  };
  auto radio = [this](const char* name, const char* text, const char* hint = nullptr) {
    auto* r = new QRadioButton(text, this);
    r->setObjectName(name);
    if (hint) r->setToolTip(hint);
    return r;
  };
  auto pair = [this](QRadioButton* a, QRadioButton* b) {
    auto* group = new QButtonGroup(this);
    group->addButton(a);
    group->addButton(b);
    a->setChecked(true);
  };
  // A label, then the row's fields and units side by side.
  auto line = [](QGridLayout* g, int r, QLabel* label, std::initializer_list<QWidget*> widgets) {
    g->addWidget(label, r, 0);
    auto* box = new QHBoxLayout;
    for (QWidget* w : widgets) box->addWidget(w);
    box->addStretch();
    g->addLayout(box, r, 1);
  };
  auto row = [&](QGridLayout* g, int r, const char* label, std::initializer_list<QWidget*> widgets) {
    line(g, r, new QLabel(label), widgets);
  };
  auto position = [&](const QString& title, AngleFields& lat, AngleFields& lon, const char* names[8],
                      const char* radios[4]) {
    auto* box = new QGroupBox(title, this);
    const PositionFields fields = PositionFields::Create(
        this, {{names[0], names[1], radios[0], radios[1]}, {names[2], names[3], radios[2], radios[3]}});
    fields.Place(new QGridLayout(box), 0);
    lat = fields.lat;
    lon = fields.lon;
    return box;
  };

  // Task buttons.
  auto* tasks = new QGridLayout;
  tasks->addWidget(new QLabel("Choose task:"), 0, 0);
  struct TaskButton {
    const char* name;
    const char* caption;
    const char* hint;
    NavTask task;
  };
  const TaskButton buttons[] = {
      {"btnPosition", "Position", "Start position known,\nfind end position", NavTask::Position},
      {"btnCourDist", "DistHead", "Start and end positions known,\nfind heading and distance", NavTask::DistHead},
      {"btnLeeway", "Leeway", "Start and end position known, count leeway", NavTask::Leeway},
      {"btnCurrent", "Current", "Start and end position, boat speed and log distance known,\ncount current",
       NavTask::Current},
      {"btnSpeed", "SpeedComp", "Enter track and true or boat speed\nand get compass heading and speed",
       NavTask::SpeedComp},
      {"btnTrCourSp", "TrackSpeed", "Compass heading and boat speed known,\ncount distance and speed over ground",
       NavTask::TrackSpeed},
  };
  int col = 1;
  for (const auto& b : buttons) {
    auto* button = new QPushButton(b.caption, this);
    button->setObjectName(b.name);
    button->setToolTip(b.hint);
    connect(button, &QPushButton::clicked, this, [this, task = b.task] { ChooseTask(task); });
    tasks->addWidget(button, 0, col++);
  }
  lbMode_ = new QLabel(this);
  lbMode_->setObjectName("lbMode");
  QFont big = lbMode_->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.6);
  lbMode_->setFont(big);
  tasks->addWidget(lbMode_, 0, col);
  grid->addLayout(tasks, 0, 0, 1, 2);

  const char* startNames[8] = {"edLatDeg1", "edLatMin1", "edLonDeg1", "edLonMin1"};
  const char* startRadios[4] = {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4"};
  const char* endNames[8] = {"edLatDeg2", "edLatMin2", "edLonDeg2", "edLonMin2"};
  const char* endRadios[4] = {"RadioButton9", "RadioButton10", "RadioButton11", "RadioButton12"};
  grid->addWidget(position("Start Position", startLat_, startLon_, startNames, startRadios), 1, 0);
  grid->addWidget(position("End Position", endLat_, endLon_, endNames, endRadios), 1, 1);

  auto* headings = new QGroupBox(this);
  auto* h = new QGridLayout(headings);
  cbCompass_ = new QComboBox(this);
  cbCompass_->setObjectName("cbCompass");
  cbCompass_->setEditable(true);
  cbCompass_->setMinimumWidth(140);
  cbCompass_->setToolTip("'Ideal' compass without variation");
  edCompCourse_ = edit("edCompCourse", "You may give magnetic course instead of compass course");
  edMgCourse_ = edit("edMgCourse", "You may give compass course instead of magnetic");
  edVarDeg_ = edit("edVarDeg");
  edVarMin_ = edit("edVarMin");
  rbVarWest_ = radio("RadioButton5", "West");
  rbVarEast_ = radio("RadioButton6", "East");
  pair(rbVarWest_, rbVarEast_);
  edRealCourse_ = edit("edRealCourse");
  edRealCourse_->setReadOnly(true);
  edLeeway_ = edit("edLeeway");
  rbStarboard_ = radio("RadioButton7", "Starboard", "Leeway to starboard");
  rbPort_ = radio("RadioButton8", "Port", "Leeway to port");
  pair(rbStarboard_, rbPort_);
  edWaterCourse_ = edit("edWaterCourse");
  edWaterCourse_->setReadOnly(true);
  row(h, 0, "Compass", {cbCompass_});
  row(h, 1, "Compass heading", {edCompCourse_});
  row(h, 2, "Magnetic heading", {edMgCourse_});
  row(h, 3, "Variation", {edVarDeg_, edVarMin_, rbVarWest_, rbVarEast_});
  row(h, 4, "True heading", {edRealCourse_});
  row(h, 5, "Leeway", {edLeeway_, rbStarboard_, rbPort_});
  row(h, 6, "Water track", {edWaterCourse_});
  grid->addWidget(headings, 2, 0);

  auto* run = new QGroupBox(this);
  auto* r = new QGridLayout(run);
  edCurrent_ = edit("edCurrent", "Degrees");
  edDrift_ = edit("edDrift", "Knots");
  edBoatSpeed_ = edit("edBoatSpeed", "Water speed");
  edLogDistance_ = edit("edLogDistance", "Nautical miles");
  edTimeHours_ = edit("edTimeHours");
  edTimeMins_ = edit("edTimeMins");
  edTrDistance_ = edit("edTrDistance", "Over ground");
  edTrCourse_ = edit("edTrCourse");
  edTrSpeed_ = edit("edTrSpeed");
  auto hinted = [](const char* text, const char* hint) {
    auto* l = new QLabel(text);
    l->setToolTip(hint);
    return l;
  };
  row(r, 0, "Current", {edCurrent_, edDrift_, new QLabel("knots")});
  line(r, 1, hinted("Boat speed", "You may give distance and time instead"), {edBoatSpeed_, new QLabel("knots")});
  line(r, 2, hinted("Log distance", "You may give speed and time instead"), {edLogDistance_, new QLabel("NM")});
  line(r, 3, hinted("Time", "You may give speed and distance instead"),
       {edTimeHours_, new QLabel("h"), edTimeMins_, new QLabel("min")});
  line(r, 4, hinted("Distance", "You may give time and speed instead"), {edTrDistance_, new QLabel("NM")});
  row(r, 5, "Track", {edTrCourse_});
  line(r, 6, hinted("Speed over ground", "You may give distance and time instead"), {edTrSpeed_, new QLabel("knots")});
  grid->addWidget(run, 2, 1);

  auto* actions = new QHBoxLayout;
  auto button = [&](const char* name, const char* caption, const char* hint, void (TNaviForm::*handler)()) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    if (hint) b->setToolTip(hint);
    connect(b, &QPushButton::clicked, this, handler);
    actions->addWidget(b);
  };
  button("btnCalculate", "Calculate", "Not all white boxes need to be filled in order to calculate",
         &TNaviForm::CalculateClick);
  button("btnInit", "Init Values", nullptr, &TNaviForm::InitValuesClick);
  button("btnUndo", "&Undo", "Restore values", &TNaviForm::UndoClick);
  button("BBtnAgain", "End to Start", "Move end position values to start", &TNaviForm::EndToStartClick);
  grid->addLayout(actions, 3, 0, 1, 2);
}

void TNaviForm::BuildMenu() {
  AddMenuAction("CloseForm1", "&CloseForm", [this] { close(); });
  options_ = AddMenu("Options1", "&Options");
  struct Item {
    const char* name;
    const char* caption;
    FormBase* NavigateCalculators::*window;
  };
  const Item items[] = {
      {"Bearings1", "&Bearings", &NavigateCalculators::bearings},
      {"Courses1", "&Courses", &NavigateCalculators::courses},
      {"CrossBearing1", "C&rossBearing", &NavigateCalculators::crossBearing},
      {"Distances1", "&Distances", &NavigateCalculators::distances},
      {"Sailing1", "&Sailing", &NavigateCalculators::sailing},
      {"Tides1", "&Tides", &NavigateCalculators::tides},
      {"Winds1", "&Winds", &NavigateCalculators::winds},
  };
  for (const auto& item : items) {
    QAction* a = AddMenuAction(options_, item.name, item.caption, [this, window = item.window] {
      if (FormBase* w = calculators_.*window) w->ShowForm();
    });
    a->setEnabled(calculators_.*item.window != nullptr);
    calculatorItems_.emplace_back(a, item.window);
  }
  QMenu* demos = AddMenu("Demos1", "&Demos");
  AddMenuAction(demos, "West1", "&West", [this] { Demo(true); });
  AddMenuAction(demos, "East1", "&East", [this] { Demo(false); });
  AddMenuAction("Print1", "&Print", [this] { PrintForm(); });
  AddMenuAction("Help1", "&Help", [this] { OpenHelp(); });
}

void TNaviForm::SetCalculators(const NavigateCalculators& calculators) {
  calculators_ = calculators;
  for (const auto& [action, window] : calculatorItems_) action->setEnabled(calculators_.*window != nullptr);
}

void TNaviForm::WatchEntries() {
  MessageSink& sink = ctx_.platform;
  auto watch = [this](QLineEdit* e, std::function<bool(const std::string&)> check) {
    WatchEntry(e, [this, check = std::move(check)](const std::string& t) { return writing_ || check(t); });
  };
  auto intRange = [&](QLineEdit* e, int max) {
    e->setProperty(kLimit, max);
    e->setProperty(kWhole, true);
    watch(e, [&sink, max](const std::string& t) { return CheckIntRange(t, max, sink); });
  };
  auto realRange = [&](QLineEdit* e, double max) {
    e->setProperty(kLimit, max);
    watch(e, [&sink, max](const std::string& t) { return CheckRealRange(t, max, sink); });
  };
  for (const AngleFields* f : {&startLat_, &startLon_, &endLat_, &endLon_})
    for (EntryCheck& c : f->EntryChecks(sink)) watch(c.edit, std::move(c.check));
  for (QLineEdit* e : {edCompCourse_, edMgCourse_, edCurrent_, edTrCourse_}) realRange(e, 360);
  intRange(edVarDeg_, 100);
  intRange(edVarMin_, 59);
  realRange(edLeeway_, 12);
  realRange(edDrift_, 14);
  realRange(edBoatSpeed_, kMaxBoatSpeed);
  realRange(edTrSpeed_, kMaxBoatSpeed);
  realRange(edLogDistance_, 9999.9);
  realRange(edTrDistance_, 9999.9);
  intRange(edTimeHours_, 9999);
  realRange(edTimeMins_, 59.9);
}

// ---- settings and undo ----------------------------------------------------------------------

void TNaviForm::LoadSettings() {
  Writing quiet(writing_);
  Settings settings(ctx_);
  const std::string compass = settings.Read(kSection, "CompasFile", std::string("-1"));
  FillCompassList(cbCompass_, ctx_);
  if (compass == "-1") {
    cbCompass_->setCurrentText("Ideal");
    startLat_.plus->setChecked(true);
    endLat_.plus->setChecked(true);
    startLon_.minus->setChecked(true);
    endLon_.minus->setChecked(true);
    rbVarWest_->setChecked(true);
    rbPort_->setChecked(true);
  } else {
    cbCompass_->setCurrentText(QString::fromStdString(compass));
    const bool north = settings.Read(kSection, "Lat", std::string()) == "N";
    const bool west = settings.Read(kSection, "Lon", std::string()) == "W";
    for (const AngleFields* f : {&startLat_, &endLat_}) (north ? f->plus : f->minus)->setChecked(true);
    for (const AngleFields* f : {&startLon_, &endLon_}) (west ? f->plus : f->minus)->setChecked(true);
    (settings.Read(kSection, "Var", std::string()) == "W" ? rbVarWest_ : rbVarEast_)->setChecked(true);
    // Stored in this pairing since the first version: "P" brings back Starboard.
    (settings.Read(kSection, "Lee", std::string()) == "P" ? rbStarboard_ : rbPort_)->setChecked(true);
  }
  for (QLineEdit* e : SnapshotFields()) SetInput(e, false);
  SetFields({startLat_.deg, startLat_.min, startLon_.deg, startLon_.min, endLat_.deg, endLat_.min, endLon_.deg,
             endLon_.min, edTrDistance_, edTrCourse_, edTrSpeed_},
            false, true);
}

void TNaviForm::WriteSettings() {
  Settings settings(ctx_);
  settings.Write(kSection, "CompasFile", cbCompass_->currentText());
  settings.Write(kSection, "Lat", std::string(startLat_.plus->isChecked() ? "N" : "S"));
  settings.Write(kSection, "Lon", std::string(startLon_.plus->isChecked() ? "W" : "E"));
  settings.Write(kSection, "Var", std::string(rbVarWest_->isChecked() ? "W" : "E"));
  settings.Write(kSection, "Lee", std::string(rbStarboard_->isChecked() ? "P" : "S"));
}

void TNaviForm::SaveSettings() {
  WriteSettings();
  SavePosition();
}

void TNaviForm::FormClose() { WriteSettings(); }

std::vector<QLineEdit*> TNaviForm::SnapshotFields() const {
  return {startLat_.deg, startLat_.min, startLon_.deg,  startLon_.min,  endLat_.deg,    endLat_.min,
          endLon_.deg,   endLon_.min,   edCompCourse_,  edMgCourse_,    edVarDeg_,      edVarMin_,
          edLeeway_,     edCurrent_,    edDrift_,       edBoatSpeed_,   edLogDistance_, edTimeHours_,
          edTimeMins_,   edTrDistance_, edTrCourse_,    edTrSpeed_};
}

void TNaviForm::StoreSnapshot() {
  IniFile ini(ctx_.DataFolder() + kSnapshotFile);
  const auto fields = SnapshotFields();
  for (size_t i = 0; i < fields.size(); ++i) ini.Write(kSection, kSnapshotKeys[i], TextOf(fields[i]));
  ini.Commit();  // undo is a convenience: a snapshot that cannot be written only leaves the older one
}

void TNaviForm::UndoClick() {
  IniFile ini(ctx_.DataFolder() + kSnapshotFile);
  if (ini.Read(kSection, "LatDeg1", "-1") == "-1") return;
  Writing quiet(writing_);
  const auto fields = SnapshotFields();
  for (size_t i = 0; i < fields.size(); ++i)
    fields[i]->setText(QString::fromStdString(ini.Read(kSection, kSnapshotKeys[i], "")));
}

void TNaviForm::SetFields(const std::vector<QLineEdit*>& fields, bool input, bool clear) {
  for (QLineEdit* e : fields) {
    SetInput(e, input);
    if (clear) e->clear();
  }
}

// ---- choosing a task ------------------------------------------------------------------------

void TNaviForm::ChooseTask(NavTask task) {
  StoreSnapshot();
  Writing quiet(writing_);
  task_ = task;
  const std::vector<QLineEdit*> start{startLat_.deg, startLat_.min, startLon_.deg, startLon_.min};
  const std::vector<QLineEdit*> end{endLat_.deg, endLat_.min, endLon_.deg, endLon_.min};
  const std::vector<QLineEdit*> others{edVarDeg_, edVarMin_,     edLeeway_,     edCurrent_,  edDrift_,
                                       edBoatSpeed_, edLogDistance_, edTimeHours_, edTimeMins_};
  const std::vector<QLineEdit*> ground{edTrDistance_, edTrCourse_, edTrSpeed_};
  const std::vector<QLineEdit*> steered{edCompCourse_, edMgCourse_};
  const std::vector<QLineEdit*> headings{edCompCourse_, edMgCourse_, edRealCourse_, edWaterCourse_};
  auto clear = [](const std::vector<QLineEdit*>& fields) {
    for (QLineEdit* e : fields) e->clear();
  };
  QLineEdit* focus = startLat_.deg;
  switch (task) {
    case NavTask::Position:
      lbMode_->setText("Position");
      SetFields(start, true, false);
      SetFields(others, true, false);
      SetFields(steered, true, false);
      SetFields(end, false, true);
      SetFields(ground, false, true);
      break;
    case NavTask::DistHead:
      lbMode_->setText("DistHead");
      SetFields(start, true, false);
      SetFields(end, true, false);
      SetFields(others, true, false);
      SetFields(steered, false, false);
      SetFields(ground, false, true);
      clear(headings);
      break;
    case NavTask::Leeway:
    case NavTask::Current:
      lbMode_->setText(task == NavTask::Leeway ? "Leeway" : "Current");
      SetFields(start, true, false);
      SetFields(end, true, false);
      SetFields(others, true, false);
      SetFields(steered, true, false);
      SetFields(ground, false, true);
      clear(headings);
      if (task == NavTask::Leeway)
        SetFields({edLeeway_}, false, true);
      else
        SetFields({edCurrent_, edDrift_}, false, true);
      break;
    case NavTask::SpeedComp:
      lbMode_->setText("SpeedComp");
      SetFields(start, false, true);
      SetFields(end, false, true);
      SetFields(others, true, false);
      SetFields(ground, true, false);
      clear(headings);
      SetFields({edCompCourse_, edMgCourse_, edBoatSpeed_, edLogDistance_}, false, false);
      edBoatSpeed_->clear();
      focus = edTrDistance_;
      break;
    case NavTask::TrackSpeed:
      lbMode_->setText("TrackSpeed");
      SetFields(others, true, false);
      SetFields(steered, true, false);
      SetFields(start, false, true);
      SetFields(end, false, true);
      SetFields(ground, false, true);
      clear(headings);
      focus = edCompCourse_;
      break;
  }
  focus->setFocus();
}

void TNaviForm::CalculateClick() {
  StoreSnapshot();
  if (!task_) return;
  Writing quiet(writing_);
  const NavInput in = ReadSheet();
  const NavResult out = Solve(*task_, in, ChosenCompass(ctx_, cbCompass_));
  ShowSheet(in.sheet, out.sheet);
  for (const std::string& message : out.messages) Say(message);
}

void TNaviForm::InitValuesClick() {
  StoreSnapshot();
  Writing quiet(writing_);
  for (QLineEdit* e : SnapshotFields()) e->clear();
  edRealCourse_->clear();
  edWaterCourse_->clear();
  lbMode_->clear();
  task_.reset();
}

void TNaviForm::EndToStartClick() {
  StoreSnapshot();
  Writing quiet(writing_);
  for (QLineEdit* e : {edCompCourse_, edMgCourse_, edRealCourse_, edWaterCourse_, edTrDistance_, edTrCourse_,
                       edTrSpeed_})
    e->clear();
  const std::pair<const AngleFields*, const AngleFields*> moves[] = {{&endLat_, &startLat_}, {&endLon_, &startLon_}};
  for (const auto& [from, to] : moves) to->SetText(from->Text());
  SetFields({endLat_.deg, endLat_.min, endLon_.deg, endLon_.min}, false, true);
  for (QLineEdit* e : {edCurrent_, edDrift_, edLeeway_, edLogDistance_, edBoatSpeed_, edTimeHours_, edTimeMins_,
                       edVarDeg_, edVarMin_})
    e->clear();
}

void TNaviForm::Demo(bool west) {
  InitValuesClick();
  Writing quiet(writing_);
  auto set = [](QLineEdit* e, const char* text) { e->setText(text); };
  auto hemispheres = [this](bool north, bool westLon) {
    for (const AngleFields* f : {&startLat_, &endLat_}) (north ? f->plus : f->minus)->setChecked(true);
    for (const AngleFields* f : {&startLon_, &endLon_}) (westLon ? f->plus : f->minus)->setChecked(true);
  };
  cbCompass_->setCurrentText("Kurssi");
  rbStarboard_->setChecked(true);
  if (west) {
    Say("Choose the task and press CALCULATE");
    set(startLat_.deg, "55"), set(startLat_.min, "41"), set(startLon_.deg, "5"), set(startLon_.min, "0.5");
    set(endLat_.deg, "55"), set(endLat_.min, "27.6"), set(endLon_.deg, "3"), set(endLon_.min, "25.6");
    hemispheres(true, true);
    set(edCompCourse_, "92"), set(edVarDeg_, "2"), set(edLeeway_, "3");
    rbVarWest_->setChecked(true);
    set(edCurrent_, "225"), set(edDrift_, "2"), set(edBoatSpeed_, "9");
    set(edTimeHours_, "7"), set(edTimeMins_, "06");
    set(edTrCourse_, "103.6"), set(edTrSpeed_, "7.8");
  } else {
    set(startLat_.deg, "58"), set(startLat_.min, "9"), set(startLon_.deg, "16"), set(startLon_.min, "59");
    set(endLat_.deg, "58"), set(endLat_.min, "1"), set(endLon_.deg, "17"), set(endLon_.min, "50");
    hemispheres(true, false);
    set(edCompCourse_, "85"), set(edVarDeg_, "2"), set(edLeeway_, "5");
    rbVarEast_->setChecked(true);
    set(edCurrent_, "233"), set(edDrift_, "3"), set(edBoatSpeed_, "10");
    set(edLogDistance_, "35");
    set(edTrCourse_, "106.5"), set(edTrSpeed_, "7.9");
  }
}

// ---- reading and writing fields -------------------------------------------------------------

void TNaviForm::Say(const std::string& text) { ctx_.platform.Message(text); }

std::optional<double> TNaviForm::ReadValue(const QLineEdit* edit, NavField field, NavInput& in) {
  if (IsEmpty(edit)) return std::nullopt;
  const std::optional<double> v = ReadNumber(edit);
  // A typed value beyond the field's limit, or a fraction in a whole-number field, was refused
  // by its entry check: it is an erroneous value.
  const QVariant limit = edit->property(kLimit);
  const bool refused =
      v && (std::fabs(*v) > limit.toDouble() || (edit->property(kWhole).toBool() && *v != std::trunc(*v)));
  if (!v || (limit.isValid() && refused)) {
    in.erroneous.insert(field);
    return std::nullopt;
  }
  return v;
}

std::optional<PositionRecord> TNaviForm::ReadPosition(const AngleFields& lat, const AngleFields& lon) {
  return PositionFields{lat, lon}.Read().value;
}

NavInput TNaviForm::ReadSheet() {
  NavInput in;
  NavSheet& s = in.sheet;
  using F = NavField;
  in.startTyped = !IsEmpty(startLat_.deg);
  in.endTyped = !IsEmpty(endLat_.deg);
  s.start = ReadPosition(startLat_, startLon_);
  s.end = ReadPosition(endLat_, endLon_);
  s.compassHeading = ReadValue(edCompCourse_, F::CompassHeading, in);
  s.magneticHeading = ReadValue(edMgCourse_, F::MagneticHeading, in);
  const std::optional<double> variation = ReadVariation(edVarDeg_, edVarMin_, rbVarWest_->isChecked(), 100.0);
  s.variation = variation.value_or(0.0);
  if (!variation) in.erroneous.insert(F::Variation);
  if (const auto leeway = ReadValue(edLeeway_, F::Leeway, in)) s.leeway = rbPort_->isChecked() ? -*leeway : *leeway;
  s.set = ReadValue(edCurrent_, F::Set, in);
  s.drift = ReadValue(edDrift_, F::Drift, in);
  s.boatSpeed = ReadValue(edBoatSpeed_, F::BoatSpeed, in);
  s.logDistance = ReadValue(edLogDistance_, F::LogDistance, in);
  const auto hours = ReadValue(edTimeHours_, F::Time, in), minutes = ReadValue(edTimeMins_, F::Time, in);
  if (hours || minutes) s.time = hours.value_or(0.0) + minutes.value_or(0.0) / 60.0;
  s.groundDistance = ReadValue(edTrDistance_, F::GroundDistance, in);
  s.track = ReadValue(edTrCourse_, F::Track, in);
  s.groundSpeed = ReadValue(edTrSpeed_, F::GroundSpeed, in);
  return in;
}

void TNaviForm::ShowSheet(const NavSheet& before, const NavSheet& after) {
  auto show = [](QLineEdit* edit, const std::optional<double>& was, const std::optional<double>& now) {
    if (was == now) return;
    if (now)
      edit->setText(QString::fromStdString(FmtTenths(*now)));
    else
      edit->clear();
  };
  const NavSheet &b = before, &a = after;
  show(edCompCourse_, b.compassHeading, a.compassHeading);
  show(edMgCourse_, b.magneticHeading, a.magneticHeading);
  show(edRealCourse_, b.trueHeading, a.trueHeading);
  show(edWaterCourse_, b.waterTrack, a.waterTrack);
  if (a.leeway && a.leeway != b.leeway) {
    edLeeway_->setText(QString::fromStdString(FmtTenths(std::fabs(*a.leeway))));
    (*a.leeway >= 0.0 ? rbStarboard_ : rbPort_)->setChecked(true);
  }
  show(edCurrent_, b.set, a.set);
  show(edDrift_, b.drift, a.drift);
  show(edBoatSpeed_, b.boatSpeed, a.boatSpeed);
  show(edLogDistance_, b.logDistance, a.logDistance);
  if (a.time && a.time != b.time) {
    // Split after rounding, so 59.96 minutes become the next hour rather than "60.0".
    const double minutes = RoundToScale(*a.time * 60.0, 10.0);
    const double hours = std::floor(minutes / 60.0);
    edTimeHours_->setText(QString::fromStdString(IntStr(hours)));
    edTimeMins_->setText(QString::fromStdString(FmtTenths(minutes - hours * 60.0)));
  }
  show(edTrDistance_, b.groundDistance, a.groundDistance);
  show(edTrCourse_, b.track, a.track);
  show(edTrSpeed_, b.groundSpeed, a.groundSpeed);
  const bool endMoved = a.end && (!b.end || a.end->Lat != b.end->Lat || a.end->Lon != b.end->Lon);
  if (endMoved) {
    endLat_.Show(a.end->Lat);
    endLon_.Show(a.end->Lon);
  }
}

}  // namespace veltrane
