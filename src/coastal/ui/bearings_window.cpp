#include "coastal/ui/bearings_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "coastal/bearing_methods.h"
#include "foundation/checks.h"
#include "foundation/numbers.h"
#include "foundation/ui/click_label.h"
#include "foundation/ui/field_value.h"
#include "foundation/ui/named_widgets.h"

namespace veltrane {
namespace {

struct MethodLine {
  const char* name;
  const char* caption;
  const char* hint;
  const char* explanation;
};

const MethodLine kMethods[] = {
    {"lbMethod1", "1. Distance off Abeam by one Bearing and Run to Beam .", "Click the line",
     "Bearing on the bow of a fixed object, distance run until abeam "},
    {"lbMethod2", "2. Distance off at 2nd Bearing and Run between  .  .  .  .", "Click the line",
     "Two bearings on the bow, distance run between"},
    {"lbMethod3", "3. Distance off Abeam by Two Bearings and Run between .", "Click the line",
     "Two bearings on the bow, distance run between"},
    {"lbMethod4", "4. Run to a given Bearing III and Distance off when there ",
     "2 bearings (1,2) and run between, distance from 1 to given bearing 3. ",
     "First two bearings I and II and run between"},
};

std::string Miles(double x) { return Str(RoundToScale(x, 100.0), 2); }

}  // namespace

TNavBearForm::TNavBearForm(AppContext& ctx) : FormBase(ctx, "NavBearForm", "Bearings") { CreateContents(); }

void TNavBearForm::BuildContents() {
  BuildControls();
  AddMenuAction("Close1", "&Close Form", [this] { close(); });
  AddMenuAction("Print1", "&Print", [this] { PrintForm(); });
  AddMenuAction("Help1", "&Help", [this] { OpenHelp(); });
  ClickOnEnter("btnCount");
  KeepTypedValues();
  CloseOnEscape();
}

void TNavBearForm::BuildControls() {
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->addWidget(
      new QLabel("Click the label of the method, enter the values and click the button COUNT", central));

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("Method", central), 0, 0);
  grid->addWidget(new QLabel("Distance", central), 0, 1);
  Label14_ = NamedLabel(central, "Label14", {});
  Label15_ = NamedLabel(central, "Label15", {});
  Label16_ = NamedLabel(central, "Label16", {});
  Label17_ = NamedLabel(central, "Label17", {});
  Label36_ = NamedLabel(central, "Label36", {});
  QLabel* results[] = {Label14_, Label15_, Label16_, Label17_};
  for (int i = 0; i < 4; ++i) {
    auto* line = new ClickLabel(kMethods[i].name, kMethods[i].caption, central);
    line->setToolTip(kMethods[i].hint);
    connect(line, &ClickLabel::clicked, this, [this, i] { ChooseMethod(i + 1); });
    grid->addWidget(line, i + 1, 0);
    grid->addWidget(results[i], i + 1, 1);
  }
  grid->addWidget(Label36_, 5, 1);
  grid->setColumnMinimumWidth(1, 130);
  column->addLayout(grid);

  lbExplain_ = NamedLabel(central, "lbExplain", {});
  lbMethod_ = NamedLabel(central, "lbMethod", {});
  column->addWidget(lbMethod_);
  column->addWidget(lbExplain_);
  edBearing1_ = NamedEdit(central, "edBearing1");
  edRun_ = NamedEdit(central, "edRun");
  edBearing2_ = NamedEdit(central, "edBearing2");
  edBearing3_ = NamedEdit(central, "edBearing3");
  pnBearing1_ = NamedPanel(central, "pnBearing1", "Bearing I", {edBearing1_});
  pnRun_ = NamedPanel(central, "pnRun", "Run", {edRun_, new QLabel("NM", central)});
  pnBearing2_ = NamedPanel(central, "pnBearing2", "Bearing II", {edBearing2_});
  pnBearing3_ = NamedPanel(central, "pnBearing3", "Bearing III", {edBearing3_});
  for (QWidget* panel : {pnBearing1_, pnRun_, pnBearing2_, pnBearing3_}) column->addWidget(panel);
  for (QLineEdit* bearing : {edBearing1_, edBearing2_, edBearing3_})
    WatchEntry(bearing, [this](const std::string& t) { return CheckRealRange(t, 360, ctx_.platform); });
  WatchEntry(edRun_, [this](const std::string& t) { return CheckRealRange(t, 99, ctx_.platform); });

  auto* count = NamedButton(central, "btnCount", "COUNT");
  connect(count, &QPushButton::clicked, this, &TNavBearForm::btnCountClick);
  column->addWidget(count, 0, Qt::AlignLeft);
  setCentralWidget(central);
}

void TNavBearForm::ChooseMethod(int method) {
  pnBearing2_->setVisible(method > 1);
  pnBearing3_->setVisible(method == 4);
  for (QLineEdit* e : {edBearing1_, edRun_, edBearing2_, edBearing3_}) e->clear();
  for (QLabel* l : {Label14_, Label15_, Label16_, Label17_, Label36_}) l->clear();
  edBearing1_->setFocus();
  lbMethod_->setText(QString("Method %1").arg(method));
  lbExplain_->setText(kMethods[method - 1].explanation);
}

void TNavBearForm::btnCountClick() {
  const double b1 = FieldValue(edBearing1_), b2 = FieldValue(edBearing2_), b3 = FieldValue(edBearing3_);
  const double run = FieldValue(edRun_);
  const QString method = lbMethod_->text();
  QLabel* result = nullptr;
  BearingFix fix;
  if (method == "Method 1") {
    fix = DistanceAbeamByRun(b1, run);
    result = Label14_;
  } else if (method == "Method 2") {
    fix = DistanceAtSecondBearing(b1, b2, run);
    result = Label15_;
  } else if (method == "Method 3") {
    fix = DistanceAbeamByTwoBearings(b1, b2, run);
    result = Label16_;
  } else if (method == "Method 4") {
    fix = RunToThirdBearing(b1, b2, b3, run);
  } else {
    return;
  }
  if (!fix.fault.empty()) {
    ctx_.platform.Message(fix.fault);
    return;
  }
  if (result) {
    result->setText(QString::fromStdString(Miles(fix.distance) + "  NM"));
  } else {
    Label17_->setText(QString::fromStdString("Run " + Miles(fix.run) + "  NM"));
    Label36_->setText(QString::fromStdString("Dist " + Miles(fix.distance) + " NM"));
  }
}

}  // namespace veltrane
