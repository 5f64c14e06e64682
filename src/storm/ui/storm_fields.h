#pragma once
// Building blocks of the storm windows: captioned entry rows, named choices, hidden carriers of
// values and white paint areas.
#include <QString>

class QButtonGroup;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QWidget;

namespace veltrane {

// Caption, field and unit in a grid row from `column`; the hint shows when the mouse rests.
QLineEdit* AddFieldRow(QWidget* parent, QGridLayout* grid, int row, int column, const char* name,
                       const QString& caption, const QString& unit = {}, const QString& hint = {});
// A radio button of the group, named.
QRadioButton* NamedChoice(QWidget* parent, QButtonGroup* group, const char* name, const QString& caption);
// The same, placed in a grid cell.
QRadioButton* AddChoice(QWidget* parent, QGridLayout* grid, QButtonGroup* group, int row, int column,
                        const char* name, const QString& caption);
// A label that is never shown: it carries a value between two actions.
QLabel* HiddenLabel(QWidget* parent, const char* name);
// The window's text area "Memo1", for the program to write in.
QPlainTextEdit* ReadOnlyMemo(QWidget* parent);
// A paint area of fixed size on white.
void MakePaintArea(QWidget* area, const char* name, int width, int height);

}  // namespace veltrane
