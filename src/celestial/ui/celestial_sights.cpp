// The sights of the celestial navigation window: what each button reads, computes and shows.
#include <QAction>
#include <cmath>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "celestial/lines_of_position.h"
#include "celestial/noon_and_time_sights.h"
#include "celestial/sight_reduction.h"
#include "celestial/ui/celestial_window.h"
#include "foundation/angles.h"
#include "foundation/degmin_field.h"
#include "foundation/formats.h"
#include "foundation/numbers.h"

namespace veltrane {
namespace {

constexpr const char* kModeNavigate = "Navigate";
constexpr const char* kModeCount = "Count position";
constexpr const char* kModeNoon = "Noon latitude";
constexpr const char* kModeEqualA = "Equal heights A";
constexpr const char* kModeEqualB = "Equal heights B";
constexpr const char* kModeTimeSight = "Time Sight";
constexpr const char* kMsgNoLines = "Take a sight for each line of position first";
constexpr const char* kMsgNoonHeight = "The noon height does not fit the assumed latitude";

QString Q(const std::string& s) { return QString::fromStdString(s); }

std::string Hemisphere(double value, const char* positive, const char* negative) {
  return std::string("  ") + (value > 0.0 ? positive : negative);
}

std::optional<double> LabelValue(const QLabel* label) { return ParseReal(label->text().toStdString()); }

}  // namespace

// --- Panels and result fields -------------------------------------------------------------

void TBrellinForm::InitResults() {
  for (QLineEdit* e : {edtDeclination_, edtGHA_, edtLHA_, edtHc_, edtHcRef_, edtAzimuth_, edtAltCorr_,
                       edtAppHeight_, edtObsHeight_, edtDifference_})
    e->clear();
}

void TBrellinForm::OpenFix() {
  for (QWidget* w : {pnlPlanet_, static_cast<QWidget*>(lblLHA_), static_cast<QWidget*>(edtLHA_), pnlHeight_,
                     pnlObsHeight_, pnlDifference_, pnlLocat_})
    w->show();
  InitResults();
}

void TBrellinForm::CloseFix() {
  InitResults();
  pnlPlanet_->hide();
  HideReductionPanels();
}

void TBrellinForm::ClearLopDisplay() {
  pnlLocat_->hide();
  for (QLabel* l : {lbLat1_, lbLon1_, lbAngle1_, lbLat2_, lbLon2_, lbAngle2_}) l->clear();
  for (QLabel* l : {captionLat2_, captionLon2_, captionAngle2_}) l->hide();
  for (QLineEdit* e : {edtDifference_, edtObsHeight_, edtAppHeight_}) e->clear();
  lopTwo_.reset();
}

void TBrellinForm::ShowLop(PositionRecord lop) {
  lop = NormaliseLop(lop);
  current_ = lop;
  const QString lat = Q(Str(lop.Lat, 4)), lon = Q(Str(lop.Lon, 4)), dir = Q(Str(lop.Direction, 4));
  if (lblSight_->text() == "I") {
    lbLat1_->setText(lat);
    lbLon1_->setText(lon);
    lbAngle1_->setText(dir);
    return;
  }
  for (QLabel* l : {captionLat2_, captionLon2_, captionAngle2_}) l->show();
  lbLat2_->setText(lat);
  lbLon2_->setText(lon);
  lbAngle2_->setText(dir);
  lopTwo_ = lop;
}

void TBrellinForm::ShowPosition(const std::optional<double>& lat, const std::optional<double>& lon) {
  if (lat) edtLatitude_->setText(Q(FmtDegMin(std::fabs(*lat)) + Hemisphere(*lat, "N", "S")));
  if (lon) edtLongitude_->setText(Q(FmtDegMin(std::fabs(*lon)) + Hemisphere(*lon, "W", "E")));
}

void TBrellinForm::ShowCorrection(const CorrectedSight& c) {
  edtAppHeight_->setText(Q(FmtDegMin(c.apparent)));
  edtObsHeight_->setText(Q(FmtDegMin(c.observed)));
  edtAltCorr_->setText(Q(Str(c.correction, 2) + "'"));
}

void TBrellinForm::HideReductionPanels() {
  for (QWidget* w : {static_cast<QWidget*>(lblLHA_), static_cast<QWidget*>(edtLHA_), pnlHeight_, pnlObsHeight_,
                     pnlDifference_})
    w->hide();
}

void TBrellinForm::TakeNavigateEnd() {
  if (!navigate_) return;
  const PositionText end = navigate_->EndPosition();
  // An empty or unreadable end position leaves the assumed position as it is.
  if (FieldAngle(end.lat.deg, end.lat.min, 90) && FieldAngle(end.lon.deg, end.lon.min, 180)) SetAssumedTexts(end);
}

void TBrellinForm::WriteAssumed(const PositionRecord& assumed) {
  PositionRecord shown = assumed;
  shown.Lon = Norm180(assumed.Lon);
  assumed_.Show(shown);
}

void TBrellinForm::ShowEphemeris(const BodyPlace& p) {
  edtDeclination_->setText(Q(FmtDegMin(std::fabs(p.dec)) + Hemisphere(p.dec, "N", "S")));
  edtGHA_->setText(Q(FmtDegMin(p.gha)));
  edtLHA_->setText(Q(FmtDegMin(p.lha)));
  edtHc_->setText(Q((p.hc < 0.0 ? "-" : "") + FmtDegMin(std::fabs(p.hc))));
  edtAzimuth_->setText(Q(Str(p.zn, 1) + kDegreeSign));
  if (p.hc + p.refraction >= 0.0) edtHcRef_->setText(Q(FmtDegMin(p.hc + p.refraction)));
}

// --- Readings -----------------------------------------------------------------------------

std::optional<SightInputs> TBrellinForm::ReadInputs() {
  for (const AngleFields* angle : {&assumed_.lat, &assumed_.lon})
    if (TextOf(angle->min).empty()) angle->min->setText("0.0");
  SightFieldTexts t;
  const PositionText p = AssumedTexts();
  t.latDeg = p.lat.deg, t.latMin = p.lat.min, t.south = p.lat.minus;
  t.lonDeg = p.lon.deg, t.lonMin = p.lon.min, t.east = p.lon.minus;
  t.eyeHeight = TextOf(edtHeight_), t.pressure = TextOf(edtPressure_), t.temperature = TextOf(edtTemperature_);
  t.date = date_->date().toString("yyyy-MM-dd").toStdString();
  t.time = TextOf(edtTime_);
  const SightInputsReading r = ReadSightInputs(t);
  if (!r.inputs) Say(r.message);
  return r.inputs;
}

std::optional<MeasuredHeight> TBrellinForm::ReadHeight() {
  const std::optional<int> deg = ParseInt(TextOf(edtMeasDeg_));
  if (deg && edtMeasMin_->text().trimmed().isEmpty()) edtMeasMin_->setText("00.0");
  std::optional<MeasuredHeight> h = ReadMeasuredHeight(TextOf(edtMeasDeg_), TextOf(edtMeasMin_));
  // The same bounds as the fields' checks while typing.
  if (h && !FieldAngle(std::to_string(std::abs(h->deg)), TextOf(edtMeasMin_), 90)) h.reset();
  if (!h) {
    Say(kMsgMeasuredHeight);
    edtMeasDeg_->setFocus();
  }
  return h;
}

std::optional<SextantData> TBrellinForm::ReadSextantFields() {
  const SextantReading r = ReadSextant({TextOf(edtSextant_), TextOf(edtHeight_), TextOf(edtObstr_),
                                        TextOf(edtPressure_), TextOf(edtTemperature_),
                                        upper_->isChecked()   ? Limb::Upper
                                        : lower_->isChecked() ? Limb::Lower
                                                              : Limb::Unset});
  if (!r.data) Say(r.message);
  return r.data;
}

std::optional<BodyPlace> TBrellinForm::Ephemeris(const SightInputs& in) {
  StarCatalogueData star;
  if (body_ == NavBody::Star) {
    if (star_.name.empty()) {
      Say("A star must be chosen");
      return std::nullopt;
    }
    star = ReadStarCatalogueData(star_.ra, star_.dec, star_.prpA, star_.prpD);
    lblPlanet_->setText(Q(star_.name));
  }
  const SightObserver observer{in.assumed, in.eyeHeight, in.pressure, in.temperature};
  return BodyEphemeris(body_, &star, observer, {in.date, in.ut});
}

std::optional<PositionRecord> TBrellinForm::LopOne() const {
  const std::optional<double> lat = LabelValue(lbLat1_), lon = LabelValue(lbLon1_), dir = LabelValue(lbAngle1_);
  if (!lat || !lon || !dir) return std::nullopt;
  return PositionRecord{*dir, *lat, *lon};
}

// --- Body sights --------------------------------------------------------------------------

void TBrellinForm::BodyClick(NavBody body) {
  OpenFix();
  body_ = body;
  lblPlanet_->setText(Q(NavBodyName(body)));
  if (Mode() != kModeTimeSight) ComputeBodySight();
}

void TBrellinForm::StarsClick() {
  OpenFix();
  body_ = NavBody::Star;
  lblPlanet_->setText("STAR");
  if (stars_) stars_->PickStar(StarUse::Fix, this);
}

void TBrellinForm::TakeStar(const ChosenStar& star) {
  EnsureBuilt();
  star_ = star;
  body_ = NavBody::Star;
  ShowForm();
  lblPlanet_->setText(Q(star.name));
  if (Mode() != kModeTimeSight) ComputeBodySight();
}

void TBrellinForm::ComputeBodySight() {
  const std::optional<SightInputs> in = ReadInputs();
  if (!in) return;
  const std::optional<BodyPlace> place = Ephemeris(*in);
  if (!place) return;
  ShowEphemeris(*place);
  const std::optional<MeasuredHeight> h = ReadHeight();
  if (!h) return;
  const std::optional<SextantData> sextant = ReadSextantFields();
  if (!sextant) return;
  if (dastrow_->isChecked() && body_ != NavBody::Moon) {
    const QuickCorrection q = QuickTableCorrection(body_ == NavBody::Sun ? QuickBody::Sun : QuickBody::StarOrPlanet, *h);
    edtAltCorr_->setText(Q(q.text));
    edtObsHeight_->setText(Q(FmtDegMin(q.corrected)));
    return;  // the quick table gives no line of position
  }
  const double hs = DegMinToDeg(h->deg, h->min);
  const CorrectedSight c = CorrectForBody(body_, hs, *sextant, *place);
  ShowCorrection(c);
  if (c.observed < 0.0) return;
  const Intercept i = PlotIntercept(in->assumed, place->zn, c.observed, place->hc);
  edtDifference_->setText(Q(Str(RoundToScale(i.miles, 10.0), 1)));
  (i.towards ? towards_ : away_)->setChecked(true);
  if (i.lop) ShowLop(*i.lop);
}

// --- Procedures ---------------------------------------------------------------------------

void TBrellinForm::NoonClick() {
  SetMode(kModeNoon);
  CloseFix();
  body_ = NavBody::Sun;
  lblPlanet_->setText("SUN");
  lblNoon_->setText("Noon Utc");
  const std::optional<SightInputs> in = ReadInputs();
  if (!in) return;
  edtNoon_->setText(Q(FmtHMS(NoonTime(in->date, in->assumed.Lon, in->assumed.Lat))));
}

void TBrellinForm::EqualClick() {
  CloseFix();
  SetMode(kModeEqualA);
  Say("Give the first time and the height of a body and press <Calculate>");
}

void TBrellinForm::LongTsfClick() {
  CloseFix();
  SetMode(kModeTimeSight);
  Say("Enter an accurate latitude, the time and height of a body near the prime vertical, choose a body and "
      "press <Calculate>");
}

void TBrellinForm::SightOneClick() {
  InitResults();
  pnlPosition_->hide();
  edtLatitude_->clear();
  edtLongitude_->clear();
  SetMode({});
  lblSight_->setText("I");
  ClearLopDisplay();
  current_.reset();
  if (navigate_) navigate_->ClearForNewSight();
}

void TBrellinForm::NavigateClick() {
  if (navigate_) navigate_->StartFrom(AssumedTexts());
  // Between the two sights of equal altitudes the second sight is still to come.
  if (Mode() != kModeEqualB) SetMode(kModeNavigate);
}

void TBrellinForm::NewAssumedClick() {
  if (navigate_) SetAssumedTexts(navigate_->EndPosition());
}

void TBrellinForm::SightTwoClick() {
  CloseFix();
  edtMeasDeg_->clear();
  edtMeasMin_->clear();
  if (Mode() != kModeNavigate) {
    Say("No course between sights");
  } else if (navigate_) {
    TakeNavigateEnd();
    const std::optional<PositionRecord> first = LopOne();
    const std::optional<double> course = ParseReal(navigate_->RunCourse());
    const std::optional<double> distance = ParseReal(navigate_->RunDistance());
    const std::optional<PositionRecord> moved =
        first ? AdvanceLop(*first, course.value_or(0.0), distance.value_or(0.0)) : std::nullopt;
    if (moved) {
      for (QLabel* l : {lbLat1_, lbLon1_, lbAngle1_}) l->clear();
      ShowLop(*moved);
    } else {
      Say(first ? "The run crosses a pole" : kMsgNoLines);
    }
  }
  lblSight_->setText("II");
  SetMode({});
}

void TBrellinForm::CalculateClick() {
  pnlLocat_->show();
  const QString mode = Mode();
  if (mode == kModeNoon) return NoonLatitude();
  if (mode == kModeEqualA) return EqualHeightsFirst();
  if (mode == kModeEqualB) return EqualHeightsSecond();
  if (mode == kModeTimeSight) return TimeSightCalc();
  if (mode == kModeCount || lblSight_->text() == "II") Fix();
}

void TBrellinForm::Fix() {
  if (current_ && lblSight_->text() != "I") ShowLop(*current_);
  const std::optional<PositionRecord> first = LopOne();
  if (!first || !lopTwo_) return Say(kMsgNoLines);
  const std::optional<PositionRecord> fix = CrossLops(*first, *lopTwo_);
  if (!fix) return Say(kMsgParallelLop);
  pnlPosition_->show();
  ShowPosition(fix->Lat, fix->Lon);
}

void TBrellinForm::NoonLatitude() {
  body_ = NavBody::Sun;
  const std::optional<SightInputs> in = ReadInputs();
  if (!in) return;
  const std::optional<BodyPlace> sun = Ephemeris(*in);
  if (!sun) return;
  const std::optional<MeasuredHeight> h = ReadHeight();
  if (!h) return;
  const std::optional<SextantData> sextant = ReadSextantFields();
  if (!sextant) return;
  const CorrectedSight c = CorrectSunSight(DegMinToDeg(h->deg, h->min), *sextant, sun->radiusVector);
  ShowCorrection(c);
  const double lat = veltrane::NoonLatitude(in->assumed.Lat, sun->dec, c.observed);
  if (std::fabs(lat) > 90.0) return Say(kMsgNoonHeight);
  pnlPosition_->show();
  ShowPosition(lat, std::nullopt);
  PositionRecord assumed = in->assumed;
  assumed.Lat = lat;
  WriteAssumed(assumed);
  ShowLop({90.0, lat, assumed.Lon});
}

void TBrellinForm::EqualHeightsFirst() {
  body_ = NavBody::Sun;
  lblPlanet_->setText("SUN");
  HideReductionPanels();
  const std::optional<SightInputs> in = ReadInputs();
  if (!in) return;
  snapshotA_ = in->assumed;
  timeA_ = in->ut;
  Say("Press Navigate or give the second time and press <Calculate>");
  SetMode(kModeEqualB);
}

void TBrellinForm::EqualHeightsSecond() {
  TakeNavigateEnd();
  pnlPlanet_->show();
  pnlPosition_->show();
  HideReductionPanels();
  body_ = NavBody::Sun;
  lblPlanet_->setText("SUN");
  const std::optional<SightInputs> in = ReadInputs();
  if (!in) return Say("Error in height input");
  const std::optional<MeasuredHeight> h = ReadMeasuredHeight(TextOf(edtMeasDeg_), TextOf(edtMeasMin_));
  if (h) {
    const std::optional<EqualAltitudeAdjustment> a =
        AdjustSecondHeight(snapshotA_.Lat, in->assumed.Lat, h->deg, h->min);
    if (a) {
      edtMeasDeg_->setText(QString::number(a->deg));
      edtMeasMin_->setText(Q(Str(a->min, 1)));
      Say("Look at the Measured height for the second measurement");
    }
  }
  const EqualAltitudeResult r = EqualAltitudeLongitude(in->date, timeA_, in->ut);
  lblNoon_->setText("Middle time");
  edtNoon_->setText(Q(FmtHMS(r.middle)));
  edtDeclination_->setText(Q(FmtDegMin(std::fabs(r.dec)) + Hemisphere(r.dec, "N", "S")));
  edtGHA_->setText(Q(FmtDegMin(r.gha)));
  ShowPosition(std::nullopt, r.lon);
  PositionRecord assumed = in->assumed;
  assumed.Lon = r.lon;
  WriteAssumed(assumed);
  ShowLop({0.0, assumed.Lat, r.lon});
  if (!h) Say("Error in height input");
}

void TBrellinForm::TimeSightCalc() {
  pnlPlanet_->show();
  pnlPosition_->show();
  pnlDifference_->hide();
  const std::optional<SightInputs> in = ReadInputs();
  if (!in) return;
  const std::optional<BodyPlace> place = Ephemeris(*in);
  if (!place) return;
  const std::optional<MeasuredHeight> h = ReadHeight();
  if (!h) return;
  const std::optional<TimeSightResult> t =
      TimeSight(in->assumed.Lat, place->dec, place->gha, place->zn, DegMinToDeg(h->deg, h->min));
  if (!t) return Say(kMsgTimeSight);
  ShowEphemeris(*place);
  edtLHA_->setText(Q(FmtDegMin(std::fabs(t->meridianAngle)) + Hemisphere(t->meridianAngle, "W", "E")));
  ShowPosition(std::nullopt, t->lon);
  PositionRecord assumed = in->assumed;
  assumed.Lon = t->lon;
  WriteAssumed(assumed);
  ShowLop({0.0, assumed.Lat, t->lon});
}

// --- Small buttons and menus --------------------------------------------------------------

void TBrellinForm::ResetClick() {
  ClearLopDisplay();
  for (QLineEdit* e : {edtLatitude_, edtLongitude_, edtMeasDeg_, edtMeasMin_, edtObstr_, edtNoon_}) e->clear();
  pnlPosition_->hide();
  SetMode({});
  lblSight_->setText("I");
  current_.reset();
  CloseFix();
}

void TBrellinForm::ClockClick() {
  edtTime_->setText(btClock1_->text().section(' ', 0, 0));
  date_->setDate(ctx_.platform.NowUtc().date());
}

void TBrellinForm::Demo(int which) {
  struct DemoData {
    PositionText position;
    QDate date;
    const char *time, *measDeg, *measMin;
  };
  static const DemoData demos[] = {
      {{{"39", "46", false}, {"52", "24", false}}, QDate(1977, 3, 31), "13:53:24", "47", "41"},
      {{{"41", "10", false}, {"22", "22", false}}, QDate(1977, 6, 12), "10:54:14", "52", "36"},
      {{{"41", "22", false}, {"166", "35", true}}, QDate(1977, 6, 11), "22:29:21", "54", "40"},
  };
  const DemoData& d = demos[which];
  SetAssumedTexts(d.position);
  date_->setDate(d.date);
  edtTime_->setText(d.time);
  edtMeasDeg_->setText(d.measDeg);
  edtMeasMin_->setText(d.measMin);
}

void TBrellinForm::DastrowClick() { lbDastrow_->setVisible(dastrow_->isChecked()); }

}  // namespace veltrane
