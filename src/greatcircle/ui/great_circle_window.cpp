#include "greatcircle/ui/great_circle_window.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "foundation/calendar.h"
#include "foundation/checks.h"
#include "foundation/formats.h"
#include "foundation/numbers.h"
#include "foundation/text_file.h"
#include "greatcircle/great_report.h"
#include "greatcircle/great_texts.h"
#include "greatcircle/grutil.h"
#include "greatcircle/position_file.h"
#include "greatcircle/wgs84_distance.h"

namespace veltrane {
namespace {

constexpr const char* kWholeDegrees = "Use whole number degrees, minutes allowed with decimals";
constexpr const char* kIntegerDegrees = "Use integer degrees, minutes allowed with decimals";
constexpr int kTableRows = 30;
constexpr double kKmPerNm = 1.852;

QString Q(const std::string& s) { return QString::fromStdString(s); }

QLineEdit* NewEdit(QWidget* parent, const char* name, int maxLength = 0) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  if (maxLength > 0) e->setMaxLength(maxLength);
  return e;
}

QRadioButton* NewRadio(QWidget* parent, QButtonGroup* group, const QString& name, const QString& caption) {
  auto* rb = new QRadioButton(caption, parent);
  rb->setObjectName(name);
  group->addButton(rb);
  return rb;
}

QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption, const QString& hint = {}) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  if (!hint.isEmpty()) b->setToolTip(hint);
  return b;
}


}  // namespace

TGreatForm::TGreatForm(AppContext& ctx) : FormBase(ctx, "GreatForm", "Great Circle Count ", "fGreat") {
  CreateContents();
}

void TGreatForm::BuildContents() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  auto* points = new QHBoxLayout;
  points->addWidget(BuildPoint(start_, "Start Point",
                               {{"Edit1", "Edit2", "RadioButton1", "RadioButton2"},
                                {"Edit3", "Edit4", "RadioButton3", "RadioButton4"}},
                               "cbxStart", "BitBtn1"));
  points->addWidget(BuildPoint(end_, "End Point",
                               {{"Edit5", "Edit6", "RadioButton5", "RadioButton6"},
                                {"Edit7", "Edit8", "RadioButton7", "RadioButton8"}},
                               "cbxEnd", "BitBtn2"));
  layout->addLayout(points);

  auto* controls = new QHBoxLayout;
  controls->addWidget(new QLabel("Longitude Difference:", central));
  edStep_ = NewEdit(central, "Edit20", 3);
  edStep_->setToolTip("3..9");
  WatchEntry(edStep_, [this](const std::string& t) { return CheckIntRange(t, 10, ctx_.platform); });
  controls->addWidget(edStep_);
  auto* modes = new QButtonGroup(this);
  rbLongitude_ = NewRadio(central, modes, "rbLongitude", "Longitude");
  rbArc_ = NewRadio(central, modes, "rbArc", "Arc");
  rbLongitude_->setChecked(true);
  controls->addWidget(rbLongitude_);
  controls->addWidget(rbArc_);
  btnOk_ = NewButton(central, "Ok", "&Count", "Accept Locations");
  btnCountRoute_ = NewButton(central, "CountRoute", "Count &Route");
  btnInit_ = NewButton(central, "btnInit1", "Init", "Clear all edit boxes");
  btnPrint_ = NewButton(central, "Print", "   &Print");
  for (auto* b : {btnOk_, btnCountRoute_, btnInit_, btnPrint_}) controls->addWidget(b);
  lbDirection_ = new QLabel("Sailing Direction", central);
  edDirection_ = NewEdit(central, "Edit21");
  edDirection_->setReadOnly(true);
  edDirection_->setToolTip("Can not be changed");
  edDirection_->setMinimumWidth(70);
  controls->addWidget(lbDirection_);
  controls->addWidget(edDirection_);
  layout->addLayout(controls);
  connect(btnOk_, &QPushButton::clicked, this, &TGreatForm::OkClick);
  connect(btnCountRoute_, &QPushButton::clicked, this, &TGreatForm::CountRouteClick);
  connect(btnInit_, &QPushButton::clicked, this, &TGreatForm::btnInit1Click);
  connect(btnPrint_, &QPushButton::clicked, this, &TGreatForm::PrintClick);

  BuildResults();
  layout->addWidget(panel2_);
  BuildRoute();
  layout->addWidget(pointBox_);
  layout->addWidget(routeBox_);
  setCentralWidget(central);

  AddMenuAction("Close1", "&Close Form", [this] { close(); });
  AddMenuAction("Demo1", "&Demo", [this] { Demo1Click(); });
  AddMenuAction("Editor1", "&Editor", [this] {
    if (editor_) editor_->ShowForm();
  });
  // The window's image, as "&Print" of every other window; the report is "   &Print".
  AddMenuAction("PrintForm1", "&Print Form", [this] { PrintForm(); });
  AddMenuAction("Help1", "&Help", [this] { OpenHelp(); });

  btnInit1Click();
  ClickOnEnter("Ok");
  KeepTypedValues();
}

QGroupBox* TGreatForm::BuildPoint(PointFields& p, const QString& title, const PositionFieldNames& names,
                                  const char* combo, const char* saveButton) {
  auto* box = new QGroupBox(title, this);
  auto* grid = new QGridLayout(box);
  p.position = PositionFields::Create(box, names);
  p.position.Place(grid, 0);

  p.name = new QComboBox(box);
  p.name->setObjectName(combo);
  p.name->setEditable(true);
  p.name->setInsertPolicy(QComboBox::NoInsert);
  p.name->lineEdit()->setMaxLength(20);
  p.name->setToolTip("Kirjaa QTH tai valitse pudotusvalikosta");
  auto* save = NewButton(box, saveButton, "S", "Save to file");
  grid->addWidget(p.name, 2, 0, 1, 6);
  grid->addWidget(save, 2, 6);

  WatchEntries(p.position.EntryChecks(ctx_.platform));
  connect(p.name, &QComboBox::currentIndexChanged, this, [this, &p](int index) {
    // A name from the list is the whole name, commas and all.
    if (index >= 0) PlaceChosen(p, p.name->itemText(index).toStdString());
  });
  connect(p.name->lineEdit(), &QLineEdit::returnPressed, this,
          [this, &p] { PlaceChosen(p, PlaceKey(p.name->currentText().toStdString())); });
  connect(save, &QPushButton::clicked, this, [this, &p] { SavePlace(p); });
  return box;
}

QLineEdit* TGreatForm::AddResult(QWidget* box, int row, int column, const char* name, const QString& caption) {
  auto* grid = static_cast<QGridLayout*>(box->layout());
  auto* edit = NewEdit(box, name);
  edit->setReadOnly(true);
  grid->addWidget(new QLabel(caption, box), row, column * 3);
  grid->addWidget(edit, row, column * 3 + 1);
  return edit;
}

void TGreatForm::BuildResults() {
  panel2_ = new QGroupBox(this);
  panel2_->setObjectName("Panel2");
  new QGridLayout(panel2_);
  edDLat_ = AddResult(panel2_, 0, 0, "Edit9", "Dlat:");
  edDLon_ = AddResult(panel2_, 0, 1, "Edit10", "Dlon:");
  edCourse_ = AddResult(panel2_, 1, 0, "Edit12", "Great Circle Start Heading:");
  edAngle_ = AddResult(panel2_, 1, 1, "edAngle", "Angle:");
  edDistNm_ = AddResult(panel2_, 2, 0, "Edit13", "Great Circle Distance:");
  edDistKm_ = AddResult(panel2_, 2, 1, "Edit14", "");
  edMidCourse_ = AddResult(panel2_, 3, 0, "Edit15", "Mid-latitude Course:");
  edMidNm_ = AddResult(panel2_, 4, 0, "Edit16", "Mid-latitude Distance:");
  edMidKm_ = AddResult(panel2_, 4, 1, "Edit17", "");
  edVertexLat_ = AddResult(panel2_, 5, 0, "Edit18", "Vertex Latitude:");
  edVertexLat_->setToolTip("Point of greatest latitude");
  edVertexLon_ = AddResult(panel2_, 5, 1, "Edit19", "Vertex Longitude:");
}

void TGreatForm::BuildRoute() {
  pointBox_ = new QGroupBox("Find a Route Point", this);
  pointBox_->setObjectName("gbRoutePoint");
  auto* row = new QGridLayout(pointBox_);
  pointLon_ = AngleFields::Create(pointBox_, AngleKind::Longitude, {"Edit22", "Edit24", "RadioButton11", "RadioButton12"});
  btnCountLatitude_ = NewButton(pointBox_, "CountLatitude1", "Count &Latitude");
  edPointLat_ = NewEdit(pointBox_, "Edit25");
  edPointLat_->setReadOnly(true);
  row->addWidget(new QLabel("Give Longitude", pointBox_), 0, 0);
  pointLon_.Place(row, 0, 1);
  row->addWidget(btnCountLatitude_, 0, 7);
  row->addWidget(edPointLat_, 0, 8);
  WatchEntries(pointLon_.EntryChecks(ctx_.platform));
  connect(btnCountLatitude_, &QPushButton::clicked, this, &TGreatForm::CountLatitude1Click);

  routeBox_ = new QGroupBox(this);
  routeBox_->setObjectName("gbRoute");
  auto* grid = new QGridLayout(routeBox_);
  grid_ = new QTableWidget(kTableRows, 5, routeBox_);
  grid_->setObjectName("StringGrid1");
  grid_->setHorizontalHeaderLabels({"Latitude", "Longitude", "Heading", "Distance", "Sum"});
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  grid_->setMinimumHeight(240);
  grid->addWidget(grid_, 0, 0, 1, 6);
  edSum_ = AddResult(routeBox_, 1, 0, "Edit23", "Sum:");
  edGeodesic_ = AddResult(routeBox_, 1, 1, "Edit26", "Geodesic distance");
  edWgs84_ = AddResult(routeBox_, 2, 1, "edWgs84", "WGS-84 geodesic");
}

void TGreatForm::showEvent(QShowEvent* event) {
  // Loaded on every show, as the editor may have changed the file; a missing file is told once,
  // when the window first opens rather than while the program starts.
  LoadPlaceNames(!namesLoadedOnce_);
  namesLoadedOnce_ = true;
  FormBase::showEvent(event);
}

std::string TGreatForm::PositionFile() const { return ctx_.DataFolder() + kPositionFileName; }

void TGreatForm::LoadPlaceNames(bool reportMissing) {
  const auto lines = ReadTextLines(PositionFile());
  if (!lines) {
    if (reportMissing) ctx_.platform.Message("File Not Found " + PositionFile());
    return;
  }
  QStringList names;
  for (const auto& n : PlaceNames(*lines)) names << Q(n);
  for (QComboBox* box : {start_.name, end_.name}) {
    const QSignalBlocker quiet(box);
    const QString typed = box->currentText();
    box->clear();
    box->addItems(names);
    box->setCurrentIndex(-1);
    box->setEditText(typed);
  }
}

void TGreatForm::PlaceFileChanged() {
  if (ContentsBuilt()) LoadPlaceNames(false);  // else the lists are read when the window is shown
}

void TGreatForm::PlaceChosen(PointFields& p, const std::string& name) {
  const auto lines = ReadTextLines(PositionFile());
  if (!lines) {
    ctx_.platform.Message(" File missing or cannot be opened ");
    return;
  }
  const auto place = FindPlace(*lines, name);
  if (!place) return;
  p.position.lat.SetText({place->latDeg, place->latMin, !place->north});
  p.position.lon.SetText({place->lonDeg, place->lonMin, !place->west});
}

void TGreatForm::SavePlace(PointFields& p) {
  if (p.position.lat.IsEmpty() || p.position.lon.IsEmpty()) {
    ctx_.platform.Message("Position Missing");
    return;
  }
  const std::string name = PlaceKey(p.name->currentText().toStdString());
  if (name.empty() || name.find('=') != std::string::npos) {
    ctx_.platform.Message("Name Missing");
    return;
  }
  if (!p.position.Read().value) {
    ctx_.platform.Message(kWholeDegrees);
    return;
  }
  const AngleText lat = p.position.lat.Text();
  const AngleText lon = p.position.lon.Text();
  const NamedPosition place{name, lat.deg, lat.min, !lat.minus, lon.deg, lon.min, !lon.minus};
  switch (AppendPlace(PositionFile(), place)) {
    case AppendResult::Appended:
      ctx_.platform.Message("Position Saved to File");
      LoadPlaceNames(false);
      break;
    case AppendResult::Exists:
      break;
    case AppendResult::Failed:
      ctx_.platform.Message("Position could not be saved to " + PositionFile());
      break;
  }
}

void TGreatForm::ClearRoute() {
  grid_->clearContents();
  grid_->setRowCount(kTableRows);
  for (QLineEdit* e : {edSum_, edGeodesic_, edWgs84_, edPointLat_}) e->clear();
  pointLon_.Clear();
}

void TGreatForm::OkClick() {
  btnInit_->show();
  lbDirection_->show();
  edDirection_->show();
  ClearRoute();
  const auto step = ParseInt(TextOf(edStep_));
  if (edStep_->text().isEmpty() || (step && *step >= -10 && *step <= -2)) edStep_->setText("6");

  const std::optional<PositionRecord> a = start_.position.Read().value;
  const std::optional<PositionRecord> b = end_.position.Read().value;
  if (!a || !b) {
    ctx_.platform.Message(kWholeDegrees);
    return;
  }

  const PreparedRoute route = PrepareRoute(*a, *b);
  edDirection_->setText(Q(SailingDirectionText(route.direction)));
  panel2_->show();
  rbLongitude_->setChecked(true);

  const GreatCircleSolution s = GreatCircleSolve(route.start, route.end);
  edDLat_->setText(Q(DegreesText(s.dLat)));
  edDLon_->setText(Q(DegreesText(s.dLon)));
  edDistNm_->setText(Q(MilesText(s.Distance)));
  edDistKm_->setText(Q(KilometresText(s.Distance * kKmPerNm)));
  if (!s.solved) ctx_.platform.Message(kZeroDivisorMessage);
  edCourse_->setText(s.solved ? Q(DegreesText(s.Course)) : QString());
  edAngle_->setText(s.solved ? Q(Str(RoundToScale(s.Angle, 10.0), 1)) : QString());

  const CourseDistance mid = MidLatitudeCourseDistance(route.start, route.end);
  edMidCourse_->setText(mid.distance > 0.0 ? Q(DegreesText(mid.course)) : QString());
  edMidNm_->setText(Q(MilesText(mid.distance)));
  edMidKm_->setText(Q(KilometresText(mid.distance * kKmPerNm)));

  if (s.solved && s.hasVertex) {
    edVertexLat_->setText(Q(LatitudeText(s.Vertex.Lat)));
    edVertexLon_->setText(Q(LongitudeText(s.Vertex.Lon)));
  } else {
    edVertexLat_->setText(s.solved ? "None" : "");
    edVertexLon_->setText(s.solved ? "Route along the equator" : "");
  }
  // Without a course there is no route to sail.
  btnCountRoute_->setVisible(s.solved);
  if (s.solved)
    last_ = LastCount{route, s.Course, s.Vertex};
  else
    last_.reset();
}

void TGreatForm::CountRouteClick() {
  if (!last_) return;
  const PreparedRoute& route = last_->route;
  if (rbArc_->isChecked() && route.start.Lat * route.end.Lat < 0.0) {
    ctx_.platform.Message(" Arc count not possible, if the equator is crossed");
    rbLongitude_->setChecked(true);
  }
  const auto step = ParseInt(TextOf(edStep_));
  if (!step || *step < 1) {
    ctx_.platform.Message("Integer degrees between 3 and 12");
    return;
  }
  routeBox_->show();
  pointBox_->show();
  btnPrint_->show();
  ClearRoute();

  const RouteTable table = SailGreatLon(route, last_->vertex, last_->course, *step);
  grid_->setRowCount(std::max(kTableRows, static_cast<int>(table.rows.size())));
  for (int r = 0; r < static_cast<int>(table.rows.size()); ++r) {
    const RoutePoint& p = table.rows[static_cast<size_t>(r)];
    std::string cells[5] = {LatitudeText(p.lat), LongitudeText(p.lon)};
    if (p.hasLeg) {
      cells[2] = DegreesText(p.heading);
      cells[3] = MilesText(p.leg);
      cells[4] = MilesText(p.total);
    }
    for (int c = 0; c < 5; ++c)
      if (!cells[c].empty()) grid_->setItem(r, c, new QTableWidgetItem(Q(cells[c])));
  }
  edSum_->setText(Q(MilesText(table.total)));

  const auto andoyer = GeodesicDistance(route.start, route.end);
  if (andoyer)
    edGeodesic_->setText(Q(KilometresText(*andoyer, " ")));
  else
    ctx_.platform.Message("Division by zero");
  edWgs84_->setText(Q(KilometresText(Wgs84DistanceKm(route.start, route.end), " ")));
}

void TGreatForm::CountLatitude1Click() {
  if (!last_) return;
  const std::optional<double> lon = pointLon_.Read().value;
  if (!lon) {
    ctx_.platform.Message(kIntegerDegrees);
    return;
  }
  // A route over a pole runs along meridians: no other meridian crosses it.
  if (std::fabs(last_->vertex.Lat) > 89.9999) {
    edPointLat_->clear();
    ctx_.platform.Message("The route follows a meridian");
    return;
  }
  const double lat = LatitudeOnGreatCircle(last_->vertex, *lon);
  edPointLat_->setText(Q(LatitudeText(lat)));
}

void TGreatForm::btnInit1Click() {
  for (PointFields* p : {&start_, &end_}) {
    p->position.Clear();
    p->name->setCurrentIndex(-1);
    p->name->setEditText("");
  }
  for (QLineEdit* e : {edStep_, edDLat_, edDLon_, edCourse_, edDistNm_, edDistKm_, edMidCourse_, edMidNm_, edMidKm_,
                       edVertexLat_, edVertexLon_, edAngle_, edDirection_})
    e->clear();
  ClearRoute();
  for (QWidget* w : std::initializer_list<QWidget*>{btnInit_, btnPrint_, lbDirection_, edDirection_, panel2_,
                                                    routeBox_, pointBox_, btnCountRoute_})
    w->hide();
  last_.reset();
  start_.position.lat.deg->setFocus();
  // Back to the size of what is left, not the height the route table had.
  if (QLayout* l = centralWidget()->layout()) l->activate();
  adjustSize();
}

void TGreatForm::Demo1Click() {
  btnInit1Click();
  start_.position.lat.SetText({"37", "47.5", false});
  start_.position.lon.SetText({"122", "27.8", false});
  end_.position.lat.SetText({"33", "51.7", true});
  end_.position.lon.SetText({"151", "12.7", true});
  start_.name->setEditText("San Francisco");
  end_.name->setEditText("Sydney");
}

void TGreatForm::PrintClick() {
  GreatReport r;
  auto pointTexts = [](const PointFields& p, std::string& lat, std::string& lon) {
    auto typed = [](const AngleFields& f) {
      const AngleText t = f.Text();
      return t.deg + kDegreeSign + " " + t.min + "' " + (t.minus ? MinusCaption(f.kind) : PlusCaption(f.kind))[0];
    };
    lat = typed(p.position.lat);
    lon = typed(p.position.lon);
  };
  r.startName = PlaceKey(start_.name->currentText().toStdString());
  r.endName = PlaceKey(end_.name->currentText().toStdString());
  pointTexts(start_, r.startLat, r.startLon);
  pointTexts(end_, r.endLat, r.endLon);
  r.dLat = TextOf(edDLat_);
  r.dLon = TextOf(edDLon_);
  r.results = {
      {"Great Circle Start Heading:", TextOf(edCourse_)},
      {"Great Circle Distance:", TextOf(edDistNm_) + "   " + TextOf(edDistKm_)},
      {"Mid-latitude Course:", TextOf(edMidCourse_)},
      {"Mid-latitude Distance:", TextOf(edMidNm_) + "   " + TextOf(edMidKm_)},
      {"Vertex Latitude:", TextOf(edVertexLat_)},
      {"Vertex Longitude:", TextOf(edVertexLon_) + "    (" + TextOf(edAngle_) + ")"},
      {"Sailing Direction", TextOf(edDirection_)},
      {"Sum:", TextOf(edSum_)},
      {"Geodesic distance", TextOf(edGeodesic_)},
      {"WGS-84 geodesic", TextOf(edWgs84_)},
  };
  r.mode = rbArc_->isChecked() ? "arc" : "longitude";
  r.step = TextOf(edStep_);
  for (int row = 0; row < grid_->rowCount(); ++row) {
    std::array<std::string, 5> cells;
    for (int c = 0; c < 5; ++c)
      if (const QTableWidgetItem* item = grid_->item(row, c)) cells[static_cast<size_t>(c)] = item->text().toStdString();
    if (cells[0].empty()) break;
    r.rows.push_back(cells);
  }

  auto printer = ctx_.platform.BeginPrint(this);
  if (!printer) return;
  QPainter painter(printer.get());
  const double scale = printer->resolution() / 300.0;
  painter.scale(scale, scale);
  int page = 0;
  for (const ReportText& t : GreatReportLayout(r)) {
    if (t.page != page) {
      printer->newPage();
      page = t.page;
    }
    QFont font("Arial");
    font.setPixelSize(t.points * 300 / 72);
    painter.setFont(font);
    painter.drawText(t.x, t.y, Q(t.text));
  }
}

}  // namespace veltrane
