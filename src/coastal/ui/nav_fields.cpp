#include "coastal/ui/nav_fields.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <cmath>

#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace veltrane {

namespace {

std::vector<std::string> CompassFolders(const AppContext& ctx) { return {ctx.DataFolder()}; }

}  // namespace

bool IsEmpty(const QLineEdit* edit) { return edit->text().trimmed().isEmpty(); }

double ReadNumber(const QLineEdit* edit, bool& good) {
  if (IsEmpty(edit)) return 0.0;
  const auto v = ParseReal(edit->text().toStdString());
  if (!v) good = false;
  return v.value_or(0.0);
}

std::optional<double> ReadAngle(const AngleFields& f, double limit, bool& good) {
  if (IsEmpty(f.deg)) return std::nullopt;
  if (IsEmpty(f.min)) f.min->setText("0.0");
  if (!ParseInt(f.deg->text().toStdString())) good = false;
  const double v = DegMinTextToDeg(f.deg->text().toStdString(), f.min->text().toStdString());
  if (v == kNoValue) {
    good = false;
    return 0.0;
  }
  if (std::fabs(v) > limit) return std::nullopt;  // a place not on the globe
  return f.minus->isChecked() ? -v : v;
}

double ReadVariation(const QLineEdit* deg, const QLineEdit* min, bool west, double limit, bool& good) {
  if (IsEmpty(deg)) return 0.0;
  const std::string degText = deg->text().toStdString();
  const double v = DegMinTextToDeg(degText, min->text().toStdString());
  if (v == kNoValue || !ParseInt(degText) || std::fabs(v) > limit) {
    good = false;
    return 0.0;
  }
  return west ? -v : v;
}

void ShowAngle(const AngleFields& f, double value) {
  const DegMin dm = SplitDegMinRounded(std::fabs(value));
  const double minutes = RoundToScale(dm.min, 10.0);
  f.deg->setText(QString::number(dm.deg));
  f.min->setText(QString::fromStdString((minutes < 10.0 ? "0" : "") + Str(minutes, 1)));
  // What shows as zero is on the equator or the prime meridian: north or west, not a stray sign.
  const bool zero = dm.deg == 0 && minutes == 0.0;
  (value < 0.0 && !zero ? f.minus : f.plus)->setChecked(true);
}

void AddAngleRow(QGridLayout* grid, int row, const QString& label, const AngleFields& f) {
  grid->addWidget(new QLabel(label), row, 0);
  grid->addWidget(f.deg, row, 1);
  grid->addWidget(f.min, row, 2);
  grid->addWidget(f.plus, row, 3);
  grid->addWidget(f.minus, row, 4);
}

void SetInput(QLineEdit* edit, bool input) {
  QPalette p = edit->palette();
  p.setColor(QPalette::Base, input ? edit->style()->standardPalette().color(QPalette::Base)
                                   : edit->style()->standardPalette().color(QPalette::Button));
  edit->setPalette(p);
}

void FillCompassList(QComboBox* box, const AppContext& ctx) {
  const QString current = box->currentText();
  box->clear();
  box->addItem("Ideal");
  for (const auto& name : CompassNames(CompassFolders(ctx))) box->addItem(QString::fromStdString(name));
  box->setCurrentText(current.isEmpty() ? QString("Ideal") : current);
}

CompassTable ChosenCompass(const AppContext& ctx, const QComboBox* box) {
  return FindCompassTable(CompassFolders(ctx), box->currentText().trimmed().toStdString());
}

int CompassDeviation(AppContext& ctx, const QComboBox* box, double heading, HeadingKind kind) {
  const CompassTable compass = ChosenCompass(ctx, box);
  if (!compass.message.empty()) ctx.platform.Message(compass.message);
  return compass.table ? DeviationAtHeading(*compass.table, heading, kind) : 0;
}

}  // namespace veltrane
