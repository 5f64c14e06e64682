#pragma once
// The number a calculator reads from a field: empty or non-numeric text counts as 0.
class QLineEdit;

namespace veltrane {

double FieldValue(const QLineEdit* edit);

}  // namespace veltrane
