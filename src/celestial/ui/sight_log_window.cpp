#include "celestial/ui/sight_log_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "astro/star_record.h"
#include "celestial/sight_inputs.h"
#include "celestial/sight_planner.h"
#include "celestial/sight_plot.h"
#include "celestial/ui/sight_log_text.h"
#include "celestial/ui/sight_plot_view.h"
#include "foundation/angles.h"
#include "foundation/calendar.h"
#include "foundation/formats.h"
#include "foundation/numbers.h"
#include "foundation/position_text.h"
#include "foundation/text_file.h"
#include "foundation/ui/named_widgets.h"
#include "foundation/ui/settings.h"

namespace veltrane {
namespace {

using namespace sight_log_text;

constexpr const char* kSection = "SightLogForm";
constexpr const char* kDamagedCopy = "SightLog.damaged.csv";
constexpr const char* kCsvFilter = "Sight logs (*.csv);;All files (*)";
const char* const kListColumns[] = {"No.", "Body", "UT", "Hs", "IE '", "Eye m", "mb", "\u00b0C", "Limb", "Remark"};
const char* const kWorkColumns[] = {"No.", "Body",      "GHA",      "Dec",      "LHA",    "Hc",     "Zn",
                                    "Ho",  "Intercept", "Tow/Away", "Residual", "Blunder"};
const char* const kPlanColumns[] = {"Body", "Kind", "Altitude", "Azimuth", "Magnitude"};

constexpr const char* kMsgNoSelection = "Choose a sight in the list first";


QTableWidget* Table(QWidget* parent, const char* name, const char* const* columns, int count) {
  auto* t = new QTableWidget(0, count, parent);
  t->setObjectName(name);
  for (int i = 0; i < count; ++i) t->setHorizontalHeaderItem(i, new QTableWidgetItem(columns[i]));
  t->verticalHeader()->hide();
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->setSelectionBehavior(QAbstractItemView::SelectRows);
  t->setSelectionMode(QAbstractItemView::SingleSelection);
  t->setMinimumHeight(150);
  t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  return t;
}



std::string Capitalised(std::string text) {
  if (!text.empty()) text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  return text;
}


}  // namespace

TSightLogForm::TSightLogForm(AppContext& ctx, NavigateLink* navigate)
    : FormBase(ctx, "SightLogForm", "Sight log", "fSightLog"), navigate_(navigate) {
  CreateContents();
}

void TSightLogForm::BuildContents() {
  BuildControls();
  BuildMenu();
  WatchEntries(dr_.EntryChecks(ctx_.platform));
  LoadSettings();
  const QDate today = ctx_.platform.NowUtc().date();
  edDate_->setText(today.toString("yyyy-MM-dd"));
  edPlanDate_->setText(today.toString("yyyy-MM-dd"));
  LoadLog();
}

void TSightLogForm::BuildControls() {
  auto* central = new QWidget(this);
  auto* columns = new QHBoxLayout(central);
  auto* left = new QVBoxLayout;
  columns->addLayout(left, 3);

  // DR position and the fix's settings.
  auto* drBox = new QGroupBox("Dead-reckoning position at the fix time", central);
  auto* drGrid = new QGridLayout(drBox);
  dr_ = PositionFields::Create(drBox, {{"edDrLatDeg", "edDrLatMin", "rbDrNorth", "rbDrSouth"},
                                       {"edDrLonDeg", "edDrLonMin", "rbDrWest", "rbDrEast"}});
  dr_.Place(drGrid, 0);
  edSigma_ = NamedEdit(drBox, "edSigma", 60);
  edSigma_->setToolTip("Standard error of one sight, minutes of arc");
  edCourse_ = NamedEdit(drBox, "edCourse", 60);
  edCourse_->setToolTip("Course over ground between the sights, degrees true");
  edSpeed_ = NamedEdit(drBox, "edSpeed", 60);
  edSpeed_->setToolTip("Speed over ground between the sights, knots");
  edFixTime_ = NamedEdit(drBox, "edFixTime", 160);
  edFixTime_->setToolTip("YYYY-MM-DDThh:mm:ss; empty: the time of the last sight");
  QPushButton* run = NamedButton(drBox, "btnNavigateRun", "Navigate's run");
  run->setToolTip("Course and speed from the run of the Navigate window over the time of the sights");
  connect(run, &QPushButton::clicked, this, [this] { NavigateRunClick(); });
  auto* settingsRow = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{new QLabel("Standard error", drBox), edSigma_, new QLabel("'", drBox),
                                                    new QLabel("Course", drBox), edCourse_, new QLabel("Speed", drBox),
                                                    edSpeed_, new QLabel("kn", drBox), run})
    settingsRow->addWidget(w);
  settingsRow->addStretch();
  drGrid->addLayout(settingsRow, 2, 0, 1, 8);
  auto* timeRow = new QHBoxLayout;
  timeRow->addWidget(new QLabel("Fix time UT", drBox));
  timeRow->addWidget(edFixTime_);
  timeRow->addStretch();
  drGrid->addLayout(timeRow, 3, 0, 1, 8);
  left->addWidget(drBox);

  // The list and the entry of one sight.
  grdSights_ = Table(central, "grdSights", kListColumns, static_cast<int>(std::size(kListColumns)));
  connect(grdSights_, &QTableWidget::itemSelectionChanged, this, [this] { RowChosen(); });
  left->addWidget(grdSights_, 2);
  auto* entry = new QGroupBox("Sight", central);
  auto* e = new QGridLayout(entry);
  cbBody_ = new QComboBox(entry);
  cbBody_->setObjectName("cbBody");
  for (const char* b : kBodyCaptions) cbBody_->addItem(b);
  edStar_ = NamedEdit(entry, "edStar", 120);
  edStar_->setToolTip("The star's name as in the star list");
  edDate_ = NamedEdit(entry, "edDate", 90);
  edDate_->setToolTip("yyyy-MM-dd");
  edTime_ = NamedEdit(entry, "edTime", 70);
  edTime_->setToolTip("hh:mm:ss UT");
  edHsDeg_ = NamedEdit(entry, "edHsDeg", 40);
  edHsMin_ = NamedEdit(entry, "edHsMin", 50);
  edIndex_ = NamedEdit(entry, "edIndex", 50);
  edEye_ = NamedEdit(entry, "edEye", 50);
  edPressure_ = NamedEdit(entry, "edPressure", 50);
  edTemperature_ = NamedEdit(entry, "edTemperature", 50);
  edRemark_ = NamedEdit(entry, "edRemark", 220);
  rbLower_ = NamedRadio(entry, "rbLower", "Lower");
  rbUpper_ = NamedRadio(entry, "rbUpper", "Upper");
  rbLower_->setChecked(true);
  const auto row = [&](int r, std::initializer_list<QWidget*> items) {
    auto* h = new QHBoxLayout;
    for (QWidget* w : items) h->addWidget(w);
    h->addStretch();
    e->addLayout(h, r, 0);
  };
  row(0, {new QLabel("Body", entry), cbBody_, new QLabel("Star", entry), edStar_, new QLabel("Date", entry), edDate_,
          new QLabel("UT", entry), edTime_});
  row(1, {new QLabel("Sextant altitude", entry), edHsDeg_, new QLabel("\u00b0", entry), edHsMin_,
          new QLabel("'", entry), rbLower_, rbUpper_, new QLabel("Index error", entry), edIndex_,
          new QLabel("'", entry)});
  row(2, {new QLabel("Height of eye", entry), edEye_, new QLabel("m", entry), new QLabel("Pressure", entry),
          edPressure_, new QLabel("mb", entry), new QLabel("Temperature", entry), edTemperature_,
          new QLabel("\u00b0C", entry)});
  row(3, {new QLabel("Remark", entry), edRemark_});
  auto* buttons = new QHBoxLayout;
  const auto button = [&](const char* name, const char* caption, void (TSightLogForm::*handler)()) {
    QPushButton* b = NamedButton(entry, name, caption);
    connect(b, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
    buttons->addWidget(b);
  };
  button("btnAdd", "Add", &TSightLogForm::AddClick);
  button("btnEdit", "Replace", &TSightLogForm::EditClick);
  button("btnDelete", "Delete", &TSightLogForm::DeleteClick);
  button("btnReduce", "Reduce", &TSightLogForm::ReduceClick);
  button("btnFix", "Fix", &TSightLogForm::FixClick);
  buttons->addStretch();
  e->addLayout(buttons, 4, 0);
  left->addWidget(entry);

  // The work form and the fix.
  grdWork_ = Table(central, "grdWork", kWorkColumns, static_cast<int>(std::size(kWorkColumns)));
  left->addWidget(grdWork_, 2);
  auto* fixBox = new QGroupBox("Fix", central);
  auto* f = new QGridLayout(fixBox);
  edFixLat_ = NamedResult(fixBox, "edFixLat", 130);
  edFixLon_ = NamedResult(fixBox, "edFixLon", 130);
  edEllipse_ = NamedResult(fixBox, "edEllipse", 300);
  edIterations_ = NamedResult(fixBox, "edIterations", 40);
  edFreeLat_ = NamedResult(fixBox, "edFreeLat", 130);
  edFreeLon_ = NamedResult(fixBox, "edFreeLon", 130);
  lblBlunder_ = NamedLabel(fixBox, "lblBlunder", {});
  lblBlunder_->setStyleSheet("color: maroon");
  f->addWidget(new QLabel("Latitude", fixBox), 0, 0);
  f->addWidget(edFixLat_, 0, 1);
  f->addWidget(new QLabel("Longitude", fixBox), 0, 2);
  f->addWidget(edFixLon_, 0, 3);
  f->addWidget(new QLabel("Iterations", fixBox), 0, 4);
  f->addWidget(edIterations_, 0, 5);
  f->addWidget(new QLabel("95 % ellipse", fixBox), 1, 0);
  f->addWidget(edEllipse_, 1, 1, 1, 5);
  f->addWidget(lblBlunder_, 2, 0, 1, 6);
  f->addWidget(new QLabel("Without it", fixBox), 3, 0);
  f->addWidget(edFreeLat_, 3, 1);
  f->addWidget(edFreeLon_, 3, 3);
  left->addWidget(fixBox);

  // The plot and the planner.
  auto* right = new QVBoxLayout;
  columns->addLayout(right, 2);
  plot_ = new SightPlotView(central);
  right->addWidget(plot_, 3);
  auto* planBox = new QGroupBox("Twilight planner", central);
  planBox->setObjectName("pnlPlanner");
  auto* p = new QGridLayout(planBox);
  edPlanDate_ = NamedEdit(planBox, "edPlanDate", 90);
  rbMorning_ = NamedRadio(planBox, "rbMorning", "Morning");
  rbEvening_ = NamedRadio(planBox, "rbEvening", "Evening");
  rbEvening_->setChecked(true);
  QPushButton* plan = NamedButton(planBox, "btnPlan", "Plan");
  connect(plan, &QPushButton::clicked, this, [this] { PlanClick(); });
  auto* planRow = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{new QLabel("Date", planBox), edPlanDate_, rbMorning_, rbEvening_, plan})
    planRow->addWidget(w);
  planRow->addStretch();
  p->addLayout(planRow, 0, 0, 1, 4);
  edCivil_ = NamedResult(planBox, "edCivil", 80);
  edNautical_ = NamedResult(planBox, "edNautical", 80);
  edMiddle_ = NamedResult(planBox, "edMiddle", 80);
  p->addWidget(new QLabel("Civil UT", planBox), 1, 0);
  p->addWidget(edCivil_, 1, 1);
  p->addWidget(new QLabel("Nautical UT", planBox), 1, 2);
  p->addWidget(edNautical_, 1, 3);
  p->addWidget(new QLabel("Middle UT", planBox), 2, 0);
  p->addWidget(edMiddle_, 2, 1);
  edBestThree_ = NamedResult(planBox, "edBestThree", 300);
  edBestFour_ = NamedResult(planBox, "edBestFour", 300);
  p->addWidget(new QLabel("Best three", planBox), 3, 0);
  p->addWidget(edBestThree_, 3, 1, 1, 3);
  p->addWidget(new QLabel("Best four", planBox), 4, 0);
  p->addWidget(edBestFour_, 4, 1, 1, 3);
  grdPlan_ = Table(planBox, "grdPlan", kPlanColumns, static_cast<int>(std::size(kPlanColumns)));
  p->addWidget(grdPlan_, 5, 0, 1, 4);
  right->addWidget(planBox, 3);
  setCentralWidget(central);
}

void TSightLogForm::BuildMenu() {
  AddMenuAction("Close1", "&Close Form", [this] { close(); });
  AddMenuAction("Print1", "&Print", [this] { PrintClick(); });
  AddMenuAction("Import1", "&Import", [this] { ImportClick(); });
  AddMenuAction("Export1", "&Export", [this] { ExportClick(); });
  AddMenuAction("Help1", "&Help", [this] { OpenHelp(); });
}

// --- Settings and the log file ------------------------------------------------------------

void TSightLogForm::LoadSettings() {
  Settings s(ctx_);
  dr_.lat.SetText({s.Read(kSection, "LatDeg", std::string()), s.Read(kSection, "LatMin", std::string()),
                   s.Read(kSection, "LatPos", std::string("N")) == "S"});
  dr_.lon.SetText({s.Read(kSection, "LonDeg", std::string()), s.Read(kSection, "LonMin", std::string()),
                   s.Read(kSection, "LonPos", std::string("W")) == "E"});
  edSigma_->setText(s.Read(kSection, "Sigma", QString("1")));
  edCourse_->setText(s.Read(kSection, "Course", QString()));
  edSpeed_->setText(s.Read(kSection, "Speed", QString()));
  edEye_->setText(s.Read(kSection, "EyeHeight", QString("0")));
  edIndex_->setText(s.Read(kSection, "Index", QString("0")));
  edPressure_->setText("1010");
  edTemperature_->setText("10");
}

void TSightLogForm::WriteSettings() {
  Settings s(ctx_);
  WritePositionKeys(s, kSection, {dr_.lat.Text(), dr_.lon.Text()});
  s.Write(kSection, "Sigma", edSigma_->text());
  s.Write(kSection, "Course", edCourse_->text());
  s.Write(kSection, "Speed", edSpeed_->text());
  s.Write(kSection, "EyeHeight", edEye_->text());
  s.Write(kSection, "Index", edIndex_->text());
}

void TSightLogForm::SaveSettings() {
  WriteSettings();
  SavePosition();
}

void TSightLogForm::FormClose() { WriteSettings(); }

std::string TSightLogForm::LogPath() const { return ctx_.settingsFolder + kSightLogFileName; }

void TSightLogForm::LoadLog() {
  const SightLogReading r = LoadSightLog(LogPath());
  sights_ = r.sights;
  ShowList();
  if (r.problems.empty()) return;
  // The damaged file is kept as it was before the log is ever written over it.
  std::string text = "The sight log " + std::string(kSightLogFileName) + " has lines that could not be read:";
  for (const std::string& p : r.problems) text += "\n" + p;
  const std::optional<std::string> bytes = ReadFileBytes(LogPath());
  if (bytes && WriteFileAtomically(ctx_.settingsFolder + kDamagedCopy, *bytes))
    text += "\nThe file as it was is kept as " + std::string(kDamagedCopy) + ".";
  Say(text);
}

bool TSightLogForm::StoreLog() {
  if (SaveSightLog(LogPath(), sights_)) return true;
  Say("The sight log could not be written to " + LogPath());
  return false;
}

// --- The list -----------------------------------------------------------------------------

void TSightLogForm::ShowList() {
  grdSights_->setRowCount(static_cast<int>(sights_.size()));
  for (size_t i = 0; i < sights_.size(); ++i) {
    const LoggedSight& s = sights_[i];
    const int r = static_cast<int>(i);
    const std::string cells[] = {std::to_string(i + 1), BodyText(s), UtcText(s.utc), SignedDegMin(s.hs),
                                 Str(s.indexError, 1), Str(s.eyeHeight, 1), Str(s.pressure, 0),
                                 Str(s.temperature, 1), LogLimbName(s.limb), s.remark};
    for (size_t c = 0; c < std::size(cells); ++c) SetCell(grdSights_, r, static_cast<int>(c), cells[c]);
  }
  ClearResults();
}

void TSightLogForm::ShowEntry(const LoggedSight& s) {
  cbBody_->setCurrentIndex(static_cast<int>(s.body));
  edStar_->setText(Q(s.star));
  const std::string utc = UtcText(s.utc);
  edDate_->setText(Q(utc.substr(0, 10)));
  edTime_->setText(Q(utc.substr(11)));
  const AngleText hs = AngleTextOf(s.hs);
  edHsDeg_->setText(Q((s.hs < 0.0 ? "-" : "") + hs.deg));
  edHsMin_->setText(Q(hs.min));
  edIndex_->setText(Q(Str(s.indexError, 1)));
  edEye_->setText(Q(Str(s.eyeHeight, 1)));
  edPressure_->setText(Q(Str(s.pressure, 0)));
  edTemperature_->setText(Q(Str(s.temperature, 1)));
  (s.limb == Limb::Upper ? rbUpper_ : rbLower_)->setChecked(true);
  edRemark_->setText(Q(s.remark));
}

std::optional<LoggedSight> TSightLogForm::ReadEntry() {
  const std::optional<MeasuredHeight> h = ReadMeasuredHeight(TextOf(edHsDeg_), TextOf(edHsMin_));
  if (!h || h->min < 0.0 || h->min >= 60.0) {
    Say(kMsgMeasuredHeight);
    return std::nullopt;
  }
  const double hs = (h->deg < 0 || TextOf(edHsDeg_).find('-') != std::string::npos ? -1.0 : 1.0) *
                    (std::abs(h->deg) + h->min / 60.0);
  const LoggedSightReading r = ReadSightFields(
      {LogBodyName(static_cast<NavBody>(cbBody_->currentIndex())), TextOf(edStar_),
       TrimBlanks(TextOf(edDate_)) + "T" + TrimBlanks(TextOf(edTime_)), Str(hs, 6), TextOf(edIndex_), TextOf(edEye_),
       TextOf(edPressure_), TextOf(edTemperature_), rbUpper_->isChecked() ? "upper" : "lower", TextOf(edRemark_)});
  if (!r.sight) Say(Capitalised(r.message));
  return r.sight;
}

std::optional<size_t> TSightLogForm::SelectedRow() const {
  const QList<QTableWidgetItem*> items = grdSights_->selectedItems();
  if (items.isEmpty()) return std::nullopt;
  const int row = items.front()->row();
  if (row < 0 || static_cast<size_t>(row) >= sights_.size()) return std::nullopt;
  return static_cast<size_t>(row);
}

void TSightLogForm::RowChosen() {
  if (const std::optional<size_t> row = SelectedRow()) ShowEntry(sights_[*row]);
}

void TSightLogForm::AddClick() {
  const std::optional<LoggedSight> s = ReadEntry();
  if (!s) return;
  sights_.push_back(*s);
  StoreLog();
  ShowList();
}

void TSightLogForm::EditClick() {
  const std::optional<size_t> row = SelectedRow();
  if (!row) return Say(kMsgNoSelection);
  const std::optional<LoggedSight> s = ReadEntry();
  if (!s) return;
  sights_[*row] = *s;
  StoreLog();
  ShowList();
}

void TSightLogForm::DeleteClick() {
  const std::optional<size_t> row = SelectedRow();
  if (!row) return Say(kMsgNoSelection);
  if (ctx_.platform.Confirm("Delete sight " + std::to_string(*row + 1) + " (" + BodyText(sights_[*row]) + ")?",
                            false) != Answer::Yes)
    return;
  sights_.erase(sights_.begin() + static_cast<std::ptrdiff_t>(*row));
  StoreLog();
  ShowList();
}

// --- Files, printing and the planner ------------------------------------------------------

void TSightLogForm::ImportClick() {
  const std::optional<std::string> path = ctx_.platform.OpenFileName(ctx_.settingsFolder, "", kCsvFilter);
  if (!path) return;
  if (!FileExists(*path)) return Say("Cannot read " + *path);
  const SightLogReading r = LoadSightLog(*path);
  if (!r.problems.empty()) {
    std::string text = *path + " has lines that could not be read; nothing was imported:";
    for (const std::string& p : r.problems) text += "\n" + p;
    return Say(text);
  }
  sights_.insert(sights_.end(), r.sights.begin(), r.sights.end());
  StoreLog();
  ShowList();
  Say(std::to_string(r.sights.size()) + " sights imported");
}

void TSightLogForm::ExportClick() {
  const std::optional<std::string> path =
      ctx_.platform.SaveFileName(ctx_.settingsFolder, kSightLogFileName, kCsvFilter);
  if (!path) return;
  if (!SaveSightLog(*path, sights_)) Say("The sight log could not be written to " + *path);
}

void TSightLogForm::Say(const std::string& text) { ctx_.platform.Message(text); }

}  // namespace veltrane
