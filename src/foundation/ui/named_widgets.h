#pragma once
// Components created with their objectName, as the windows and their tests refer to them.
#include <initializer_list>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QString;
class QWidget;

namespace veltrane {

QLineEdit* NamedEdit(QWidget* parent, const char* name, int width = 60);
// A field the window fills itself: read-only.
QLineEdit* NamedResult(QWidget* parent, const char* name, int width);
QRadioButton* NamedRadio(QWidget* parent, const char* name, const QString& caption);
QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text);
QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption);
// A row of a form: caption, field and unit (none when empty).
void AddFieldRow(QGridLayout* grid, int row, const QString& caption, QWidget* field, const QString& unit);
// A captioned row of components, shown or hidden as a whole.
QWidget* NamedPanel(QWidget* parent, const char* name, const QString& caption, std::initializer_list<QWidget*> items);

}  // namespace veltrane
