#include "storm/ui/position_fields.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "foundation/degmin_field.h"
#include "foundation/ui/form_base.h"
#include "foundation/ui/named_widgets.h"
#include "storm/position_texts.h"
#include "storm/ui/storm_fields.h"

namespace veltrane {
namespace {

constexpr int kMaxLat = 90;
constexpr int kMaxLon = 180;

constexpr int kEditWidth = 56;

QLineEdit* AddEdit(QWidget* parent, QGridLayout* grid, int row, int column, const char* name) {
  QLineEdit* e = NamedEdit(parent, name, kEditWidth);
  grid->addWidget(e, row, column);
  return e;
}

std::optional<double> ReadPart(QLineEdit* deg, QLineEdit* min, int maxDeg) {
  if (TextOf(deg).empty()) return std::nullopt;
  if (TextOf(min).empty()) min->setText("0.0");
  return FieldAngle(TextOf(deg), TextOf(min), maxDeg);
}

void ShowPart(QLineEdit* deg, QLineEdit* min, double value) {
  const DegMinTexts t = DegMinFields(value);
  deg->setText(QString::fromStdString(t.deg));
  min->setText(QString::fromStdString(t.min));
}

}  // namespace

PositionFields AddPositionFields(QWidget* parent, QGridLayout* grid, int row, const PositionFieldNames& n) {
  PositionFields f;
  grid->addWidget(new QLabel("Latitude", parent), row, 0);
  f.latDeg = AddEdit(parent, grid, row, 1, n.latDeg);
  grid->addWidget(new QLabel("\u00b0", parent), row, 2);
  f.latMin = AddEdit(parent, grid, row, 3, n.latMin);
  grid->addWidget(new QLabel("'", parent), row, 4);
  auto* latGroup = new QButtonGroup(parent);
  f.north = AddChoice(parent, grid, latGroup, row, 5, n.north, "North");
  f.south = AddChoice(parent, grid, latGroup, row, 6, n.south, "South");
  grid->addWidget(new QLabel("Longitude", parent), row + 1, 0);
  f.lonDeg = AddEdit(parent, grid, row + 1, 1, n.lonDeg);
  grid->addWidget(new QLabel("\u00b0", parent), row + 1, 2);
  f.lonMin = AddEdit(parent, grid, row + 1, 3, n.lonMin);
  grid->addWidget(new QLabel("'", parent), row + 1, 4);
  auto* lonGroup = new QButtonGroup(parent);
  f.west = AddChoice(parent, grid, lonGroup, row + 1, 5, n.west, "West");
  f.east = AddChoice(parent, grid, lonGroup, row + 1, 6, n.east, "East");
  f.north->setChecked(true);
  f.west->setChecked(true);
  return f;
}

void PositionFormBase::WatchPosition(const PositionFields& f) {
  MessageSink& sink = ctx_.platform;
  WatchEntry(f.latDeg, [&sink](const std::string& t) { return CheckIntRange(t, kMaxLat, sink); });
  WatchEntry(f.latMin, [&sink, deg = f.latDeg](const std::string& t) { return CheckMinutes(TextOf(deg), t, kMaxLat, sink); });
  WatchEntry(f.lonDeg, [&sink](const std::string& t) { return CheckIntRange(t, kMaxLon, sink); });
  WatchEntry(f.lonMin, [&sink, deg = f.lonDeg](const std::string& t) { return CheckMinutes(TextOf(deg), t, kMaxLon, sink); });
}

std::optional<PositionRecord> ReadPosition(const PositionFields& f) {
  const std::optional<double> lat = ReadPart(f.latDeg, f.latMin, kMaxLat);
  const std::optional<double> lon = ReadPart(f.lonDeg, f.lonMin, kMaxLon);
  if (!lat || !lon) return std::nullopt;
  PositionRecord p;
  p.Lat = f.south->isChecked() ? -*lat : *lat;
  p.Lon = f.east->isChecked() ? -*lon : *lon;
  return p;
}

void ShowPosition(const PositionFields& f, const PositionRecord& p) {
  ShowPart(f.latDeg, f.latMin, p.Lat);
  ShowPart(f.lonDeg, f.lonMin, p.Lon);
  (p.Lat > 0 ? f.north : f.south)->setChecked(true);
  (p.Lon > 0 ? f.west : f.east)->setChecked(true);
}

void ClearPosition(const PositionFields& f) {
  for (QLineEdit* e : {f.latDeg, f.latMin, f.lonDeg, f.lonMin}) e->clear();
}

void CopyPosition(const PositionFields& from, const PositionFields& to) {
  to.latDeg->setText(from.latDeg->text());
  to.latMin->setText(from.latMin->text());
  to.lonDeg->setText(from.lonDeg->text());
  to.lonMin->setText(from.lonMin->text());
  (from.south->isChecked() ? to.south : to.north)->setChecked(true);
  (from.east->isChecked() ? to.east : to.west)->setChecked(true);
}

}  // namespace veltrane
