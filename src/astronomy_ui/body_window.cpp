#include "astronomy_ui/body_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "astro/moon_illumination.h"
#include "astronomy_ui/jupiter_window.h"
#include "astronomy_ui/moon_phase_box.h"
#include "astronomy_ui/observer_source.h"
#include "astronomy_ui/sky_texts.h"
#include "foundation/formats.h"
#include "foundation/numbers.h"
#include "foundation/ui/named_widgets.h"

namespace veltrane {
namespace {

struct PlanetLabel {
  const char* label;
  Planet planet;
};
constexpr PlanetLabel kPlanetLabels[] = {
    {"MERCURY", Planet::Mercury}, {"VENUS", Planet::Venus},     {"MARS", Planet::Mars},
    {"JUPITER", Planet::Jupiter}, {"SATURN", Planet::Saturn},   {"URANUS", Planet::Uranus},
    {"NEPTUNE", Planet::Neptune},
};

std::optional<SkyBody> BodyOfLabel(const std::string& label) {
  SkyBody body;
  if (label == "SUN") return body;
  if (label == "MOON") {
    body.kind = BodyKind::Moon;
    return body;
  }
  for (const PlanetLabel& p : kPlanetLabels)
    if (label == p.label) {
      body.kind = BodyKind::Planet;
      body.planet = p.planet;
      return body;
    }
  return std::nullopt;
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

std::string Title(const std::string& label) {
  std::string t = label;
  for (size_t i = 1; i < t.size(); ++i)
    if (t[i] >= 'A' && t[i] <= 'Z') t[i] = static_cast<char>(t[i] - 'A' + 'a');
  return t;
}

}  // namespace

TPlanetForm::TPlanetForm(AppContext& ctx) : FormBase(ctx, "PlanetForm", "Celestial Body", "fPlanet") {
  CreateContents();
}

void TPlanetForm::BuildContents() {
  AddMenuAction("Close1", "&Close Form", [this] { close(); });
  AddMenuAction("Print1", "&Print", [this] { PrintForm(); });
  AddMenuAction("Help1", "&Help", [this] { OpenHelp(); });

  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* columns = new QHBoxLayout(central);
  auto* left = new QVBoxLayout;
  columns->addLayout(left);
  lbBody_ = NamedLabel(central, "lbBody", "");
  QFont big = lbBody_->font();
  big.setPointSize(big.pointSize() + 4);
  big.setBold(true);
  lbBody_->setFont(big);
  left->addWidget(lbBody_);

  auto* grid = new QGridLayout;
  left->addLayout(grid);
  const struct {
    const char* name;
    const char* caption;
    const char* unit;
  } rows[] = {
      {"edJulianDay", "Julian Day", ""},
      {"edDeltaT", "DeltaTime TD-UT", "s"},
      {"edRA", "Right Ascension", ""},
      {"edDec", "Declination", ""},
      {"edGHA", "Greenwich Hour Angle", ""},
      {"edLHA", "Local Hour Angle", ""},
      {"edAltitude", "Altitude", ""},
      {"edAltRefraction", "Altitude with refraction", ""},
      {"edAzimuth", "Azimuth", ""},
      {"edMagnitude", "Magnitude", ""},
      {"edDistance", "Distance", ""},
      {"Edit4", "Rising (local time)", ""},
      {"edTransit", "Transit (local time)", ""},
      {"edSetting", "Setting (local time)", ""},
  };
  int row = 0;
  for (const auto& r : rows) AddFieldRow(grid, row++, r.caption, Result(r.name), r.unit);

  auto* twilight = new QGridLayout;
  left->addLayout(twilight);
  twilight->addWidget(new QLabel("Twilight (local time)", central), 0, 0);
  twilight->addWidget(new QLabel("begins", central), 0, 1);
  twilight->addWidget(new QLabel("ends", central), 0, 2);
  const struct {
    const char* caption;
    const char* begin;
    const char* end;
  } kinds[] = {{"Civil", "edCivilBegin", "edCivilEnd"},
               {"Nautical", "edNauticalBegin", "edNauticalEnd"},
               {"Astronomical", "edAstroBegin", "edAstroEnd"}};
  row = 1;
  for (const auto& k : kinds) {
    twilight->addWidget(new QLabel(k.caption, central), row, 0);
    twilight->addWidget(Result(k.begin), row, 1);
    twilight->addWidget(Result(k.end), row, 2);
    ++row;
  }

  auto* phase = new QHBoxLayout;
  left->addLayout(phase);
  paintBox_ = new MoonPhaseBox(central);
  phase->addWidget(paintBox_);
  auto* phaseTexts = new QVBoxLayout;
  phase->addLayout(phaseTexts);
  lblPhase_ = NamedLabel(central, "lblPhase", "");
  lblPhase_->setToolTip("Illuminated part of the disk");
  lbFas_ = NamedLabel(central, "lbFas", "");
  lbFas_->setToolTip("Elongation from the Sun in degrees");
  phaseTexts->addWidget(lblPhase_);
  phaseTexts->addWidget(lbFas_);
  btnSatellit_ = NamedButton(central, "btnSatellit", "Satellites");
  btnSatellit_->setToolTip("Click two times");
  connect(btnSatellit_, &QPushButton::clicked, this, [this] { btnSatellitClick(); });
  phase->addWidget(btnSatellit_);
  phase->addStretch();
  left->addStretch();

  auto* listing = new QHBoxLayout;
  columns->addLayout(listing);
  memo1_ = new QPlainTextEdit(central);
  memo1_->setObjectName("Memo1");
  memo2_ = new QPlainTextEdit(central);
  memo2_->setObjectName("Memo2");
  for (QPlainTextEdit* memo : {memo1_, memo2_}) {
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setMinimumWidth(190);
    listing->addWidget(memo);
  }
  paintBox_->hide();
  btnSatellit_->hide();
}

QLineEdit* TPlanetForm::Result(const char* name) {
  QLineEdit* e = NamedEdit(centralWidget(), name, 130);
  e->setReadOnly(true);
  return e;
}

bool TPlanetForm::ShowBody(const std::string& label) {
  EnsureBuilt();
  const std::optional<SkyBody> body = BodyOfLabel(label);
  if (!body) return false;
  return Compute(*body, Title(label));
}

bool TPlanetForm::ShowStar(const std::string& name, const std::string& ra, const std::string& dec,
                           const std::string& prpA, const std::string& prpD, const std::string& magnitude) {
  EnsureBuilt();
  SkyBody body;
  body.kind = BodyKind::Star;
  body.star = ReadStarCatalogueData(ra, dec, prpA, prpD);
  body.starMagnitude = ParseReal(magnitude);
  return Compute(body, name);
}

void TPlanetForm::TakeStar(const ChosenStar& star) {
  ShowStar(star.name, star.ra, star.dec, star.prpA, star.prpD, star.vmagn);
}

bool TPlanetForm::Compute(const SkyBody& body, const std::string& title) {
  if (!observer_) return false;
  const std::optional<ObserverReading> at = observer_->ReadObserver();
  if (!at) return false;
  Listing listing;
  const BodySummary s = SummarizeBody(body, at->observer, at->instant, at->zoneHours, &listing);
  lastInstant_ = at->instant;
  lbBody_->setText(Q(title));
  Show(s, at->zoneHours);
  ShowPhase(s, body.kind);
  btnSatellit_->setVisible(body.kind == BodyKind::Planet && body.planet == Planet::Jupiter);
  QStringList captions, values;
  for (const std::string& c : listing.captions) captions << Q(c);
  for (const std::string& v : listing.values) values << Q(v);
  memo1_->setPlainText(captions.join('\n'));
  memo2_->setPlainText(values.join('\n'));
  ShowForm();
  return true;
}

void TPlanetForm::Show(const BodySummary& s, double zoneHours) {
  auto set = [this](const char* name, const std::string& text) {
    findChild<QLineEdit*>(name)->setText(Q(text));
  };
  set("edJulianDay", Str(s.jd, 5));
  set("edDeltaT", Str(s.deltaT, 1));
  set("edRA", FmtHMS(s.ra / 15.0));
  set("edDec", SignedDegMin(s.dec));
  set("edGHA", FmtDegMinAbs(s.gha));
  set("edLHA", FmtDegMinAbs(s.lha));
  set("edAltitude", SignedDegMin(s.altitude));
  set("edAltRefraction", SignedDegMin(s.refractedAltitude));
  set("edAzimuth", FmtDegMinAbs(s.azimuth));
  set("edMagnitude", s.magnitude ? Str(*s.magnitude, 1) : "");
  set("edDistance", s.distanceKm   ? Str(*s.distanceKm, 0) + " km"
                    : s.distanceAu ? Str(*s.distanceAu, 5) + " AU"
                                   : "");
  const RiseTransitSetResult& r = s.riseTransitSet;
  const bool crosses = r.status == HorizonStatus::Crosses;
  set("Edit4", crosses ? LocalClock(24.0 * r.rise, zoneHours) : HorizonStatusText(r.status));
  set("edTransit", LocalClock(24.0 * r.transit, zoneHours));
  set("edSetting", crosses ? LocalClock(24.0 * r.set, zoneHours) : "");
  auto twilight = [&](const char* begin, const char* end, const SunCrossings& c) {
    set(begin, c.morning ? LocalClock(c.morning, zoneHours) : "none");
    set(end, c.evening ? LocalClock(c.evening, zoneHours) : "none");
  };
  twilight("edCivilBegin", "edCivilEnd", s.twilight.civil);
  twilight("edNauticalBegin", "edNauticalEnd", s.twilight.nautical);
  twilight("edAstroBegin", "edAstroEnd", s.twilight.astronomical);
}

void TPlanetForm::ShowPhase(const BodySummary& s, BodyKind kind) {
  if (!s.phase) {
    lblPhase_->clear();
    lbFas_->clear();
    paintBox_->hide();
    return;
  }
  const std::string percent = MoonPercentText(s.phase->illuminatedPercent);
  lblPhase_->setText(Q(percent + "%"));
  if (kind == BodyKind::Moon) {
    const std::string elongation = IntStr(RoundHalfEven(s.phase->elongation));
    lbFas_->setText(Q(elongation));
    paintBox_->SetPhase(percent, elongation);
    paintBox_->show();
  } else {
    lbFas_->clear();
    paintBox_->hide();
  }
}

void TPlanetForm::btnSatellitClick() {
  if (jupiter_ && lastInstant_) jupiter_->ShowSatellites(lastInstant_->jd0, lastInstant_->hours);
}

}  // namespace veltrane
