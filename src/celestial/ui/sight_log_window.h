#pragma once
// "Sight log": the sights of a watch kept in a list, reduced from the DR position, fixed
// together by least squares with the error ellipse and any blunder, plotted to scale and
// printed as a work form; and the twilight planner choosing the stars to shoot.
#include <optional>
#include <string>
#include <vector>

#include "celestial/least_squares_fix.h"
#include "celestial/sight_log.h"
#include "coastal/ui/navigate_link.h"
#include "foundation/ui/form_base.h"
#include "foundation/ui/position_fields.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableWidget;

namespace veltrane {

class SightPlotView;

class TSightLogForm : public FormBase {
  Q_OBJECT
 public:
  // navigate may be null (a window tested alone): "Navigate's run" then does nothing.
  TSightLogForm(AppContext& ctx, NavigateLink* navigate);
  void SaveSettings() override;
  const std::vector<LoggedSight>& Sights() const { return sights_; }

 protected:
  void BuildContents() override;
  void FormClose() override;

 private:
  void BuildControls();
  void BuildMenu();
  void LoadSettings();
  void WriteSettings();
  void LoadLog();
  bool StoreLog();
  std::string LogPath() const;

  // The list and the entry fields.
  void ShowList();
  void ShowEntry(const LoggedSight& s);
  std::optional<LoggedSight> ReadEntry();
  std::optional<size_t> SelectedRow() const;
  void AddClick();
  void EditClick();
  void DeleteClick();
  void RowChosen();

  // Reduction and fix; each reading shows its message when it fails.
  std::optional<std::vector<PreparedSight>> Prepare();
  std::optional<PositionRecord> ReadDr();
  // The sights, DR position, motion and fix time; the standard error is read by the fix alone.
  std::optional<FixRequest> ReadRequest();
  // The work form of every sight; false when a sight cannot be carried to its time.
  bool ShowWork(const FixRequest& request);
  void ReduceClick();
  void FixClick();
  void NavigateRunClick();
  void ClearResults();

  void ImportClick();
  void ExportClick();
  void PrintClick();
  void PlanClick();

  void Say(const std::string& text);

  NavigateLink* navigate_;
  std::vector<LoggedSight> sights_;
  std::optional<LeastSquaresFix> fix_;

  PositionFields dr_;
  QTableWidget *grdSights_ = nullptr, *grdWork_ = nullptr, *grdPlan_ = nullptr;
  QComboBox* cbBody_ = nullptr;
  QLineEdit *edStar_, *edDate_, *edTime_, *edHsDeg_, *edHsMin_, *edIndex_, *edEye_, *edPressure_, *edTemperature_,
      *edRemark_;
  QRadioButton *rbLower_, *rbUpper_;
  QLineEdit *edSigma_, *edCourse_, *edSpeed_, *edFixTime_;
  QLineEdit *edFixLat_, *edFixLon_, *edEllipse_, *edIterations_, *edFreeLat_, *edFreeLon_;
  QLabel* lblBlunder_ = nullptr;
  SightPlotView* plot_ = nullptr;
  QLineEdit* edPlanDate_ = nullptr;
  QRadioButton *rbMorning_, *rbEvening_;
  QLineEdit *edCivil_, *edNautical_, *edMiddle_, *edBestThree_, *edBestFour_;
};

}  // namespace veltrane
