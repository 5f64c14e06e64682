#pragma once
// "Miravel", the astronomy program's main window: the observer's place, date, UT and local
// time, height, pressure, temperature and Delta T that the other astronomy windows read, the
// body buttons, named places and the one-second clock.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "astronomy_ui/observer_source.h"
#include "astronomy_ui/star_link.h"
#include "celestial/ui/clock_face.h"
#include "foundation/ui/place_file_listener.h"
#include "foundation/ui/form_base.h"
#include "foundation/ui/position_fields.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace veltrane {

class TAlmanacForm;
class TPlanetForm;

// Where the main window's commands lead; what is not wired stays idle.
struct MiravelLinks {
  TPlanetForm* body = nullptr;  // also takes the star of "Star Values"
  FormBase* identify = nullptr;
  TAlmanacForm* almanac = nullptr;
  FormBase* jupiter = nullptr;  // closed when the date or time changes
  StarPicker* stars = nullptr;
  UtcClockFace* clock = nullptr;  // the celestial navigation window's clock, every second
  std::function<void()> showAbout;
  std::vector<PlaceFileListener*> placeListeners;  // told after a place was saved
};

class TMiravelForm : public FormBase, public ObserverSource, public PlaceFileListener {
  Q_OBJECT
 public:
  explicit TMiravelForm(AppContext& ctx);
  ~TMiravelForm() override;
  void SetLinks(MiravelLinks links) { links_ = std::move(links); }

  std::optional<ObserverReading> ReadObserver() override;
  std::optional<double> ZoneHours() override;
  void SaveSettings() override;

  // The body buttons: "SUN" .. "NEPTUNE".
  void BodyClick(const std::string& label);
  void StarsClick();
  void IdentifyClick();
  void AlmanacClick();
  void BitBtn1Click();
  void btClock1Click();
  void rbPcTimeClick();
  void rbOthTimeClick();
  void Timer1Timer();
  // The place file changed elsewhere: the list follows it.
  void PlaceFileChanged() override;

 protected:
  void BuildContents() override;
  void showEvent(QShowEvent* event) override;
  void FormClose() override;

 private:
  void BuildControls();
  void LoadSettings();
  void LoadPlaceNames(bool reportMissing);
  void ApplyPlace(const std::string& name);
  void UpdateLocalTime();
  void DateChanged();
  void CloseJupiter();
  std::string PlaceFile() const;

  MiravelLinks links_;
  PositionFields position_{};
  QComboBox* cbxPlace_;
  QDateEdit* dateTimePicker1_;
  QLabel* lbWeekday_;
  QCheckBox* chBChr_;
  QLineEdit *edtTime_, *edLocTime_, *edit5_, *edtHeight_, *edtPressure_, *edtTemperature_, *edDelta_;
  QWidget* deltaPanel_;
  QPushButton* btClock1_;
  QRadioButton *rbPcTime_, *rbOthTime_;
  QLabel* label9_;
  QTimer* timer1_;
  bool namesReported_ = false;
};

}  // namespace veltrane
