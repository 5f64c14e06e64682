#include "foundation/ui/field_value.h"

#include <QLineEdit>

#include "foundation/numbers.h"

namespace veltrane {

double FieldValue(const QLineEdit* edit) { return ParseReal(edit->text().toStdString()).value_or(0.0); }

}  // namespace veltrane
