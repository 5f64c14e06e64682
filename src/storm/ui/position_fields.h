#pragma once
// A position's fields in a storm window: whole degrees, minutes and the hemisphere choice for
// latitude and longitude, named as each window names them.
#include <QString>
#include <optional>
#include <string>

#include "coastal/nav_utl.h"
#include "foundation/ui/form_base.h"

class QGridLayout;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace veltrane {

struct PositionFieldNames {
  const char* latDeg;
  const char* latMin;
  const char* north;
  const char* south;
  const char* lonDeg;
  const char* lonMin;
  const char* west;
  const char* east;
};

struct PositionFields {
  QLineEdit* latDeg = nullptr;
  QLineEdit* latMin = nullptr;
  QRadioButton* north = nullptr;
  QRadioButton* south = nullptr;
  QLineEdit* lonDeg = nullptr;
  QLineEdit* lonMin = nullptr;
  QRadioButton* west = nullptr;
  QRadioButton* east = nullptr;
};

// Two rows (latitude, longitude) from `row` of the grid, North and West chosen.
PositionFields AddPositionFields(QWidget* parent, QGridLayout* grid, int row, const PositionFieldNames& names);

// A window with typed positions.
class PositionFormBase : public FormBase {
 public:
  using FormBase::FormBase;

 protected:
  // The entry checks of typed degrees and minutes.
  void WatchPosition(const PositionFields& f);
};

// Empty minutes are filled with "0.0"; South and East negate. Nothing when a degrees field is
// empty or a value is out of range.
std::optional<PositionRecord> ReadPosition(const PositionFields& f);
void ShowPosition(const PositionFields& f, const PositionRecord& p);
void ClearPosition(const PositionFields& f);
// Texts and choices as they stand, from one window's fields into another's.
void CopyPosition(const PositionFields& from, const PositionFields& to);

}  // namespace veltrane
