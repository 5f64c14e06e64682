#include "coastal/ui/nav_fields.h"

#include <QComboBox>
#include <QLineEdit>
#include <cmath>

#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace veltrane {

namespace {

std::vector<std::string> CompassFolders(const AppContext& ctx) { return {ctx.DataFolder()}; }

}  // namespace

bool IsEmpty(const QLineEdit* edit) { return edit->text().trimmed().isEmpty(); }

std::optional<double> ReadNumber(const QLineEdit* edit) {
  if (IsEmpty(edit)) return 0.0;
  return ParseReal(edit->text().toStdString());
}

std::optional<double> ReadVariation(const QLineEdit* deg, const QLineEdit* min, bool west, double limit) {
  if (IsEmpty(deg)) return 0.0;
  const std::string degText = deg->text().toStdString();
  const double v = DegMinTextToDeg(degText, min->text().toStdString());
  if (v == kNoValue || !ParseInt(degText) || std::fabs(v) > limit) return std::nullopt;
  return west ? -v : v;
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
