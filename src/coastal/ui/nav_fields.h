#pragma once
// Field helpers shared by the Navigate and CrossBearing windows: numbers and variation, the
// input/output colouring, and the compass tables.
#include <optional>
#include <string>

#include "coastal/deviation.h"
#include "foundation/ui/app_context.h"

class QComboBox;
class QLineEdit;

namespace veltrane {

// Variation from its degree and minute fields, east positive; 0 when the degree field is
// empty; nothing for text that is not a number or a variation beyond `limit` degrees.
std::optional<double> ReadVariation(const QLineEdit* deg, const QLineEdit* min, bool west, double limit);
// The value of a number field: 0 when empty; nothing for text that is not a number.
std::optional<double> ReadNumber(const QLineEdit* edit);
bool IsEmpty(const QLineEdit* edit);

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
