#include "convert/ui/conversions_window.h"

#include <QGridLayout>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace veltrane {
namespace {

struct ConverterDesign {
  Quantity quantity;
  const char* title;
  const char* editName;
  int results;
};

constexpr ConverterDesign kDesign[] = {
    {Quantity::Temperature, "Temperature", "edtTemperature", 1}, {Quantity::Speed, "Speed", "edtSpeed", 3},
    {Quantity::Pressure, "Pressure", "edtPressure", 2},          {Quantity::Mass, "Mass", "edtMass", 2},
    {Quantity::Volume, "Volume", "edVolume", 2},                 {Quantity::Length, "Length", "edtLength", 3},
    {Quantity::Area, "Area", "edtArea", 2},                      {Quantity::Angle, "Angle", "edtAngle", 3},
};

// "rb" + the quantity + the unit caption without blanks or slashes: rbSpeedms, rbAreasqfeet.
QString RadioName(const char* title, const std::string& unit) {
  QString u = QString::fromStdString(unit);
  u.remove(' ');
  u.remove('/');
  return QString("rb") + title + u;
}

}  // namespace

TConvForm::TConvForm(AppContext& ctx) : FormBase(ctx, "ConvForm", "Conversions") { CreateContents(); }

void TConvForm::BuildContents() {
  auto* central = new QWidget(this);
  auto* grid = new QGridLayout(central);
  for (size_t i = 0; i < converters_.size(); ++i) {
    const ConverterDesign& d = kDesign[i];
    converters_[i].quantity = d.quantity;
    grid->addWidget(BuildConverter(converters_[i], d.title, d.editName, d.results), static_cast<int>(i) / 4,
                    static_cast<int>(i) % 4);
  }
  setCentralWidget(central);
  AddMenuAction("Close1", "&Close Form", [this] { close(); });
  AddMenuAction("Print1", "&Print", [this] { PrintForm(); });
  AddMenuAction("Help1", "&Help", [this] { OpenHelp(); });
  CloseOnEscape();
  KeepTypedValues();
  for (Converter& c : converters_) {
    if (!c.edit->text().isEmpty()) Recompute(c);
  }
}

// The value and its unit choices on top, the results below a rule, each beside its own unit, so
// no result stands on the row of another unit's radio button.
QWidget* TConvForm::BuildConverter(Converter& c, const QString& title, const QString& editName, int resultCount) {
  auto* box = new QGroupBox(title, centralWidget());
  box->setObjectName("gb" + title);
  auto* layout = new QVBoxLayout(box);
  c.edit = new QLineEdit(box);
  c.edit->setObjectName(editName);
  c.edit->setMaximumWidth(110);
  layout->addWidget(c.edit);
  for (const std::string& unit : UnitsOf(c.quantity)) {
    auto* rb = new QRadioButton(QString::fromStdString(unit), box);
    rb->setObjectName(RadioName(title.toLatin1().constData(), unit));
    rb->setChecked(unit == DefaultUnitOf(c.quantity));
    connect(rb, &QRadioButton::clicked, this, [this, &c] { Recompute(c); });
    layout->addWidget(rb);
    c.units.push_back(rb);
  }
  auto* rule = new QFrame(box);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  layout->addWidget(rule);
  auto* results = new QGridLayout;
  for (int r = 0; r < resultCount; ++r) {
    auto* value = new QLineEdit(box);
    value->setObjectName(editName + "Result" + QString::number(r + 1));
    value->setReadOnly(true);
    auto* unit = new QLineEdit(box);
    unit->setObjectName(editName + "Unit" + QString::number(r + 1));
    unit->setReadOnly(true);
    unit->setFrame(false);
    value->setMaximumWidth(110);
    unit->setMaximumWidth(80);
    results->addWidget(new QLabel("=", box), r, 0);
    results->addWidget(value, r, 1);
    results->addWidget(unit, r, 2);
    c.results.push_back(value);
    c.resultUnits.push_back(unit);
  }
  layout->addLayout(results);
  layout->addStretch(1);
  connect(c.edit, &QLineEdit::textChanged, this, [this, &c] { Recompute(c); });
  return box;
}

void TConvForm::Recompute(Converter& c) {
  std::string unit;
  for (auto* rb : c.units)
    if (rb->isChecked()) unit = rb->text().toStdString();
  const Conversion conversion = Convert(c.quantity, unit, c.edit->text().toStdString());
  for (size_t i = 0; i < c.results.size(); ++i) {
    const bool has = i < conversion.results.size();
    c.results[i]->setText(has ? QString::fromStdString(conversion.results[i].value) : QString());
    c.resultUnits[i]->setText(has ? QString::fromStdString(conversion.results[i].unit) : QString());
  }
  if (conversion.input) {
    // The force is shown as the whole number it was taken as.
    const QSignalBlocker quiet(c.edit);
    c.edit->setText(QString::fromStdString(*conversion.input));
  }
  if (!conversion.error.empty()) ctx_.platform.Message(conversion.error);
}

}  // namespace veltrane
