#pragma once
// "Navigate": coastal dead reckoning on one sheet of fields. Six tasks run the heading chain
// compass -> magnetic -> true -> water track -> ground track (deviation, variation, leeway,
// current) forwards or backwards, with the run completed from time, speed and distance.
#include <functional>
#include <set>
#include <vector>

#include "coastal/nav_utl.h"
#include "coastal/ui/nav_fields.h"
#include "foundation/ui/form_base.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;

namespace veltrane {

class TNaviForm : public FormBase {
  Q_OBJECT
 public:
  explicit TNaviForm(AppContext& ctx);
  void SaveSettings() override;

 protected:
  void FormClose() override;

 private:
  enum class Task { None, Position, DistHead, Leeway, Current, SpeedComp, TrackSpeed };

  void BuildControls();
  void BuildMenu();
  void WatchEntries();
  void LoadSettings();
  void WriteSettings();

  void ChooseTask(Task task);
  void CalculateClick();
  void InitValuesClick();
  void EndToStartClick();
  void UndoClick();
  void Demo(bool west);

  void DeadReckoning(bool withPosition);
  void DistHead();
  void LeewayTask();
  void CurrentTask();
  void SpeedComp();

  // Start and end positions: nothing when missing (a degree field empty).
  std::optional<PositionRecord> ReadPosition(const AngleFields& lat, const AngleFields& lon);
  // `apart`: the task needs a course between them, so one point twice will not do.
  bool ReadStartAndEnd(PositionRecord& start, PositionRecord& end, bool apart);
  double Variation();
  double LeewayValue();
  double Value(QLineEdit* edit);
  void Show(QLineEdit* edit, double value);           // one decimal
  void ShowIfEmpty(QLineEdit* edit, double value);    // only into an empty field, only above 0
  void ShowPositive(QLineEdit* edit, double value);   // empty for 0
  // Completes time, speed and distance of the run through the water or over ground.
  void CompleteRun(QLineEdit* speed, QLineEdit* distance);
  // Converts a typed compass heading to magnetic (shown), then reads the magnetic heading.
  double MagneticHeading();
  // The backward chain from the water track down to the compass heading.
  void ShowHeadingsFrom(double waterTrack);
  // Water track for a wanted track in a current, completing the unknown one of boat speed and
  // ground speed; a known ground speed decides, as it fixes the time. Nothing, after its
  // message, when neither is known or the current is too strong.
  std::optional<double> SteerInCurrent(double set, double track, double drift, double& boat, double& sog);
  // Course and distance from start to end, then the water track and the run through the water
  // that make them good (DistHead and Leeway). Nothing when SteerInCurrent finds none.
  std::optional<double> MakeGood(const PositionRecord& start, const PositionRecord& end);
  void ShowCourseDistance(const PositionRecord& start, const PositionRecord& end);
  void Say(const std::string& text);

  void StoreSnapshot();
  std::vector<QLineEdit*> SnapshotFields() const;
  void SetFields(const std::vector<QLineEdit*>& fields, bool input, bool clear);

  Task task_ = Task::None;
  bool good_ = true;     // all values read in this run were numbers
  bool writing_ = false; // the window is writing results: no entry checks
  std::set<const QLineEdit*> written_;  // fields this run has written its results into

  AngleFields startLat_, startLon_, endLat_, endLon_;
  QComboBox* cbCompass_ = nullptr;
  QLineEdit *edCompCourse_, *edMgCourse_, *edVarDeg_, *edVarMin_, *edRealCourse_, *edLeeway_, *edWaterCourse_;
  QRadioButton *rbVarWest_, *rbVarEast_, *rbStarboard_, *rbPort_;
  QLineEdit *edCurrent_, *edDrift_, *edBoatSpeed_, *edLogDistance_, *edTimeHours_, *edTimeMins_;
  QLineEdit *edTrDistance_, *edTrCourse_, *edTrSpeed_;
  QLabel* lbMode_ = nullptr;
  QMenu* options_ = nullptr;
};

}  // namespace veltrane
