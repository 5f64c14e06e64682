#pragma once
// Field helpers shared by the Navigate and CrossBearing windows: degree-and-minute positions
// with their hemisphere buttons, the input/output colouring, and the compass tables.
#include <optional>
#include <string>

#include "coastal/deviation.h"
#include "foundation/ui/app_context.h"

class QString;

class QComboBox;
class QGridLayout;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace veltrane {

// An angle typed as whole degrees and decimal minutes; `plus` is the North (or West) button.
struct AngleFields {
  QLineEdit* deg = nullptr;
  QLineEdit* min = nullptr;
  QRadioButton* plus = nullptr;
  QRadioButton* minus = nullptr;
};

// Nothing when the degree field is empty or the angle is beyond `limit` degrees (90 for a
// latitude, 180 for a longitude). An empty minute field is first filled with "0.0"; text that
// is not a number clears `good`.
std::optional<double> ReadAngle(const AngleFields& f, double limit, bool& good);
// Unsigned whole degrees, minutes to a tenth with a leading "0" below 10, hemisphere checked.
void ShowAngle(const AngleFields& f, double value);
// Variation from its degree and minute fields, east positive; 0 when the degree field is
// empty. Text that is not a number, or a variation beyond `limit` degrees, clears `good` and
// reads as 0.
double ReadVariation(const QLineEdit* deg, const QLineEdit* min, bool west, double limit, bool& good);
// The value of a number field: 0 when empty; text that is not a number clears `good`.
double ReadNumber(const QLineEdit* edit, bool& good);
bool IsEmpty(const QLineEdit* edit);

// A labelled row: degrees, minutes and the two hemisphere buttons.
void AddAngleRow(QGridLayout* grid, int row, const QString& label, const AngleFields& f);

// White marks an input of the chosen task, grey an output or an unused field.
void SetInput(QLineEdit* edit, bool input);

// "Ideal" and every compass table beside the program.
void FillCompassList(QComboBox* box, const AppContext& ctx);
// The table of the compass named in the box, read once for a computation.
CompassTable ChosenCompass(const AppContext& ctx, const QComboBox* box);
// The deviation of the compass named in the box (none for "Ideal" or an empty name); a
// missing table is reported and counts as 0.
int CompassDeviation(AppContext& ctx, const QComboBox* box, double heading, HeadingKind kind);

}  // namespace veltrane
