#pragma once
// "Great Circle Count ": the great circle between two positions beside the rhumb line, the
// waypoint table, the latitude of a route point, named positions and the printed report.
#include <optional>

#include "coastal/nav_utl.h"
#include "foundation/ui/form_base.h"
#include "foundation/ui/place_file_listener.h"
#include "foundation/ui/position_fields.h"
#include "greatcircle/great_route.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace veltrane {

class TGreatForm : public FormBase, public PlaceFileListener {
  Q_OBJECT
 public:
  explicit TGreatForm(AppContext& ctx);

  void OkClick();
  void CountRouteClick();
  void CountLatitude1Click();
  void btnInit1Click();
  void Demo1Click();
  void PrintClick();
  // The position file has changed (the editor saved it): the name lists follow it.
  void PlaceFileChanged() override;
  // The window "&Editor" opens.
  void SetEditor(FormBase* editor) { editor_ = editor; }

 protected:
  void BuildContents() override;
  void showEvent(QShowEvent* event) override;

 private:
  FormBase* editor_ = nullptr;
  // One of the two points: its fields and its name box.
  struct PointFields {
    PositionFields position;
    QComboBox* name;
  };
  // What "&Count" found, for "Count &Route", "Count &Latitude" and the report.
  struct LastCount {
    PreparedRoute route;
    double course = 0.0;
    PositionRecord vertex;
  };

  QGroupBox* BuildPoint(PointFields& p, const QString& title, const PositionFieldNames& names, const char* combo,
                        const char* saveButton);
  void BuildResults();
  void BuildRoute();
  QLineEdit* AddResult(QWidget* box, int row, int column, const char* name, const QString& caption);
  void LoadPlaceNames(bool reportMissing);
  // Fills the point's fields from the place of that name in the position file.
  void PlaceChosen(PointFields& p, const std::string& name);
  void SavePlace(PointFields& p);
  void ClearRoute();
  std::string PositionFile() const;

  PointFields start_{};
  PointFields end_{};
  QLineEdit* edStep_;
  QGroupBox* panel2_;
  QLineEdit *edDLat_, *edDLon_, *edCourse_, *edDistNm_, *edDistKm_;
  QLineEdit *edMidCourse_, *edMidNm_, *edMidKm_, *edVertexLat_, *edVertexLon_, *edAngle_;
  QLabel* lbDirection_;
  QLineEdit* edDirection_;
  QRadioButton* rbLongitude_;
  QRadioButton* rbArc_;
  QGroupBox* routeBox_;
  QTableWidget* grid_;
  QLineEdit *edSum_, *edGeodesic_, *edWgs84_;
  QGroupBox* pointBox_;
  AngleFields pointLon_;
  QLineEdit* edPointLat_;
  QPushButton *btnOk_, *btnCountRoute_, *btnCountLatitude_, *btnInit_, *btnPrint_;
  std::optional<LastCount> last_;
  bool namesLoadedOnce_ = false;
};

}  // namespace veltrane
