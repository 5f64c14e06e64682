#include "foundation/ui/position_fields.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "foundation/checks.h"

namespace veltrane {
namespace {

constexpr int kDegreeDigits = 3;

QLineEdit* NewEdit(QWidget* parent, const char* name) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setMinimumWidth(48);
  e->setMaximumWidth(80);
  return e;
}

QRadioButton* NewChoice(QWidget* parent, QButtonGroup* group, const char* name, const char* caption) {
  auto* r = new QRadioButton(caption, parent);
  r->setObjectName(name);
  group->addButton(r);
  return r;
}

}  // namespace

AngleFields AngleFields::Create(QWidget* parent, AngleKind kind, const AngleFieldNames& names) {
  AngleFields f;
  f.kind = kind;
  f.deg = NewEdit(parent, names.deg);
  f.deg->setMaxLength(kDegreeDigits);
  f.min = NewEdit(parent, names.min);
  auto* group = new QButtonGroup(parent);
  f.plus = NewChoice(parent, group, names.plus, PlusCaption(kind));
  f.minus = NewChoice(parent, group, names.minus, MinusCaption(kind));
  f.plus->setChecked(true);
  return f;
}

void AngleFields::Place(QGridLayout* grid, int row, int column) const {
  QWidget* parent = deg->parentWidget();
  grid->addWidget(deg, row, column);
  grid->addWidget(new QLabel("\u00b0", parent), row, column + 1);
  grid->addWidget(min, row, column + 2);
  grid->addWidget(new QLabel("'", parent), row, column + 3);
  grid->addWidget(plus, row, column + 4);
  grid->addWidget(minus, row, column + 5);
}

AngleText AngleFields::Text() const { return {TextOf(deg), TextOf(min), minus->isChecked()}; }

void AngleFields::SetText(const AngleText& text) const {
  deg->setText(QString::fromStdString(text.deg));
  min->setText(QString::fromStdString(text.min));
  ChooseMinus(text.minus);
}

AngleReading AngleFields::Read() const {
  FillBlankMinutes();
  return ReadAngleText(Text(), MaxDegrees(kind));
}

void AngleFields::FillBlankMinutes() const {
  if (!IsEmpty() && min->text().trimmed().isEmpty()) min->setText("0.0");
}

void AngleFields::Show(double value) const { SetText(AngleTextOf(value)); }

void AngleFields::Clear() const {
  deg->clear();
  min->clear();
}

bool AngleFields::IsEmpty() const { return deg->text().trimmed().isEmpty(); }

void AngleFields::ChooseMinus(bool chooseMinus) const { (chooseMinus ? minus : plus)->setChecked(true); }

std::vector<EntryCheck> AngleFields::EntryChecks(MessageSink& sink) const {
  const int max = MaxDegrees(kind);
  return {{deg, [&sink, max](const std::string& t) { return CheckIntRange(t, max, sink); }},
          {min, [&sink, max, d = deg](const std::string& t) { return CheckMinutes(TextOf(d), t, max, sink); }}};
}

PositionFields PositionFields::Create(QWidget* parent, const PositionFieldNames& names) {
  return {AngleFields::Create(parent, AngleKind::Latitude, names.lat),
          AngleFields::Create(parent, AngleKind::Longitude, names.lon)};
}

void PositionFields::Place(QGridLayout* grid, int row) const {
  grid->addWidget(new QLabel("Latitude", lat.deg->parentWidget()), row, 0);
  lat.Place(grid, row, 1);
  grid->addWidget(new QLabel("Longitude", lon.deg->parentWidget()), row + 1, 0);
  lon.Place(grid, row + 1, 1);
}

PositionReading PositionFields::Read() const {
  lat.FillBlankMinutes();
  lon.FillBlankMinutes();
  return ReadPositionText({lat.Text(), lon.Text()});
}

void PositionFields::Show(const PositionRecord& p) const {
  lat.Show(p.Lat);
  lon.Show(p.Lon);
}

void PositionFields::Clear() const {
  lat.Clear();
  lon.Clear();
}

bool PositionFields::IsBlank() const { return lat.IsEmpty() && lon.IsEmpty(); }

void PositionFields::CopyFrom(const PositionFields& other) const {
  lat.SetText(other.lat.Text());
  lon.SetText(other.lon.Text());
}

std::vector<EntryCheck> PositionFields::EntryChecks(MessageSink& sink) const {
  std::vector<EntryCheck> checks = lat.EntryChecks(sink);
  for (EntryCheck& c : lon.EntryChecks(sink)) checks.push_back(std::move(c));
  return checks;
}

}  // namespace veltrane
