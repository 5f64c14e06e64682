#pragma once
// "Navigate": coastal dead reckoning on one sheet of fields. Six tasks run the heading chain
// compass -> magnetic -> true -> water track -> ground track (deviation, variation, leeway,
// current) forwards or backwards, with the run completed from time, speed and distance.
#include <functional>
#include <optional>
#include <vector>

#include "coastal/navigate.h"
#include "coastal/ui/navigate_link.h"
#include "coastal/ui/nav_fields.h"
#include "foundation/ui/form_base.h"
#include "foundation/ui/position_fields.h"

class QAction;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;

namespace veltrane {

// The small calculator windows of the Options menu; a missing one leaves its item disabled.
struct NavigateCalculators {
  FormBase* bearings = nullptr;
  FormBase* courses = nullptr;
  FormBase* crossBearing = nullptr;
  FormBase* distances = nullptr;
  FormBase* sailing = nullptr;
  FormBase* tides = nullptr;
  FormBase* winds = nullptr;
};

class TNaviForm : public FormBase, public NavigateLink {
  Q_OBJECT
 public:
  explicit TNaviForm(AppContext& ctx);
  void SetCalculators(const NavigateCalculators& calculators);
  void SaveSettings() override;

  PositionText EndPosition() const override;
  std::string RunCourse() const override;
  std::string RunDistance() const override;
  void ClearForNewSight() override;
  void StartFrom(const PositionText& start) override;

 protected:
  void BuildContents() override;
  void FormClose() override;

 private:
  void BuildControls();
  void BuildMenu();
  void WatchEntries();
  void LoadSettings();
  void WriteSettings();

  void ChooseTask(NavTask task);
  void CalculateClick();
  void InitValuesClick();
  void EndToStartClick();
  void UndoClick();
  void Demo(bool west);

  // The sheet as typed, with the fields whose text is no usable value.
  NavInput ReadSheet();
  // Writes every value the task changed; what it left alone keeps its text as typed.
  void ShowSheet(const NavSheet& before, const NavSheet& after);
  // Start and end positions: nothing when missing or not a position; the task says which it
  // needed.
  std::optional<PositionRecord> ReadPosition(const AngleFields& lat, const AngleFields& lon);
  // A number field: nothing when empty or erroneous (then noted in `in`).
  std::optional<double> ReadValue(const QLineEdit* edit, NavField field, NavInput& in);
  void Say(const std::string& text);

  void StoreSnapshot();
  std::vector<QLineEdit*> SnapshotFields() const;
  void SetFields(const std::vector<QLineEdit*>& fields, bool input, bool clear);

  std::optional<NavTask> task_;  // nothing until a task is chosen
  bool writing_ = false;         // the window is writing results: no entry checks

  AngleFields startLat_, startLon_, endLat_, endLon_;
  QComboBox* cbCompass_ = nullptr;
  QLineEdit *edCompCourse_, *edMgCourse_, *edVarDeg_, *edVarMin_, *edRealCourse_, *edLeeway_, *edWaterCourse_;
  QRadioButton *rbVarWest_, *rbVarEast_, *rbStarboard_, *rbPort_;
  QLineEdit *edCurrent_, *edDrift_, *edBoatSpeed_, *edLogDistance_, *edTimeHours_, *edTimeMins_;
  QLineEdit *edTrDistance_, *edTrCourse_, *edTrSpeed_;
  QLabel* lbMode_ = nullptr;
  QMenu* options_ = nullptr;
  NavigateCalculators calculators_;
  std::vector<std::pair<QAction*, FormBase* NavigateCalculators::*>> calculatorItems_;
};

}  // namespace veltrane
