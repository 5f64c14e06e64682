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

constexpr const char* kSection = "SightLogForm";
constexpr const char* kDamagedCopy = "SightLog.damaged.csv";
constexpr const char* kCsvFilter = "Sight logs (*.csv);;All files (*)";
const char* const kBodyCaptions[] = {"Sun", "Moon", "Venus", "Mars", "Jupiter", "Saturn", "Star"};
const char* const kListColumns[] = {"No.", "Body", "UT", "Hs", "IE '", "Eye m", "mb", "\u00b0C", "Limb", "Remark"};
const char* const kWorkColumns[] = {"No.", "Body",      "GHA",      "Dec",      "LHA",    "Hc",     "Zn",
                                    "Ho",  "Intercept", "Tow/Away", "Residual", "Blunder"};
const char* const kPlanColumns[] = {"Body", "Kind", "Altitude", "Azimuth", "Magnitude"};

constexpr const char* kMsgSigma = "The standard error must be a number of minutes from 0.01 to 60";
constexpr const char* kMsgMotion = "Give both the course (0..360) and the speed (0..100 knots) over ground, or neither";
constexpr const char* kMsgFixTime = "Give the fix time as YYYY-MM-DDThh:mm:ss, or leave it empty for the last sight";
constexpr const char* kMsgNoSelection = "Choose a sight in the list first";
constexpr const char* kMsgNoRun = "Navigate has no run between the sights";
constexpr const char* kMsgNoSpan = "The sights span no time to run over";
constexpr const char* kMsgPlanDate = "Give the date as yyyy-MM-dd";

QString Q(const std::string& s) { return QString::fromStdString(s); }

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

void SetCell(QTableWidget* t, int row, int column, const std::string& text) {
  t->setItem(row, column, new QTableWidgetItem(Q(text)));
}

QLineEdit* Result(QWidget* parent, const char* name, int width = 130) {
  QLineEdit* e = NamedEdit(parent, name, width);
  e->setReadOnly(true);
  return e;
}

QRadioButton* Choice(QWidget* parent, const char* name, const char* caption) {
  auto* r = new QRadioButton(caption, parent);
  r->setObjectName(name);
  return r;
}

std::string Capitalised(std::string text) {
  if (!text.empty()) text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  return text;
}

std::string DecText(double dec) { return FmtDegMin(std::fabs(dec)) + (dec > 0.0 ? "  N" : "  S"); }
std::string SignedDegMin(double a) { return (a < 0.0 ? "-" : "") + FmtDegMin(std::fabs(a)); }

// The sight's body as the list shows it: the star's name for a star.
std::string BodyText(const LoggedSight& s) {
  return s.body == NavBody::Star ? s.star : kBodyCaptions[static_cast<int>(s.body)];
}

}  // namespace

TSightLogForm::TSightLogForm(AppContext& ctx, NavigateLink* navigate)
    : FormBase(ctx, "SightLogForm", "Sight log", "fSightLog"), navigate_(navigate) {
  BuildControls();
  BuildMenu();
  WatchEntries(dr_.EntryChecks(ctx.platform));
  LoadSettings();
  const QDate today = ctx.platform.NowUtc().date();
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
  rbLower_ = Choice(entry, "rbLower", "Lower");
  rbUpper_ = Choice(entry, "rbUpper", "Upper");
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
  edFixLat_ = Result(fixBox, "edFixLat");
  edFixLon_ = Result(fixBox, "edFixLon");
  edEllipse_ = Result(fixBox, "edEllipse", 300);
  edIterations_ = Result(fixBox, "edIterations", 40);
  edFreeLat_ = Result(fixBox, "edFreeLat");
  edFreeLon_ = Result(fixBox, "edFreeLon");
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
  rbMorning_ = Choice(planBox, "rbMorning", "Morning");
  rbEvening_ = Choice(planBox, "rbEvening", "Evening");
  rbEvening_->setChecked(true);
  QPushButton* plan = NamedButton(planBox, "btnPlan", "Plan");
  connect(plan, &QPushButton::clicked, this, [this] { PlanClick(); });
  auto* planRow = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{new QLabel("Date", planBox), edPlanDate_, rbMorning_, rbEvening_, plan})
    planRow->addWidget(w);
  planRow->addStretch();
  p->addLayout(planRow, 0, 0, 1, 4);
  edCivil_ = Result(planBox, "edCivil", 80);
  edNautical_ = Result(planBox, "edNautical", 80);
  edMiddle_ = Result(planBox, "edMiddle", 80);
  p->addWidget(new QLabel("Civil UT", planBox), 1, 0);
  p->addWidget(edCivil_, 1, 1);
  p->addWidget(new QLabel("Nautical UT", planBox), 1, 2);
  p->addWidget(edNautical_, 1, 3);
  p->addWidget(new QLabel("Middle UT", planBox), 2, 0);
  p->addWidget(edMiddle_, 2, 1);
  edBestThree_ = Result(planBox, "edBestThree", 300);
  edBestFour_ = Result(planBox, "edBestFour", 300);
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
  const AngleText lat = dr_.lat.Text(), lon = dr_.lon.Text();
  s.Write(kSection, "LatDeg", lat.deg);
  s.Write(kSection, "LatMin", lat.min);
  s.Write(kSection, "LatPos", std::string(lat.minus ? "S" : "N"));
  s.Write(kSection, "LonDeg", lon.deg);
  s.Write(kSection, "LonMin", lon.min);
  s.Write(kSection, "LonPos", std::string(lon.minus ? "E" : "W"));
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

// --- Reduction and fix --------------------------------------------------------------------

void TSightLogForm::ClearResults() {
  fix_.reset();
  grdWork_->setRowCount(0);
  for (QLineEdit* e : {edFixLat_, edFixLon_, edEllipse_, edIterations_, edFreeLat_, edFreeLon_}) e->clear();
  lblBlunder_->clear();
  plot_->Show(std::nullopt);
}

std::optional<std::vector<PreparedSight>> TSightLogForm::Prepare() {
  if (sights_.empty()) {
    Say(kMsgTooFewSights);
    return std::nullopt;
  }
  std::optional<std::vector<StarRecord>> stars;
  std::vector<PreparedSight> prepared;
  for (const LoggedSight& s : sights_) {
    if (s.body == NavBody::Star && !stars) {
      stars = LoadStarFile(ctx_.settingsFolder + "Mstars.dat");
      if (!stars) stars = LoadStarFile(ctx_.programFolder + "Mstars.dat");
      if (!stars) {
        Say("File Mstars.dat is missing.");
        return std::nullopt;
      }
    }
    const PreparedSightReading p = PrepareSight(s, stars.value_or(std::vector<StarRecord>{}));
    if (!p.sight) {
      Say(p.message);
      return std::nullopt;
    }
    prepared.push_back(*p.sight);
  }
  return prepared;
}

std::optional<PositionRecord> TSightLogForm::ReadDr() {
  const PositionReading r = dr_.Read();
  if (!r.value) Say(r.message);
  return r.value;
}

void TSightLogForm::ReduceClick() {
  ClearResults();
  const std::optional<std::vector<PreparedSight>> sights = Prepare();
  if (!sights) return;
  const std::optional<PositionRecord> dr = ReadDr();
  if (!dr) return;
  std::optional<VesselMotion> motion;
  const std::optional<double> course = ParseReal(TextOf(edCourse_)), speed = ParseReal(TextOf(edSpeed_));
  const bool courseBlank = TrimBlanks(TextOf(edCourse_)).empty(), speedBlank = TrimBlanks(TextOf(edSpeed_)).empty();
  if (!(courseBlank && speedBlank)) {
    if (!course || !speed || *course < 0.0 || *course > 360.0 || *speed < 0.0 || *speed > 100.0) return Say(kMsgMotion);
    motion = VesselMotion{*course, *speed};
  }
  SightInstant fixTime = LatestSightTime(*sights);
  if (!TrimBlanks(TextOf(edFixTime_)).empty()) {
    const std::optional<SightInstant> t = ParseUtcText(TrimBlanks(TextOf(edFixTime_)));
    if (!t) return Say(kMsgFixTime);
    fixTime = *t;
  }
  grdWork_->setRowCount(static_cast<int>(sights->size()));
  for (size_t i = 0; i < sights->size(); ++i) {
    const std::optional<PositionRecord> from = CarriedTo(*dr, fixTime, (*sights)[i].utc, motion);
    if (!from) return Say(kMsgFixUnsettled);
    const SightReduction r = ReduceSight((*sights)[i], *from);
    const int row = static_cast<int>(i);
    const std::string cells[] = {std::to_string(i + 1), BodyText(sights_[i]), FmtDegMin(r.place.gha),
                                 DecText(r.place.dec), FmtDegMin(r.place.lha), SignedDegMin(r.place.hc),
                                 Str(r.place.zn, 1), SignedDegMin(r.corrected.observed),
                                 Str(std::fabs(RoundToScale(r.intercept.miles, 10.0)), 1),
                                 r.intercept.towards ? "Towards" : "Away"};
    for (size_t c = 0; c < std::size(cells); ++c) SetCell(grdWork_, row, static_cast<int>(c), cells[c]);
  }
  FixRequest request;
  request.sights = *sights;
  request.dr = *dr;
  request.fixTime = fixTime;
  request.motion = motion;
  const std::optional<double> sigma = ParseReal(TextOf(edSigma_));
  if (!sigma || *sigma < 0.01 || *sigma > 60.0) return Say(kMsgSigma);
  request.sigmaArcmin = *sigma;
  fix_ = SolveFix(request);
}

void TSightLogForm::FixClick() {
  ReduceClick();
  if (!fix_) return;
  const LeastSquaresFix fix = *fix_;
  if (!fix.position) {
    fix_.reset();
    return Say(fix.message);
  }
  for (size_t i = 0; i < fix.sights.size(); ++i) {
    SetCell(grdWork_, static_cast<int>(i), 10, Str(fix.sights[i].residual, 1));
    SetCell(grdWork_, static_cast<int>(i), 11, fix.sights[i].blunder ? "Blunder" : "");
  }
  edFixLat_->setText(Q(DegMinWithHemisphere(fix.position->Lat, AngleKind::Latitude)));
  edFixLon_->setText(Q(DegMinWithHemisphere(fix.position->Lon, AngleKind::Longitude)));
  edIterations_->setText(QString::number(fix.iterations));
  edEllipse_->setText(Q(Str(fix.ellipse.semiMajor, 2) + " x " + Str(fix.ellipse.semiMinor, 2) +
                        " NM, major axis " + Str(fix.ellipse.orientation, 0) + "\u00b0"));
  for (size_t i = 0; i < fix.sights.size(); ++i) {
    if (!fix.sights[i].blunder) continue;
    lblBlunder_->setText(Q("Sight " + std::to_string(i + 1) + " (" + BodyText(sights_[i]) +
                           ") is likely a blunder: residual " + Str(fix.sights[i].residual, 1) + "'"));
  }
  if (fix.withoutBlunder) {
    edFreeLat_->setText(Q(DegMinWithHemisphere(fix.withoutBlunder->Lat, AngleKind::Latitude)));
    edFreeLon_->setText(Q(DegMinWithHemisphere(fix.withoutBlunder->Lon, AngleKind::Longitude)));
  }
  plot_->Show(SightPlotOf(fix, *ReadDr()));
}

void TSightLogForm::NavigateRunClick() {
  if (!navigate_) return;
  const std::optional<double> course = ParseReal(navigate_->RunCourse());
  const std::optional<double> distance = ParseReal(navigate_->RunDistance());
  if (!course || !distance || *distance < 0.0) return Say(kMsgNoRun);
  double first = 0.0, last = 0.0;
  for (const LoggedSight& s : sights_) {
    const double h = HoursBetween(sights_.front().utc, s.utc);
    first = std::min(first, h), last = std::max(last, h);
  }
  if (last - first <= 0.0) return Say(kMsgNoSpan);
  edCourse_->setText(Q(Str(Mod360(*course), 1)));
  edSpeed_->setText(Q(Str(*distance / (last - first), 2)));
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

void TSightLogForm::PrintClick() {
  auto printer = ctx_.platform.BeginPrint(this);
  if (!printer) return;
  QPainter painter(printer.get());
  const QRect page = painter.viewport();
  const int line = painter.fontMetrics().height();
  int y = page.top() + line;
  const auto write = [&](const QString& text) {
    painter.drawText(QPoint(page.left(), y), text);
    y += line;
  };
  write("Sight log: work form");
  if (const std::optional<PositionRecord> d = dr_.Read().value)
    write(Q("DR " + DegMinWithHemisphere(d->Lat, AngleKind::Latitude) + "   " +
            DegMinWithHemisphere(d->Lon, AngleKind::Longitude)));
  y += line / 2;
  // The work form, one row per sight with its header.
  const int columns = grdWork_->columnCount();
  const int width = page.width() / columns;
  for (int c = 0; c < columns; ++c)
    painter.drawText(QRect(page.left() + c * width, y - line, width, line), Qt::AlignLeft,
                     grdWork_->horizontalHeaderItem(c)->text());
  y += line;
  for (int r = 0; r < grdWork_->rowCount(); ++r, y += line)
    for (int c = 0; c < columns; ++c)
      if (const QTableWidgetItem* item = grdWork_->item(r, c))
        painter.drawText(QRect(page.left() + c * width, y - line, width, line), Qt::AlignLeft, item->text());
  y += line;
  if (fix_ && fix_->position) {
    write("Fix " + edFixLat_->text() + "   " + edFixLon_->text() + "   after " + edIterations_->text() + " reductions");
    write("95 % ellipse " + edEllipse_->text());
    if (!lblBlunder_->text().isEmpty()) write(lblBlunder_->text() + "; without it " + edFreeLat_->text() + "   " + edFreeLon_->text());
  }
  printer->newPage();
  const int side = std::min(page.width(), page.height());
  PaintSightPlot(painter, QRect(page.left(), page.top(), side, side), plot_->Data());
}

void TSightLogForm::PlanClick() {
  const std::optional<PositionRecord> at = ReadDr();
  if (!at) return;
  const std::optional<SightInstant> day = ParseUtcText(TrimBlanks(TextOf(edPlanDate_)) + "T00:00:00");
  if (!day) return Say(kMsgPlanDate);
  std::optional<std::vector<StarRecord>> stars = LoadStarFile(ctx_.settingsFolder + "Mstars.dat");
  if (!stars) stars = LoadStarFile(ctx_.programFolder + "Mstars.dat");
  if (!stars) Say("File Mstars.dat is missing; only the Moon and the planets are planned.");
  const SightPlan plan = PlanSights(day->date, at->Lat, at->Lon,
                                    rbMorning_->isChecked() ? TwilightSide::Morning : TwilightSide::Evening,
                                    stars.value_or(std::vector<StarRecord>{}));
  for (QLineEdit* e : {edCivil_, edNautical_, edMiddle_, edBestThree_, edBestFour_}) e->clear();
  grdPlan_->setRowCount(0);
  if (!plan.middle) return Say(plan.message);
  const auto clock = [&](double hours) { return Q(UtcText(InstantOf(day->date, hours)).substr(11)); };
  edCivil_->setText(clock(*plan.civil));
  edNautical_->setText(clock(*plan.nautical));
  edMiddle_->setText(clock(*plan.middle));
  const auto joined = [](const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& n : names) text += (text.empty() ? "" : ", ") + n;
    return Q(text);
  };
  edBestThree_->setText(joined(plan.bestThree));
  edBestFour_->setText(joined(plan.bestFour));
  grdPlan_->setRowCount(static_cast<int>(plan.bodies.size()));
  for (size_t i = 0; i < plan.bodies.size(); ++i) {
    const PlannedBody& b = plan.bodies[i];
    const std::string cells[] = {b.name, PlannedKindName(b.kind), Str(b.altitude, 1), Str(b.azimuth, 1),
                                 b.magnitude ? Str(*b.magnitude, 1) : std::string()};
    for (size_t c = 0; c < std::size(cells); ++c) SetCell(grdPlan_, static_cast<int>(i), static_cast<int>(c), cells[c]);
  }
}

void TSightLogForm::Say(const std::string& text) { ctx_.platform.Message(text); }

}  // namespace veltrane
