#include "storm/ui/storm_fields.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "foundation/ui/named_widgets.h"

namespace veltrane {
namespace {
constexpr int kFieldWidth = 80;
}

QLineEdit* AddFieldRow(QWidget* parent, QGridLayout* grid, int row, int column, const char* name,
                       const QString& caption, const QString& unit, const QString& hint) {
  grid->addWidget(new QLabel(caption, parent), row, column);
  QLineEdit* e = NamedEdit(parent, name, kFieldWidth);
  if (!hint.isEmpty()) e->setToolTip(hint);
  grid->addWidget(e, row, column + 1);
  if (!unit.isEmpty()) grid->addWidget(new QLabel(unit, parent), row, column + 2);
  return e;
}

QRadioButton* NamedChoice(QWidget* parent, QButtonGroup* group, const char* name, const QString& caption) {
  auto* rb = new QRadioButton(caption, parent);
  rb->setObjectName(name);
  group->addButton(rb);
  return rb;
}

QRadioButton* AddChoice(QWidget* parent, QGridLayout* grid, QButtonGroup* group, int row, int column,
                        const char* name, const QString& caption) {
  QRadioButton* rb = NamedChoice(parent, group, name, caption);
  grid->addWidget(rb, row, column);
  return rb;
}

QLabel* HiddenLabel(QWidget* parent, const char* name) {
  QLabel* l = NamedLabel(parent, name, {});
  l->hide();
  return l;
}

QPlainTextEdit* ReadOnlyMemo(QWidget* parent) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName("Memo1");
  memo->setReadOnly(true);
  return memo;
}

void MakePaintArea(QWidget* area, const char* name, int width, int height) {
  area->setObjectName(name);
  area->setFixedSize(width, height);
  area->setAutoFillBackground(true);
  QPalette p = area->palette();
  p.setColor(QPalette::Window, Qt::white);
  area->setPalette(p);
}

}  // namespace veltrane
