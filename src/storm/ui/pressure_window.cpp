#include "storm/ui/pressure_window.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "foundation/numbers.h"
#include "foundation/ui/named_widgets.h"
#include "storm/position_texts.h"
#include "storm/pressure_picture.h"
#include "storm/pressure_trend.h"
#include "storm/ui/storm_fields.h"

namespace veltrane {
namespace {

constexpr const char* kInvalid = "Erroneous values";
constexpr int kPictureSize = 195;
constexpr int kStepMilliseconds = 15;

}  // namespace

// The schematic picture: isobars, wind arrows and the boat at its place in the run.
class PressurePictureView : public QWidget {
 public:
  explicit PressurePictureView(QWidget* parent) : QWidget(parent) {
    MakePaintArea(this, "PaintBox1", kPictureSize, kPictureSize);
  }
  void Start(bool high, bool north, const BoatRun& run) {
    high_ = high;
    north_ = north;
    run_ = run;
    step_ = 0;
    drawn_ = true;
    update();
  }
  // One step of the boat; false when its run is over.
  bool Advance() {
    if (step_ >= run_.steps) return false;
    ++step_;
    update();
    return true;
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!drawn_) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    for (const QRect& r : {QRect(QPoint(75, 80), QPoint(120, 115)), QRect(QPoint(60, 65), QPoint(135, 130)),
                           QRect(QPoint(45, 50), QPoint(150, 145))})
      painter.drawEllipse(r);
    painter.setPen(QPen(high_ ? QColor(200, 90, 0) : QColor(0, 90, 200), 1.5));
    for (const Segment& s : WindArrows(high_, north_)) painter.drawLine(s.from.x, s.from.y, s.to.x, s.to.y);
    DrawBoat(painter);
    // The word last, so a boat near the centre does not hide it.
    const int w = width();
    painter.setPen(Qt::black);
    painter.drawText(QPoint(w / 2 - 20, w / 2 - 10 + painter.fontMetrics().ascent()), PressureClassName(high_));
  }

 private:
  void DrawBoat(QPainter& painter) const {
    const QPointF at(run_.start.x + run_.dx * step_, run_.start.y + run_.dy * step_);
    const QPointF ahead(run_.dx, run_.dy);
    const QPointF side(-run_.dy, run_.dx);
    QPainterPath hull;
    hull.moveTo(at + ahead * 8);
    hull.lineTo(at - ahead * 6 + side * 4);
    hull.lineTo(at - ahead * 6 - side * 4);
    hull.closeSubpath();
    painter.setPen(Qt::black);
    painter.setBrush(QColor(20, 120, 20));
    painter.drawPath(hull);
  }

  bool drawn_ = false;
  bool high_ = false;
  bool north_ = true;
  BoatRun run_;
  int step_ = 0;
};

TPressureForm::TPressureForm(AppContext& ctx) : FormBase(ctx, "PressureForm", "Approaching Pressure Center") {
  CreateContents();
}

void TPressureForm::BuildContents() {
  auto* central = new QWidget(this);
  auto* grid = new QGridLayout(central);
  const auto choice = [](QWidget* parent, QLayout* layout, QButtonGroup* group, const char* name, const char* caption) {
    QRadioButton* rb = NamedChoice(parent, group, name, caption);
    layout->addWidget(rb);
    return rb;
  };

  auto* hemisphere = new QGroupBox(central);
  auto* hl = new QHBoxLayout(hemisphere);
  auto* hg = new QButtonGroup(hemisphere);
  rbNorth_ = choice(hemisphere, hl, hg, "RadioButton1", "North");
  rbSouth_ = choice(hemisphere, hl, hg, "RadioButton2", "South");
  grid->addWidget(hemisphere, 0, 0, 1, 2);
  edit5_ = AddFieldRow(central, grid, 1, 0, "Edit5", "Sailing Direction");
  edit6_ = AddFieldRow(central, grid, 2, 0, "Edit6", "Wind Direction");
  edit8_ = AddFieldRow(central, grid, 3, 0, "Edit8", "Barometer pressure");

  auto* units = new QGroupBox(central);
  auto* ul = new QHBoxLayout(units);
  auto* ug = new QButtonGroup(units);
  rbMb_ = choice(units, ul, ug, "RadioButton12", "mb");
  rbMmHg_ = choice(units, ul, ug, "RadioButton13", "mmHg");
  rbIM_ = choice(units, ul, ug, "RadioButton14", "IM");
  grid->addWidget(units, 4, 0, 1, 2);

  auto* baro = new QGroupBox("Barometer Change", central);
  auto* bl = new QVBoxLayout(baro);
  auto* bg = new QButtonGroup(baro);
  rbFalling_ = choice(baro, bl, bg, "RadioButton8", "Falling");
  rbRising_ = choice(baro, bl, bg, "RadioButton9", "Rising");
  rbSteady_ = choice(baro, bl, bg, "RadioButton10", "Steady");
  grid->addWidget(baro, 5, 0);

  auto* wind = new QGroupBox("Wind Change", central);
  auto* wl = new QVBoxLayout(wind);
  auto* wg = new QButtonGroup(wind);
  rbBacking_ = choice(wind, wl, wg, "RadioButton5", "Backing");
  rbVeering_ = choice(wind, wl, wg, "RadioButton6", "Veering");
  rbNone_ = choice(wind, wl, wg, "RadioButton7", "None");
  grid->addWidget(wind, 5, 1);

  QPushButton* ok = NamedButton(central, "Ok", "\u2714");
  ok->setToolTip("Ok");
  grid->addWidget(ok, 6, 0, 1, 2);

  paintBox_ = new PressurePictureView(central);
  grid->addWidget(paintBox_, 0, 2, 6, 1);
  memo_ = ReadOnlyMemo(central);
  memo_->setMinimumWidth(380);
  grid->addWidget(memo_, 7, 0, 1, 3);
  setCentralWidget(central);

  timer_ = new QTimer(this);
  timer_->setInterval(kStepMilliseconds);
  connect(timer_, &QTimer::timeout, this, [this] {
    if (!paintBox_->Advance()) timer_->stop();
  });

  MessageSink& sink = ctx_.platform;
  for (QLineEdit* e : {edit5_, edit6_})
    WatchEntry(e, [&sink](const std::string& t) { return CheckIntRange(t, 360, sink); });
  connect(ok, &QPushButton::clicked, this, [this] { OkClick(); });
  AddMenuAction("Close1", "&Close Form", [this] { close(); });
  AddMenuAction("Print1", "&Print", [this] { PrintForm(); });
  AddMenuAction("Help1", "&Help", [this] { OpenHelp(); });

  memo_->hide();
  rbNorth_->setChecked(true);
  rbBacking_->setChecked(true);
  rbFalling_->setChecked(true);
  rbMb_->setChecked(true);
  ClickOnEnter("Ok");
  KeepTypedValues();
  CloseOnEscape();
}

void TPressureForm::OkClick() {
  const std::optional<int> course = ReadDirection(TextOf(edit5_));
  const std::optional<int> wind = ReadDirection(TextOf(edit6_));
  const std::optional<double> reading = ParseReal(TextOf(edit8_));
  const PressureUnit unit = rbMmHg_->isChecked() ? PressureUnit::MmHg
                            : rbIM_->isChecked() ? PressureUnit::InchHg
                                                 : PressureUnit::Millibar;
  const std::optional<int> mb = reading ? PressureToMillibars(unit, *reading) : std::nullopt;
  if (!course || !wind || !mb) {
    ctx_.platform.Message(kInvalid);
    return;
  }
  PressureSituation s;
  s.north = rbNorth_->isChecked();
  s.course = *course;
  s.windDirection = *wind;
  s.millibars = *mb;
  s.tendency = rbRising_->isChecked() ? BaroTendency::Rising
               : rbSteady_->isChecked() ? BaroTendency::Steady
                                        : BaroTendency::Falling;
  s.windChange = rbVeering_->isChecked() ? WindChange::Veering
                 : rbNone_->isChecked()  ? WindChange::None
                                         : WindChange::Backing;
  const PressureAdvice advice = EvaluatePressure(s);
  memo_->show();
  memo_->clear();
  for (const std::string& line : advice.lines) memo_->appendPlainText(QString::fromStdString(line));
  paintBox_->Start(advice.high, s.north, PlanBoatRun(advice.status, s.course, paintBox_->width()));
  timer_->start();
}

}  // namespace veltrane
