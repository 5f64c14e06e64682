#pragma once
// "Almanac": the events of a year (equinoxes and solstices, the Moon's phases, eclipses and
// the planets' conjunctions and oppositions), one a line in UT and in local time.
#include <vector>

#include "astro/almanac_year.h"
#include "foundation/ui/form_base.h"

class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableWidget;

namespace veltrane {

class ObserverSource;

class TAlmanacForm : public FormBase {
  Q_OBJECT
 public:
  explicit TAlmanacForm(AppContext& ctx);
  void SetObserverSource(ObserverSource* source) { observer_ = source; }
  // The main window's year; beforeChrist shows the "B.C." marks and counts the year back.
  void SetYear(int year, bool beforeChrist);
  void btnCountClick();
  void SaveCsvClick();
  // A nautical almanac's daily pages from edFirstDay for edDays days, saved as a PDF and shown.
  void btnDailyPagesClick();

 protected:
  void BuildContents() override;

 private:
  double Zone() const;

  ObserverSource* observer_ = nullptr;
  bool beforeChrist_ = false;
  std::vector<AlmanacEvent> events_;  // of the last count, as listed
  double zone_ = 0.0;                 // of the last count
  int year_ = 0;                      // astronomical year of the last count
  QLineEdit* edYear_;
  QLineEdit *edFirstDay_, *edDays_;
  QLabel* lbBChr_;
  QFrame* panel3_;
  QRadioButton *rbPartial_, *rbTotal_;
  QLabel* lbZone_;
  QTableWidget* grid_;
};

}  // namespace veltrane
