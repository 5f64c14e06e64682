#pragma once
// "DazizIze", the celestial navigation window: sextant sights of the Sun, the Moon, the
// planets and the stars reduced from an assumed position to lines of position and a fix, with
// noon latitude, longitude by equal altitudes and by time sight.
#include <optional>
#include <string>

#include "astronomy_ui/star_link.h"
#include "celestial/body_ephemeris.h"
#include "celestial/sight_corrections.h"
#include "celestial/sight_inputs.h"
#include "celestial/ui/clock_face.h"
#include "coastal/ui/navigate_link.h"
#include "foundation/ui/form_base.h"
#include "foundation/ui/position_fields.h"

class QAction;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace veltrane {

class TBrellinForm : public FormBase, public StarTaker, public UtcClockFace {
  Q_OBJECT
 public:
  // navigate and stars may be null (a window tested alone): their buttons then do nothing more.
  TBrellinForm(AppContext& ctx, NavigateLink* navigate, StarPicker* stars);
  void SaveSettings() override;
  // The sight log opened from the Options menu; null leaves the item doing nothing.
  void SetSightLogWindow(FormBase* sightLog) { sightLog_ = sightLog; }
  void TakeStar(const ChosenStar& star) override;
  void ShowUtc(const std::string& hhmmss) override;

 protected:
  void BuildContents() override;
  void FormClose() override;

 private:
  void BuildControls();
  void BuildMenu();
  void WatchEntries();
  void LoadSettings();
  void WriteSettings();

  // Panels and results.
  void OpenFix();
  void CloseFix();
  void InitResults();
  void ClearLopDisplay();
  void ShowLop(PositionRecord lop);
  void ShowPosition(const std::optional<double>& lat, const std::optional<double>& lon);
  void WriteAssumed(const PositionRecord& assumed);
  void ShowCorrection(const CorrectedSight& c);
  void HideReductionPanels();
  // Navigate's end position, when it reads, becomes the assumed position.
  void TakeNavigateEnd();
  void ShowEphemeris(const BodyPlace& place);

  // Readings; each shows its message when it fails.
  std::optional<SightInputs> ReadInputs();
  std::optional<MeasuredHeight> ReadHeight();
  std::optional<SextantData> ReadSextantFields();
  std::optional<BodyPlace> Ephemeris(const SightInputs& in);
  std::optional<PositionRecord> LopOne() const;
  PositionText AssumedTexts() const;
  void SetAssumedTexts(const PositionText& p);

  // Buttons.
  void BodyClick(NavBody body);
  void StarsClick();
  void ComputeBodySight();
  void NoonClick();
  void EqualClick();
  void LongTsfClick();
  void SightOneClick();
  void NavigateClick();
  void NewAssumedClick();
  void SightTwoClick();
  void CalculateClick();
  void ResetClick();
  void ClockClick();
  void Demo(int which);
  void DastrowClick();

  // Procedures behind "Calculate".
  void Fix();
  void NoonLatitude();
  void EqualHeightsFirst();
  void EqualHeightsSecond();
  void TimeSightCalc();

  void Say(const std::string& text);
  QString Mode() const;
  void SetMode(const QString& mode);

  NavigateLink* navigate_;
  StarPicker* stars_;
  FormBase* sightLog_ = nullptr;

  NavBody body_ = NavBody::Sun;
  ChosenStar star_;
  std::optional<PositionRecord> current_;
  std::optional<PositionRecord> lopTwo_;
  PositionRecord snapshotA_;
  double timeA_ = 0.0;

  PositionFields assumed_;
  QLineEdit *edtSextant_, *edtHeight_, *edtPressure_, *edtTemperature_, *edWeekday_, *edtDif_, *edtTime_;
  QLineEdit *edtNoon_, *edtMeasDeg_, *edtMeasMin_, *edtObstr_;
  QRadioButton *upper_, *lower_;
  QDateEdit* date_ = nullptr;
  QPushButton* btClock1_ = nullptr;
  QLabel *lblNoon_, *lblMode_, *lblSight_, *lblPlanet_, *lblLHA_, *lbDastrow_;
  QLineEdit *edtDeclination_, *edtGHA_, *edtLHA_, *edtHc_, *edtHcRef_, *edtAzimuth_;
  QLineEdit *edtAltCorr_, *edtAppHeight_, *edtObsHeight_, *edtDifference_, *edtLatitude_, *edtLongitude_;
  QRadioButton *towards_, *away_;
  QLabel *lbLat1_, *lbLon1_, *lbAngle1_, *lbLat2_, *lbLon2_, *lbAngle2_;
  QLabel *captionLat2_, *captionLon2_, *captionAngle2_;
  QWidget *pnlPlanet_, *pnlHeight_, *pnlObsHeight_, *pnlDifference_, *pnlLocat_, *pnlPosition_;
  QAction* dastrow_ = nullptr;
};

}  // namespace veltrane
