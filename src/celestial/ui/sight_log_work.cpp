// The sight log's work: each sight reduced into the work form, the fix with its residuals,
// ellipse and any blunder, Navigate's run, the plot and the printed work, and the twilight planner.
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QRadioButton>
#include <QTableWidget>
#include <cmath>

#include "astro/star_record.h"
#include "celestial/sight_planner.h"
#include "celestial/sight_plot.h"
#include "celestial/ui/sight_log_text.h"
#include "celestial/ui/sight_log_window.h"
#include "celestial/ui/sight_plot_view.h"
#include "foundation/angles.h"
#include "foundation/calendar.h"
#include "foundation/formats.h"
#include "foundation/numbers.h"
#include "foundation/position_text.h"

namespace veltrane {
namespace {

using namespace sight_log_text;

constexpr const char* kMsgSigma = "The standard error must be a number of minutes from 0.01 to 60";
constexpr const char* kMsgMotion = "Give both the course (0..360) and the speed (0..100 knots) over ground, or neither";
constexpr const char* kMsgFixTime = "Give the fix time as YYYY-MM-DDThh:mm:ss, or leave it empty for the last sight";
constexpr const char* kMsgNoRun = "Navigate has no run between the sights";
constexpr const char* kMsgNoSpan = "The sights span no time to run over";
constexpr const char* kMsgPlanDate = "Give the date as yyyy-MM-dd";

std::string DecText(double dec) { return FmtDegMin(std::fabs(dec)) + (dec > 0.0 ? "  N" : "  S"); }

}  // namespace

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

std::optional<FixRequest> TSightLogForm::ReadRequest() {
  FixRequest request;
  std::optional<std::vector<PreparedSight>> sights = Prepare();
  if (!sights) return std::nullopt;
  const std::optional<PositionRecord> dr = ReadDr();
  if (!dr) return std::nullopt;
  const std::optional<double> course = ParseReal(TextOf(edCourse_)), speed = ParseReal(TextOf(edSpeed_));
  if (!(TrimBlanks(TextOf(edCourse_)).empty() && TrimBlanks(TextOf(edSpeed_)).empty())) {
    if (!course || !speed || *course < 0.0 || *course > 360.0 || *speed < 0.0 || *speed > 100.0) {
      Say(kMsgMotion);
      return std::nullopt;
    }
    request.motion = VesselMotion{*course, *speed};
  }
  request.fixTime = LatestSightTime(*sights);
  if (!TrimBlanks(TextOf(edFixTime_)).empty()) {
    const std::optional<SightInstant> t = ParseUtcText(TrimBlanks(TextOf(edFixTime_)));
    if (!t) {
      Say(kMsgFixTime);
      return std::nullopt;
    }
    request.fixTime = *t;
  }
  request.sights = std::move(*sights);
  request.dr = *dr;
  return request;
}

bool TSightLogForm::ShowWork(const FixRequest& request) {
  grdWork_->setRowCount(static_cast<int>(request.sights.size()));
  for (size_t i = 0; i < request.sights.size(); ++i) {
    const PreparedSight& sight = request.sights[i];
    const std::optional<PositionRecord> from = CarriedTo(request.dr, request.fixTime, sight.utc, request.motion);
    if (!from) {
      Say(kMsgFixUnsettled);
      return false;
    }
    const SightReduction r = ReduceSight(sight, *from);
    const std::string cells[] = {std::to_string(i + 1), BodyText(sights_[i]), FmtDegMin(r.place.gha),
                                 DecText(r.place.dec), FmtDegMin(r.place.lha), SignedDegMin(r.place.hc),
                                 Str(r.place.zn, 1), SignedDegMin(r.corrected.observed),
                                 Str(std::fabs(RoundToScale(r.intercept.miles, 10.0)), 1),
                                 r.intercept.towards ? "Towards" : "Away"};
    for (size_t c = 0; c < std::size(cells); ++c) SetCell(grdWork_, static_cast<int>(i), static_cast<int>(c), cells[c]);
  }
  return true;
}

void TSightLogForm::ReduceClick() {
  ClearResults();
  if (const std::optional<FixRequest> request = ReadRequest()) ShowWork(*request);
}

void TSightLogForm::FixClick() {
  ClearResults();
  std::optional<FixRequest> request = ReadRequest();
  if (!request || !ShowWork(*request)) return;
  const std::optional<double> sigma = ParseReal(TextOf(edSigma_));
  if (!sigma || *sigma < 0.01 || *sigma > 60.0) return Say(kMsgSigma);
  request->sigmaArcmin = *sigma;
  const LeastSquaresFix fix = SolveFix(*request);
  if (!fix.position) return Say(fix.message);
  fix_ = fix;
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
  plot_->Show(SightPlotOf(fix, request->dr));
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

}  // namespace veltrane
