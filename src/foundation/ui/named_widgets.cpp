#include "foundation/ui/named_widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QPushButton>

namespace veltrane {

QLineEdit* NamedEdit(QWidget* parent, const char* name, int width) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setFixedWidth(width);
  return e;
}

QLineEdit* NamedResult(QWidget* parent, const char* name, int width) {
  QLineEdit* e = NamedEdit(parent, name, width);
  e->setReadOnly(true);
  return e;
}

QRadioButton* NamedRadio(QWidget* parent, const char* name, const QString& caption) {
  auto* r = new QRadioButton(caption, parent);
  r->setObjectName(name);
  return r;
}

QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  return l;
}

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  return b;
}

void AddFieldRow(QGridLayout* grid, int row, const QString& caption, QWidget* field, const QString& unit) {
  QWidget* parent = field->parentWidget();
  grid->addWidget(new QLabel(caption, parent), row, 0);
  grid->addWidget(field, row, 1);
  if (!unit.isEmpty()) grid->addWidget(new QLabel(unit, parent), row, 2);
}

QWidget* NamedPanel(QWidget* parent, const char* name, const QString& caption, std::initializer_list<QWidget*> items) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(name);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(0, 0, 0, 0);
  auto* label = new QLabel(caption, panel);
  label->setMinimumWidth(110);
  row->addWidget(label);
  for (QWidget* w : items) row->addWidget(w);
  row->addStretch();
  return panel;
}

}  // namespace veltrane
