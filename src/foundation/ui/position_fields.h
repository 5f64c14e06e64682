#pragma once
// A latitude or longitude typed in a window: a whole-degree field, a minute field and the two
// hemisphere choices, named as each window names them, read and shown through position_text.
#include <vector>

#include "foundation/position_text.h"
#include "foundation/ui/form_base.h"

class QGridLayout;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace veltrane {

struct MessageSink;

struct AngleFieldNames {
  const char* deg;
  const char* min;
  const char* plus;   // North or West
  const char* minus;  // South or East
};

struct AngleFields {
  // Created as children of `parent`, North or West chosen.
  static AngleFields Create(QWidget* parent, AngleKind kind, const AngleFieldNames& names);

  // Degrees, "°", minutes, "'" and the two choices in the grid row from `column` on.
  void Place(QGridLayout* grid, int row, int column) const;
  AngleText Text() const;
  void SetText(const AngleText& text) const;
  // Empty minutes beside typed degrees are first filled with "0.0", as the user sees them counted.
  AngleReading Read() const;
  void FillBlankMinutes() const;
  void Show(double value) const;
  void Clear() const;
  bool IsEmpty() const;  // no degrees typed
  void ChooseMinus(bool minus) const;
  // The degrees within their limit, the minutes within 0..59.9 and not beyond the limit.
  std::vector<EntryCheck> EntryChecks(MessageSink& sink) const;

  AngleKind kind = AngleKind::Latitude;
  QLineEdit* deg = nullptr;
  QLineEdit* min = nullptr;
  QRadioButton* plus = nullptr;
  QRadioButton* minus = nullptr;
};

struct PositionFieldNames {
  AngleFieldNames lat;
  AngleFieldNames lon;
};

struct PositionFields {
  static PositionFields Create(QWidget* parent, const PositionFieldNames& names);

  // "Latitude" and "Longitude" rows from `row` of the grid: the caption, then the fields.
  void Place(QGridLayout* grid, int row) const;
  PositionReading Read() const;
  void Show(const PositionRecord& p) const;
  void Clear() const;
  // Neither degree field typed: no position given, as against a wrong one.
  bool IsBlank() const;
  // Texts and choices as they stand, from another window's or group's fields.
  void CopyFrom(const PositionFields& other) const;
  std::vector<EntryCheck> EntryChecks(MessageSink& sink) const;

  AngleFields lat;
  AngleFields lon;
};

}  // namespace veltrane
