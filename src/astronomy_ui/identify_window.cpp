#include "astronomy_ui/identify_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "astro/identify.h"
#include "astronomy_ui/observer_source.h"
#include "astronomy_ui/sky_texts.h"
#include "coastal/distance_off.h"
#include "foundation/checks.h"
#include "foundation/degmin_field.h"
#include "foundation/formats.h"
#include "foundation/numbers.h"
#include "foundation/ui/named_widgets.h"

namespace veltrane {
namespace {

constexpr const char* kMeasureMessage = "Give the measured height in degrees and minutes and the azimuth in degrees";

}  // namespace

TIdentifyForm::TIdentifyForm(AppContext& ctx) : FormBase(ctx, "IdentifyForm", "Identify", "fIdentify") {
  CreateContents();
}

void TIdentifyForm::BuildContents() {
  AddMenuAction("Close1", "&Close Form", [this] { close(); });
  AddMenuAction("Print1", "&Print", [this] { PrintForm(); });
  AddMenuAction("Help1", "&Help", [this] { OpenHelp(); });
  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* layout = new QVBoxLayout(central);

  auto* measured = new QGroupBox("Measured", central);
  layout->addWidget(measured);
  auto* m = new QGridLayout(measured);
  edHmDeg_ = NamedEdit(measured, "edHmDeg", 40);
  edHmDeg_->setToolTip("Degrees");
  edHmMin_ = NamedEdit(measured, "edHmMin", 50);
  edHmMin_->setToolTip("Minutes");
  edZn_ = NamedEdit(measured, "edZn", 50);
  edZn_->setToolTip("Compass direction");
  cbMg_ = new QComboBox(measured);
  cbMg_->setObjectName("cbMg");
  cbMg_->addItems({"1", "2", "3", "4", "5", "6"});
  cbMg_->setCurrentText("3");
  cbMg_->setToolTip("Faintest magnitude searched");
  m->addWidget(new QLabel("Hm Height", measured), 0, 0);
  m->addWidget(edHmDeg_, 0, 1);
  m->addWidget(new QLabel("°", measured), 0, 2);
  m->addWidget(edHmMin_, 0, 3);
  m->addWidget(new QLabel("'", measured), 0, 4);
  m->addWidget(new QLabel("Zn Azimuth", measured), 1, 0);
  m->addWidget(edZn_, 1, 1);
  m->addWidget(new QLabel("°", measured), 1, 2);
  m->addWidget(new QLabel("Magnitude up to", measured), 2, 0);
  m->addWidget(cbMg_, 2, 1, 1, 2);
  auto* btn = NamedButton(measured, "btnIdentify", "Identify");
  connect(btn, &QPushButton::clicked, this, [this] { btnIdentifyClick(); });
  m->addWidget(btn, 3, 0, 1, 2);
  WatchEntry(edHmDeg_, [this](const std::string& t) { return CheckIntRange(t, 90, ctx_.platform); });
  WatchEntry(edHmMin_, [this](const std::string& t) { return CheckMinutes(TextOf(edHmDeg_), t, 90, ctx_.platform); });
  WatchEntry(edZn_, [this](const std::string& t) { return CheckRealRange(t, 360, ctx_.platform); });

  auto* observed = new QGroupBox("Observed point", central);
  layout->addWidget(observed);
  auto* o = new QGridLayout(observed);
  AddFieldRow(o, 0, "Apparent height", Result("edAppHeight"), "");
  AddFieldRow(o, 1, "Observed height", Result("edObsHeight"), "");
  AddFieldRow(o, 2, "Declination", Result("edDec"), "");
  AddFieldRow(o, 3, "LHA", Result("edLHA"), "");

  auto* best = new QGroupBox("Best matches", central);
  layout->addWidget(best);
  auto* b = new QGridLayout(best);
  const char* heads[] = {"Name", "Declination", "LHA", "Height", "Azimuth", "Magnitude", "Off by"};
  for (int c = 0; c < 7; ++c) b->addWidget(new QLabel(heads[c], best), 0, c);
  const char* columns[] = {"edName", "edDec", "edLHA", "edHeight", "edAz", "edMag", "edDist"};
  for (int row = 1; row <= 2; ++row)
    for (int c = 0; c < 7; ++c) {
      const std::string name = columns[c] + std::to_string(row);
      b->addWidget(Result(name.c_str(), c == 0 ? 150 : 90), row, c);
    }
}

QLineEdit* TIdentifyForm::Result(const char* name, int width) {
  QLineEdit* e = NamedEdit(centralWidget(), name, width);
  e->setReadOnly(true);
  return e;
}

void TIdentifyForm::btnIdentifyClick() {
  const std::optional<double> hm = FieldAngle(TextOf(edHmDeg_), TextOf(edHmMin_), 90);
  const std::optional<double> zn = ParseReal(TextOf(edZn_));
  if (!hm || !zn || *zn < 0.0 || *zn > 360.0) {
    ctx_.platform.Message(kMeasureMessage);
    return;
  }
  if (!observer_) return;
  const std::optional<ObserverReading> at = observer_->ReadObserver();
  if (!at) return;
  const std::string path = ctx_.settingsFolder + "Mstars.dat";
  const std::optional<std::vector<StarRecord>> stars = LoadStarFile(path);
  // Without the star file the planets are still searched.
  if (!stars || stars->empty()) ctx_.platform.Message(" File " + path + " is missing.");

  IdentifyInput in;
  in.observer = at->observer;
  in.instant = at->instant;
  in.measuredHeight = *hm;
  in.dip = DipDeg(at->observer.height * kFeetPerMetre);
  in.azimuth = *zn;
  in.maxMagnitude = ParseReal(cbMg_->currentText().toStdString()).value_or(6.0);
  const IdentifyResult r = IdentifyBody(in, stars.value_or(std::vector<StarRecord>{}), 2);

  auto set = [this](const std::string& name, const std::string& text) {
    findChild<QLineEdit*>(QString::fromStdString(name))->setText(QString::fromStdString(text));
  };
  set("edAppHeight", SignedDegMin(r.apparentHeight));
  set("edObsHeight", SignedDegMin(r.observedHeight));
  set("edDec", SignedDegMin(r.dec));
  set("edLHA", FmtDegMinAbs(r.lha));
  for (size_t i = 0; i < 2; ++i) {
    const std::string n = std::to_string(i + 1);
    const bool has = i < r.matches.size();
    const IdentifyCandidate c = has ? r.matches[i] : IdentifyCandidate{};
    set("edName" + n, has ? c.name + (c.planet ? " (planet)" : "") : "");
    set("edDec" + n, has ? SignedDegMin(c.dec) : "");
    set("edLHA" + n, has ? FmtDegMinAbs(c.lha) : "");
    set("edHeight" + n, has ? SignedDegMin(c.height) : "");
    set("edAz" + n, has ? FmtDegMinAbs(c.azimuth) : "");
    set("edMag" + n, has && c.magnitude ? Str(*c.magnitude, 2) : "");
    set("edDist" + n, has ? FmtDegMinAbs(c.distance) : "");
  }
}

}  // namespace veltrane
